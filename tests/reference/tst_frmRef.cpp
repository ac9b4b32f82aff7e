#include "reference/frmRef.h"

#include "reference/GdtSymbols.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <memory>

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
    void refusedCalculateLeavesTheSweepRunning();
    void clearDuringASweepRedrawsTheDial();
    void angularErrorConvertsInDecimalMode();
    void clearAngularErrorEmptiesTheAngleBoxes();
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
    void select(const QString& option) { control<QRadioButton>(option)->click(); }
    int tickUntilTheSweepStops();
    bool sweptAt(double degrees) const;
    QImage drawing(const QString& picture) const { return control(picture)->grab().toImage(); }
};

namespace {

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

void tst_frmRef::init()
{
    m_window = std::make_unique<frmRef>();
    m_window->resize(800, 560);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

int tst_frmRef::tickUntilTheSweepStops()
{
    int ticks = 0;
    while (control<QTimer>("Timer1")->isActive() && ticks <= 400) {
        QMetaObject::invokeMethod(m_window.get(), "Timer1_Timer");
        ++ticks;
    }
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
    auto* tabs = control<QTabWidget>("SSTab1");
    QCOMPARE(tabs->currentIndex(), 0);
    QCOMPARE(tabs->tabText(0), QStringLiteral("GD && T Symbols"));
    auto* list = control<QComboBox>("cmbGDT");
    QCOMPARE(list->count(), GdtSymbols::symbolCount);
    QCOMPARE(list->currentText(), QStringLiteral("Diameter"));
    QCOMPARE(list->itemText(37), control("Image1_37")->toolTip());
    QCOMPARE(control<QPlainTextEdit>("txtGDT")->toPlainText(),
             GdtSymbols::symbols()[0].description);
    QCOMPARE(control("picIn")->property("picture"), control("Image1_0")->property("picture"));

    QVERIFY(control<QRadioButton>("optDMS")->isChecked());
    QVERIFY(!control<QLineEdit>("txtDegD")->isReadOnly());
    QVERIFY(control<QLineEdit>("txtDD")->isReadOnly());
    QVERIFY(control<QRadioButton>("optinTOmm")->isChecked());
    QVERIFY(!control<QTimer>("Timer1")->isActive());
    QVERIFY(sweptAt(0)); // the 12 o'clock mark of the dial
    QVERIFY(!sweptAt(90));
    for (int i = 0; i < 6; ++i)
        QVERIFY(control<QCheckBox>(QStringLiteral("Check1_%1").arg(i))->isChecked());
    const QImage sizes = drawing("Picture5");
    const QColor thousandth = sizes.pixelColor(
        int(sizes.width() / 2.0 + 0.45 * control<QFrame>("Picture5")->contentsRect().height()),
        sizes.height() / 2);
    QVERIFY2(thousandth.red() > 200 && thousandth.green() < 80, qPrintable(thousandth.name()));
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
    select(QStringLiteral("optDD"));
    select(option);
    for (const char* box :
         {"txtDegD", "txtDegM", "txtDegS", "txtCAH", "txtCAM", "txtCAS", "txtDD"}) {
        auto* edit = control<QLineEdit>(box);
        QCOMPARE(edit->isReadOnly(), !editable.contains(box));
        QCOMPARE(edit->palette().color(QPalette::Base) == Qt::white, editable.contains(box));
    }
}

void tst_frmRef::sweepRunsFromOneToTheTargetAndStops()
{
    select(QStringLiteral("optDD"));
    type(QStringLiteral("txtDD"), QStringLiteral("90"));
    click(QStringLiteral("cmdDegCalc"));
    QCOMPARE(text(QStringLiteral("txtCAH")), QStringLiteral("3"));
    QVERIFY(!sweptAt(45));
    QCOMPARE(tickUntilTheSweepStops(), 90);
    QVERIFY(sweptAt(2));
    QVERIFY(sweptAt(88));
    QVERIFY(!sweptAt(100));
}

void tst_frmRef::refusedCalculateLeavesTheSweepRunning()
{
    select(QStringLiteral("optDD"));
    type(QStringLiteral("txtDD"), QStringLiteral("90"));
    click(QStringLiteral("cmdDegCalc"));
    for (int tick = 0; tick < 10; ++tick)
        QMetaObject::invokeMethod(m_window.get(), "Timer1_Timer");
    type(QStringLiteral("txtDD"), QStringLiteral("400"));
    click(QStringLiteral("cmdDegCalc"));
    QCOMPARE(tickUntilTheSweepStops(), 80);
    QVERIFY(!sweptAt(5));
    QVERIFY(sweptAt(85));
}

void tst_frmRef::clearDuringASweepRedrawsTheDial()
{
    type(QStringLiteral("txtDegD"), QStringLiteral("90"));
    click(QStringLiteral("cmdDegCalc"));
    for (int tick = 0; tick < 50; ++tick)
        QMetaObject::invokeMethod(m_window.get(), "Timer1_Timer");
    QVERIFY(sweptAt(20));
    click(QStringLiteral("cmdDegClear"));
    QVERIFY(!sweptAt(20));
    for (const char* box : {"txtDegD", "txtDegM", "txtDegS", "txtCAH", "txtCAM", "txtCAS", "txtDD"})
        QVERIFY2(text(box).isEmpty(), box);
    QCOMPARE(tickUntilTheSweepStops(), 40);
    QVERIFY(sweptAt(70));
    QVERIFY(!sweptAt(20));
}

void tst_frmRef::angularErrorConvertsInDecimalMode()
{
    type(QStringLiteral("txtAEDist"), QStringLiteral("10"));
    type(QStringLiteral("txtAEerror"), QStringLiteral("10"));
    click(QStringLiteral("cmdAEcalc"));
    QCOMPARE(text(QStringLiteral("txtDD")), QStringLiteral("45.0"));
    QVERIFY(control<QRadioButton>("optDD")->isChecked());
    QVERIFY(control<QLineEdit>("txtDegD")->isReadOnly());
    QCOMPARE(text(QStringLiteral("txtDegD")), QStringLiteral("45"));
    QCOMPARE(tickUntilTheSweepStops(), 45);
}

void tst_frmRef::clearAngularErrorEmptiesTheAngleBoxes()
{
    type(QStringLiteral("txtAEDist"), QStringLiteral("10"));
    type(QStringLiteral("txtAEerror"), QStringLiteral("1"));
    type(QStringLiteral("txtDegD"), QStringLiteral("12"));
    click(QStringLiteral("cmdAEclear"));
    for (const char* box : {"txtAEDist", "txtAEerror", "txtDegD"})
        QVERIFY2(text(box).isEmpty(), box);
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
    QWidget* shown = control("picIn");
    QCOMPARE(shown->width(), 5 * shown->height());
    const QPoint middle = shown->geometry().center();
    const QWidget* frame = control("Picture3");
    QVERIFY(qAbs(middle.x() - frame->width() / 2) <= 1 &&
            qAbs(middle.y() - frame->height() / 2) <= 1);
}

void tst_frmRef::inchMillimetreCalculatesAndClears()
{
    auto* result = control<QLabel>("lblinmmResult");
    type(QStringLiteral("txtinmmDist"), QStringLiteral("1"));
    click(QStringLiteral("cmdinmmCalc"));
    QCOMPARE(result->text(), QStringLiteral("25.4"));
    select(QStringLiteral("optmmTOin"));
    click(QStringLiteral("cmdinmmCalc"));
    QCOMPARE(result->text(), QStringLiteral("0.0393701"));
    type(QStringLiteral("txtinmmDist"), QString());
    click(QStringLiteral("cmdinmmCalc"));
    QCOMPARE(result->text(), QStringLiteral("0.0393701"));
    type(QStringLiteral("txtinmmDist"), QStringLiteral("1"));
    click(QStringLiteral("cmdinmmClear"));
    QVERIFY(result->text().isEmpty());
    QVERIFY(text(QStringLiteral("txtinmmDist")).isEmpty());
}

void tst_frmRef::sizeButtonsWaitForPlot()
{
    const QImage before = drawing("Picture5");
    click(QStringLiteral("cmdPcall"));
    QVERIFY(!control<QCheckBox>("Check1_3")->isChecked());
    QCOMPARE(drawing("Picture5"), before);
    click(QStringLiteral("cmdPlot"));
    const QImage empty = drawing("Picture5");
    QVERIFY(isBlank(empty));
    click(QStringLiteral("cmdPsall"));
    QVERIFY(control<QCheckBox>("Check1_3")->isChecked());
    QCOMPARE(drawing("Picture5"), empty);
    click(QStringLiteral("cmdPlot"));
    QCOMPARE(drawing("Picture5"), before);
}

QTEST_MAIN(tst_frmRef)
#include "tst_frmRef.moc"
