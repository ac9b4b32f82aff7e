#include "frame/CalculatorFrame.h"
#include "frame/ResultBox.h"

#include "TwipPlacement.h"
#include "common/Twips.h"

#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

// The frame's layout landing on real widgets (15 twips to a pixel), the bars moving the
// panel, and the result boxes every framed tool uses.
class tst_CalculatorFrame : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void layoutPlacesPanelBarsAndCorner();
    void barsMoveThePanel();
    void resizeWhileScrolledKeepsBarAndPanelTogether();
    void minimisedMainWindowChangesNothing();
    void wheelScrollsThePanel();
    void resultBoxIsReadOnlyAndGrey();
    void writtenTextShowsItsStart_data();
    void writtenTextShowsItsStart();

private:
    QWidget* m_window = nullptr;
    CalculatorFrame* m_frame = nullptr;

    QWidget* picture() const { return m_frame->findChild<QWidget*>(QStringLiteral("Picture1")); }
    QScrollBar* bar(const char* name) const { return m_frame->findChild<QScrollBar*>(name); }
    QString visibleParts() const
    {
        QStringList shown;
        for (const char* name : {"HScroll1", "VScroll1", "shape1"})
            if (m_frame->findChild<QWidget*>(name)->isVisible())
                shown.append(QLatin1String(name));
        return shown.join(QLatin1Char(' '));
    }
};

void tst_CalculatorFrame::init()
{
    m_window = new QWidget;
    m_frame = new CalculatorFrame(10575, 6975, m_window);
    m_window->resize(1200, 800);
    m_frame->resize(1000, 620);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void tst_CalculatorFrame::cleanup()
{
    delete m_window;
}

void tst_CalculatorFrame::layoutPlacesPanelBarsAndCorner()
{
    // 15000 x 9300 twips: the panel fits, centred.
    QString misplaced = misplacedControls(*m_frame, {{"Picture1", 2212.5, 1162.5, 10575, 6975}});
    QVERIFY2(misplaced.isEmpty(), qPrintable(misplaced));
    QCOMPARE(visibleParts(), QString());

    m_frame->resize(600, 300); // 9000 x 4500 twips: both bars, 255 twips thick
    misplaced = misplacedControls(*m_frame, {
                                                {"Picture1", 0, 0, 10575, 6975},
                                                {"HScroll1", 0, 4500 - 255, 9000 - 255, 255},
                                                {"VScroll1", 9000 - 255, 0, 255, 4500 - 255},
                                                {"shape1", 9000 - 255, 4500 - 255, 255, 255},
                                            });
    QVERIFY2(misplaced.isEmpty(), qPrintable(misplaced));
    QCOMPARE(visibleParts(), QStringLiteral("HScroll1 VScroll1 shape1"));
    // The range in twips, a tenth and a hundredth of the panel a step; the panel follows
    // a thumb only when it is let go.
    const QList<std::tuple<const char*, int, int, int>> ranges{
        {"HScroll1", 10575 - 9000, 1058, 106}, {"VScroll1", 6975 - 4500, 698, 70}};
    for (const auto& [name, maximum, pageStep, singleStep] : ranges) {
        QCOMPARE(bar(name)->maximum(), maximum);
        QCOMPARE(bar(name)->pageStep(), pageStep);
        QCOMPARE(bar(name)->singleStep(), singleStep);
        QVERIFY(!bar(name)->hasTracking());
    }
}

void tst_CalculatorFrame::barsMoveThePanel()
{
    m_frame->resize(600, 400);
    bar("HScroll1")->setValue(900);
    QCOMPARE(picture()->pos(), QPoint(-60, 0));
    bar("VScroll1")->setValue(450);
    QCOMPARE(picture()->pos(), QPoint(-60, -30));
}

void tst_CalculatorFrame::resizeWhileScrolledKeepsBarAndPanelTogether()
{
    m_frame->resize(600, 300);
    bar("VScroll1")->setValue(bar("VScroll1")->maximum());
    m_frame->resize(1000, 300); // wider: the range stays
    QCOMPARE(picture()->y(), -Twips::toPixels(6975 - 4500));
    m_frame->resize(1000, 400); // taller: the range shrinks, the value with it
    QCOMPARE(bar("VScroll1")->value(), 6975 - 6000);
    QCOMPARE(picture()->y(), -Twips::toPixels(6975 - 6000));
    m_frame->resize(1000, 620); // the panel fits: the hidden bar keeps its value
    QCOMPARE(visibleParts(), QString());
    QCOMPARE(bar("VScroll1")->value(), 6975 - 6000);
}

void tst_CalculatorFrame::minimisedMainWindowChangesNothing()
{
    const QPoint before = picture()->pos();
    m_window->setWindowState(Qt::WindowMinimized);
    m_frame->resize(300, 200);
    QCOMPARE(picture()->pos(), before);
    QCOMPARE(visibleParts(), QString());
}

void tst_CalculatorFrame::wheelScrollsThePanel()
{
    m_frame->resize(600, 400);
    const int lines = QApplication::wheelScrollLines();
    for (const auto modifiers : {Qt::NoModifier, Qt::ShiftModifier}) {
        QWheelEvent notchDown(QPointF(9, 9), QPointF(9, 9), QPoint(), QPoint(0, -120), Qt::NoButton,
                              modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(m_frame, &notchDown);
    }
    QCOMPARE(bar("VScroll1")->value(), lines * bar("VScroll1")->singleStep());
    QCOMPARE(bar("HScroll1")->value(), lines * bar("HScroll1")->singleStep());
    QCOMPARE(picture()->pos(), -Twips::point(bar("HScroll1")->value(), bar("VScroll1")->value()));
}

void tst_CalculatorFrame::resultBoxIsReadOnlyAndGrey()
{
    ResultBox result;
    QVERIFY(result.isReadOnly());
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        QCOMPARE(result.palette().color(group, QPalette::Base),
                 result.palette().color(group, QPalette::Window));
}

void tst_CalculatorFrame::writtenTextShowsItsStart_data()
{
    QTest::addColumn<QString>("ownTip");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("typed");
    QTest::addColumn<QString>("toolTip");

    const QString wide = QStringLiteral("1234567890123.25");
    QTest::newRow("fits: the box's own tip") << "Distance c"
                                             << "12.5" << false << "Distance c";
    QTest::newRow("wider: the tip adds the whole text")
        << "Distance c" << wide << false << "Distance c\n" + wide;
    QTest::newRow("wider, no tip of its own") << "" << wide << false << wide;
    QTest::newRow("typed: the cursor stays where the user typed") << "" << wide << true << wide;
}

void tst_CalculatorFrame::writtenTextShowsItsStart()
{
    QFETCH(QString, ownTip);
    QFETCH(QString, text);
    QFETCH(bool, typed);
    QFETCH(QString, toolTip);
    QLineEdit box;
    box.setFixedWidth(60);
    box.setToolTip(ownTip);
    ResultBox::showWrittenTextFromItsStart(&box);
    box.show();
    if (typed)
        QTest::keyClicks(&box, text);
    else
        box.setText(text);
    QCOMPARE(box.cursorPosition(), typed ? text.size() : 0);
    QCOMPARE(box.toolTip(), toolTip);
}

QTEST_MAIN(tst_CalculatorFrame)
#include "tst_CalculatorFrame.moc"
