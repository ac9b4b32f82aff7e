#include "triangle/frmTriangle.h"

#include "TestSettings.h"
#include "common/Twips.h"
#include "shell/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolBar>

#include <memory>

namespace {

const QStringList boxNames = {"txtsa", "txtsb", "txtsc", "txtA", "txtB"};
const QStringList panelNames = {"picsasb", "picsasc", "picsbsc", "picscab", "picscaa",
                                "picsbab", "picsbaa", "picsaab", "picsaaa"};
const QColor selectedColour(0x80, 0x80, 0xFF);

} // namespace

// The triangle window driven through its real controls, as a user works it.
class tst_frmTriangle : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void opensWithTheRightAngleAtTheBottomLeft();
    void orientationButtonPlacesTheDrawing_data();
    void orientationButtonPlacesTheDrawing();
    void calculateFillsTheOtherBoxesAndShowsTheFormulasUsed();
    void calculateWithNothingToSolveOnlyHidesThePanels();
    void orientationChangeKeepsTheValues();
    void clearEmptiesTheBoxesAndKeepsTheOrientation();
    void formulasStackTheNinePanels();
    void boxesCarryTheirToolTips_data();
    void boxesCarryTheirToolTips();
    void tabOrderRunsButtonsThenBoxes();
    void switchingToolsKeepsWhatWasTyped();
    void enterCalculatesAndLongResultsShowTheirStart();

private:
    std::unique_ptr<frmTriangle> m_window;

    template <typename T = QWidget>
    T* control(const QString& name) const
    {
        auto* found = m_window->findChild<T*>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    QLineEdit* box(const QString& name) const { return control<QLineEdit>(name); }
    void click(const QString& name) { QTest::mouseClick(control<QPushButton>(name), Qt::LeftButton); }
    void type(const QString& name, const QString& text) { QTest::keyClicks(box(name), text); }
    QStringList boxTexts() const;
    QStringList visiblePanels() const;
    QList<int> visibleLines() const;
    bool isSelected(const QString& button) const;
};

void tst_frmTriangle::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void tst_frmTriangle::init()
{
    m_window = std::make_unique<frmTriangle>();
    m_window->resize(800, 560);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void tst_frmTriangle::cleanup()
{
    m_window.reset();
}

QStringList tst_frmTriangle::boxTexts() const
{
    QStringList texts;
    for (const QString& name : boxNames)
        texts.append(box(name)->text());
    return texts;
}

QStringList tst_frmTriangle::visiblePanels() const
{
    QStringList visible;
    for (const QString& name : panelNames)
        if (control(name)->isVisible())
            visible.append(name);
    return visible;
}

QList<int> tst_frmTriangle::visibleLines() const
{
    QList<int> visible;
    for (int line = 1; line <= 14; ++line)
        if (control(QStringLiteral("Line%1").arg(line))->isVisible())
            visible.append(line);
    return visible;
}

bool tst_frmTriangle::isSelected(const QString& button) const
{
    return control(button)->palette().color(QPalette::Button) == selectedColour;
}

void tst_frmTriangle::opensWithTheRightAngleAtTheBottomLeft()
{
    QCOMPARE(control("Picture1")->size(), Twips::size(10575, 6975));
    QCOMPARE(control("Picture2")->geometry(), Twips::rect(1560, 240, 8775, 6495));
    QVERIFY(isSelected("cmdTri1"));
    for (const char* other : {"cmdTri2", "cmdTri3", "cmdTri4"}) {
        QVERIFY2(!isSelected(other), other);
        QCOMPARE(control(other)->palette().color(QPalette::Button),
                 QApplication::palette().color(QPalette::Button));
    }
    QCOMPARE(visibleLines(), QList<int>({2, 3, 5, 13, 14}));
    QCOMPARE(boxTexts(), QStringList({"", "", "", "", ""}));
    QVERIFY(visiblePanels().isEmpty());
    QCOMPARE(control<QLabel>("lblC")->text(), QStringLiteral("C = 90"));
    QVERIFY(control("lblC")->isVisible());

    // White drawing on blue.
    const QImage drawing = control("Picture2")->grab().toImage();
    QCOMPARE(drawing.pixelColor(drawing.width() - 3, 3), QColor(0x00, 0x00, 0xFF));
    const QPoint corner = Twips::point(2000, 5000);
    QCOMPARE(drawing.pixelColor(corner.x(), corner.y() - 20), QColor(Qt::white));
    const QImage label = control("lblC")->grab().toImage();
    bool whiteText = false;
    for (int x = 0; x < label.width() && !whiteText; ++x)
        whiteText = label.pixelColor(x, label.height() / 2) == Qt::white;
    QVERIFY(whiteText);
}

void tst_frmTriangle::orientationButtonPlacesTheDrawing_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QList<int>>("lines");
    QTest::addColumn<QPoint>("angleA");
    QTest::addColumn<QPoint>("sideA");
    QTest::addColumn<QPoint>("sideC");
    QTest::addColumn<QPoint>("labelC");

    QTest::newRow("bottom left") << "cmdTri1" << QList<int>{2, 3, 5, 13, 14} << Twips::point(7080, 5040)
                                 << Twips::point(360, 3120) << Twips::point(4800, 2880) << Twips::point(1680, 5040);
    QTest::newRow("top left") << "cmdTri2" << QList<int>{1, 3, 6, 7, 8} << Twips::point(1920, 5160)
                              << Twips::point(4320, 960) << Twips::point(4680, 3360) << Twips::point(1560, 960);
    QTest::newRow("top right") << "cmdTri3" << QList<int>{1, 4, 5, 9, 10} << Twips::point(2040, 960)
                               << Twips::point(7080, 3000) << Twips::point(2760, 3360) << Twips::point(6480, 1080);
    QTest::newRow("bottom right") << "cmdTri4" << QList<int>{2, 4, 6, 11, 12} << Twips::point(7080, 1080)
                                  << Twips::point(4440, 5160) << Twips::point(2760, 2760) << Twips::point(6600, 5040);
}

void tst_frmTriangle::orientationButtonPlacesTheDrawing()
{
    QFETCH(QString, button);
    QFETCH(QList<int>, lines);
    QFETCH(QPoint, angleA);
    QFETCH(QPoint, sideA);
    QFETCH(QPoint, sideC);
    QFETCH(QPoint, labelC);

    click(QStringLiteral("cmdTri2"));
    click(button);
    QCOMPARE(visibleLines(), lines);
    QCOMPARE(box("txtA")->pos(), angleA);
    QCOMPARE(box("txtsa")->pos(), sideA);
    QCOMPARE(box("txtsc")->pos(), sideC);
    QCOMPARE(control("lblC")->pos(), labelC);
    for (const QString& name : boxNames)
        QVERIFY2(box(name)->isVisible(), qPrintable(name));
    for (const char* other : {"cmdTri1", "cmdTri2", "cmdTri3", "cmdTri4"})
        QCOMPARE(isSelected(other), button == QLatin1String(other));
}

void tst_frmTriangle::calculateFillsTheOtherBoxesAndShowsTheFormulasUsed()
{
    type("txtsa", "10");
    type("txtA", "30");
    click("cmdTriCalc");
    QCOMPARE(boxTexts(), QStringList({"10.0", "17.32050808", "20.0", "30.0", "60.0"}));
    QCOMPARE(visiblePanels(), QStringList({"picsaaa"}));
    QCOMPARE(control("picsaaa")->geometry(), Twips::rect(0, 5760, 8775, 721));

    click("cmdTriClear");
    type("txtsa", "3");
    type("txtsb", "4");
    click("cmdTriCalc");
    QCOMPARE(boxTexts(), QStringList({"3.0", "4.0", "5.0", "36.86989765", "53.13010235"}));
    QCOMPARE(visiblePanels(), QStringList({"picsasb"}));
}

void tst_frmTriangle::calculateWithNothingToSolveOnlyHidesThePanels()
{
    click("cmdTriForm");
    type("txtsa", "3");
    type("txtB", "ninety");
    click("cmdTriCalc");
    QVERIFY(visiblePanels().isEmpty());
    QCOMPARE(boxTexts(), QStringList({"3", "", "", "", "ninety"}));

    // A leg as long as the hypotenuse computes nothing, shows no panel, but reformats.
    type("txtsc", "3");
    click("cmdTriCalc");
    QVERIFY(visiblePanels().isEmpty());
    QCOMPARE(boxTexts(), QStringList({"3.0", "", "3.0", "", "ninety"}));
}

void tst_frmTriangle::orientationChangeKeepsTheValues()
{
    type("txtsa", "3");
    type("txtsc", "5");
    click("cmdTriCalc");
    const QStringList solved = boxTexts();
    QCOMPARE(solved, QStringList({"3.0", "4.0", "5.0", "36.86989765", "53.13010235"}));
    QCOMPARE(visiblePanels(), QStringList({"picsasc"}));

    click("cmdTri3");
    QCOMPARE(boxTexts(), solved);
    QVERIFY(visiblePanels().isEmpty());
    QCOMPARE(box("txtsb")->pos(), Twips::point(4680, 960));
    QCOMPARE(control("lblsb")->pos(), Twips::point(4200, 960));
    QCOMPARE(box("txtB")->pos(), Twips::point(7080, 5040));
    QCOMPARE(control("lblB")->pos(), Twips::point(6600, 5040));
}

void tst_frmTriangle::clearEmptiesTheBoxesAndKeepsTheOrientation()
{
    click("cmdTri4");
    type("txtsb", "5");
    type("txtB", "30");
    click("cmdTriCalc");
    QCOMPARE(visiblePanels(), QStringList({"picsbab"}));
    click("cmdTriClear");
    QCOMPARE(boxTexts(), QStringList({"", "", "", "", ""}));
    QVERIFY(visiblePanels().isEmpty());
    QVERIFY(isSelected("cmdTri4"));
    QCOMPARE(visibleLines(), QList<int>({2, 4, 6, 11, 12}));
    QCOMPARE(box("txtsb")->pos(), Twips::point(7080, 3000));
}

void tst_frmTriangle::formulasStackTheNinePanels()
{
    click("cmdTriForm");
    QCOMPARE(visiblePanels(), panelNames);
    for (int i = 0; i < panelNames.size(); ++i)
        QCOMPARE(control(panelNames[i])->geometry(), Twips::rect(0, 720 * i, 8775, 721));

    // Every panel draws its formulas in white on the light blue.
    const QImage image = control("picscab")->grab().toImage();
    int inked = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            inked += image.pixelColor(x, y) == Qt::white;
    QVERIFY2(inked > 200, qPrintable(QString::number(inked)));

    click("cmdTri2");
    QVERIFY(visiblePanels().isEmpty());
}

void tst_frmTriangle::boxesCarryTheirToolTips_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<QString>("label");
    QTest::newRow("a") << "txtsa" << "Distance a" << "lblsa";
    QTest::newRow("b") << "txtsb" << "Distance b" << "lblsb";
    QTest::newRow("c") << "txtsc" << "Distance c" << "lblsc";
    QTest::newRow("A") << "txtA" << "Angle A" << "lblA";
    QTest::newRow("B") << "txtB" << "Angle B" << "lblB";
}

void tst_frmTriangle::boxesCarryTheirToolTips()
{
    QFETCH(QString, name);
    QFETCH(QString, toolTip);
    QFETCH(QString, label);
    QCOMPARE(box(name)->toolTip(), toolTip);
    QCOMPARE(box(name)->size(), Twips::size(1455, 345));
    // The label is the box's letter, beside it on the left.
    QCOMPARE(control<QLabel>(label)->text(), toolTip.right(1));
    QVERIFY(control(label)->x() < box(name)->x());
}

void tst_frmTriangle::tabOrderRunsButtonsThenBoxes()
{
    const QStringList expected = {"cmdTri1", "cmdTri2", "cmdTri3", "cmdTri4", "cmdTriForm", "cmdTriCalc",
                                  "cmdTriClear", "txtA", "txtB", "txtsa", "txtsb", "txtsc"};
    QStringList order;
    QWidget* widget = control("cmdTri1");
    do {
        if (expected.contains(widget->objectName()))
            order.append(widget->objectName());
        widget = widget->nextInFocusChain();
    } while (widget != control("cmdTri1"));
    QCOMPARE(order, expected);
}

void tst_frmTriangle::switchingToolsKeepsWhatWasTyped()
{
    m_window.reset();
    TestSettings store;
    frmMain main(store.settings());
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QWidget* triangle = main.toolWindow(QStringLiteral("Angles"));
    auto* sideA = triangle->findChild<QLineEdit*>(QStringLiteral("txtsa"));
    QTest::keyClicks(sideA, QStringLiteral("12.5"));
    QTest::mouseClick(triangle->findChild<QPushButton*>(QStringLiteral("cmdTri3")), Qt::LeftButton);

    auto* toolBar = main.findChild<QToolBar*>(QStringLiteral("tbToolBar"));
    const auto press = [&](const char* key) {
        QTest::mouseClick(toolBar->widgetForAction(main.findChild<QAction*>(QLatin1String(key))), Qt::LeftButton);
    };
    press("Temperature");
    QVERIFY(!sideA->isVisible());
    press("Angles");
    QVERIFY(sideA->isVisible());
    QCOMPARE(sideA->text(), QStringLiteral("12.5"));
    QCOMPARE(sideA->pos(), Twips::point(7080, 3000));
}

void tst_frmTriangle::enterCalculatesAndLongResultsShowTheirStart()
{
    type("txtsa", "1234567890123.25");
    type("txtsb", "3");
    QTest::keyClick(box("txtsb"), Qt::Key_Return);
    QCOMPARE(box("txtsc")->text(), QStringLiteral("1234567890123.25"));
    QCOMPARE(box("txtsc")->cursorPosition(), 0);
    QCOMPARE(box("txtsc")->toolTip(), QStringLiteral("Distance c\n1234567890123.25"));
}

QTEST_MAIN(tst_frmTriangle)
#include "tst_frmTriangle.moc"
