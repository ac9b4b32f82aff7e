#include "reference/frmRef.h"

#include "reference/GdtSymbols.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <memory>

namespace {

const QStringList angleBoxes = {"txtDegD", "txtDegM", "txtDegS", "txtCAH",
                                "txtCAM",  "txtCAS",  "txtDD"};

// Whether a white picture box has nothing drawn inside its border.
bool isBlank(const QImage& picture)
{
    for (int y = 4; y < picture.height() - 4; ++y)
        for (int x = 4; x < picture.width() - 4; ++x)
            if (picture.pixelColor(x, y) != Qt::white)
                return false;
    return true;
}

} // namespace

// The reference window driven through its real controls: each handler is wired to its
// controls and to the logic (whose rules have their own tests). The sweep's timer is
// ticked by the test, never waited for.
class tst_frmRef : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void init();
    void cleanup() { m_window.reset(); }
    void startsReadyOnTheSymbols();
    void optionUnlocksItsRow_data();
    void optionUnlocksItsRow();
    void sweepRunsFromOneToTheTargetAndStops();
    void clearOrARefusedCalculateLeavesTheSweepRunning();
    void angularErrorConvertsInDecimalModeAndClears();
    void clickingASymbolShowsIt();
    void clickingTheWideFrameSelectsEntry37();
    void inchMillimetreCalculatesAndClears();
    void sizeButtonsWaitForPlot();

private:
    std::unique_ptr<frmRef> m_window;

    template <typename T = QWidget> T* control(const QString& name) const
    {
        auto* found = m_window->findChild<T*>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    QString text(const QString& box) const { return control<QLineEdit>(box)->text(); }
    void type(const QString& box, const QString& text) { control<QLineEdit>(box)->setText(text); }
    void click(const QString& name)
    {
        QTest::mouseClick(control<QAbstractButton>(name), Qt::LeftButton);
    }
    void tick(int times)
    {
        for (int i = 0; i < times; ++i)
            QMetaObject::invokeMethod(m_window.get(), "Timer1_Timer");
    }
    int tickUntilTheSweepStops();
    bool sweptAt(double degrees) const;
    QImage drawing(const QString& picture) const { return control(picture)->grab().toImage(); }
};

void tst_frmRef::init()
{
    m_window = std::make_unique<frmRef>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

int tst_frmRef::tickUntilTheSweepStops()
{
    int ticks = 0;
    for (; control<QTimer>("Timer1")->isActive() && ticks <= 400; ++ticks)
        tick(1);
    return ticks;
}

// Whether the dial shows a sweep line at the angle, halfway out.
bool tst_frmRef::sweptAt(double degrees) const
{
    const QImage dial = drawing("Picture4");
    const double radius = control<QFrame>("Picture4")->contentsRect().height() / 2.25;
    const double t = degrees * M_PI / 180;
    const QColor colour = dial.pixelColor(int(dial.width() / 2.0 + 0.6 * radius * std::sin(t)),
                                          int(dial.height() / 2.0 - 0.6 * radius * std::cos(t)));
    return colour.blue() > 200 && colour.red() < 60 && colour.green() < 60;
}

void tst_frmRef::startsReadyOnTheSymbols()
{
    QCOMPARE(control<QTabWidget>("SSTab1")->currentIndex(), 0);
    auto* list = control<QComboBox>("cmbGDT");
    QCOMPARE(list->count(), GdtSymbols::symbolCount);
    QCOMPARE(list->currentText(), QStringLiteral("Diameter"));
    QCOMPARE(control<QPlainTextEdit>("txtGDT")->toPlainText(),
             GdtSymbols::symbols()[0].description);
    QCOMPARE(control("picIn")->property("picture"), control("Image1_0")->property("picture"));
    QVERIFY(control<QLineEdit>("txtDD")->isReadOnly()); // optDMS_Click has run
    QVERIFY(sweptAt(0) && !sweptAt(90));                // the dial, without a sweep
}

void tst_frmRef::optionUnlocksItsRow_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QStringList>("editable");
    QTest::newRow("degrees") << "optDMS" << QStringList{"txtDegD", "txtDegM", "txtDegS"};
    QTest::newRow("clock") << "optCA" << QStringList{"txtCAH", "txtCAM", "txtCAS"};
    QTest::newRow("decimal") << "optDD" << QStringList{"txtDD"};
}

void tst_frmRef::optionUnlocksItsRow()
{
    QFETCH(QString, option);
    QFETCH(QStringList, editable);
    control<QRadioButton>("optCA")->click();
    control<QRadioButton>(option)->click();
    for (const QString& box : angleBoxes) {
        auto* edit = control<QLineEdit>(box);
        QCOMPARE(edit->isReadOnly(), !editable.contains(box));
        QCOMPARE(edit->palette().color(QPalette::Base) == Qt::white, editable.contains(box));
    }
}

void tst_frmRef::sweepRunsFromOneToTheTargetAndStops()
{
    type("txtDegD", "90");
    click("cmdDegCalc");
    QCOMPARE(text("txtCAH"), QStringLiteral("3"));
    QVERIFY(!sweptAt(45));
    QCOMPARE(tickUntilTheSweepStops(), 90);
    QVERIFY(sweptAt(2) && sweptAt(88) && !sweptAt(100));
}

void tst_frmRef::clearOrARefusedCalculateLeavesTheSweepRunning()
{
    type("txtDegD", "90");
    click("cmdDegCalc");
    tick(40);
    type("txtDegD", "400");
    click("cmdDegCalc");
    tick(10);
    QVERIFY(!sweptAt(20) && sweptAt(45));
    click("cmdDegClear");
    QVERIFY(!sweptAt(45));
    for (const QString& box : angleBoxes)
        QVERIFY2(text(box).isEmpty(), qPrintable(box));
    QCOMPARE(tickUntilTheSweepStops(), 40);
    QVERIFY(sweptAt(70) && !sweptAt(45));
}

void tst_frmRef::angularErrorConvertsInDecimalModeAndClears()
{
    type("txtAEDist", "10");
    type("txtAEerror", "10");
    click("cmdAEcalc");
    QCOMPARE(text("txtDD"), QStringLiteral("45.0"));
    QVERIFY(control<QRadioButton>("optDD")->isChecked());
    QVERIFY(control<QLineEdit>("txtDegD")->isReadOnly());
    QCOMPARE(text("txtDegD"), QStringLiteral("45"));
    QCOMPARE(tickUntilTheSweepStops(), 45);
    click("cmdAEclear");
    for (const char* box : {"txtAEDist", "txtAEerror", "txtDegD", "txtDD"})
        QVERIFY2(text(box).isEmpty(), box);
    QVERIFY(!sweptAt(20));
}

void tst_frmRef::clickingASymbolShowsIt()
{
    QTest::mouseClick(control("Image1_5"), Qt::LeftButton);
    QCOMPARE(control<QComboBox>("cmbGDT")->currentIndex(), 5);
    QCOMPARE(control<QPlainTextEdit>("txtGDT")->toPlainText(),
             QStringLiteral("The amount the points on a surface vary from each other."));
    QCOMPARE(control("picIn")->property("picture"), control("Image1_5")->property("picture"));
}

void tst_frmRef::clickingTheWideFrameSelectsEntry37()
{
    QWidget* wide = control("Image1_37");
    QWidget* onTop = wide->parentWidget()->childAt(wide->geometry().center());
    QCOMPARE(onTop->objectName(), QStringLiteral("lbl37"));
    QTest::mouseClick(onTop, Qt::LeftButton);
    QCOMPARE(control<QComboBox>("cmbGDT")->currentIndex(), 37);
    QCOMPARE(control<QPlainTextEdit>("txtGDT")->toPlainText(),
             GdtSymbols::symbols()[37].description);
    const QRect shown = control("picIn")->geometry();
    QCOMPARE(shown.width(), 5 * shown.height());
    const QWidget* frame = control("Picture3");
    QVERIFY(qAbs(shown.center().x() - frame->width() / 2) <= 1);
    QVERIFY(qAbs(shown.center().y() - frame->height() / 2) <= 1);
}

void tst_frmRef::inchMillimetreCalculatesAndClears()
{
    auto* result = control<QLabel>("lblinmmResult");
    type("txtinmmDist", "1");
    click("cmdinmmCalc");
    QCOMPARE(result->text(), QStringLiteral("25.4"));
    control<QRadioButton>("optmmTOin")->click();
    click("cmdinmmCalc");
    QCOMPARE(result->text(), QStringLiteral("0.0393701"));
    type("txtinmmDist", "");
    click("cmdinmmCalc");
    QCOMPARE(result->text(), QStringLiteral("0.0393701"));
    type("txtinmmDist", "1");
    click("cmdinmmClear");
    QVERIFY(result->text().isEmpty() && text("txtinmmDist").isEmpty());
}

void tst_frmRef::sizeButtonsWaitForPlot()
{
    const QImage allSix = drawing("Picture5");
    click("cmdPcall");
    QVERIFY(!control<QCheckBox>("Check1_3")->isChecked());
    QCOMPARE(drawing("Picture5"), allSix);
    click("cmdPlot");
    QVERIFY(isBlank(drawing("Picture5")));
    click("cmdPsall");
    QVERIFY(control<QCheckBox>("Check1_3")->isChecked());
    QVERIFY(isBlank(drawing("Picture5")));
    click("cmdPlot");
    QCOMPARE(drawing("Picture5"), allSix);
}

QTEST_MAIN(tst_frmRef)
#include "tst_frmRef.moc"
