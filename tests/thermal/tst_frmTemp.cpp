#include "thermal/frmTemp.h"

#include "TwipPlacement.h"
#include "WindowDriver.h"
#include "common/Twips.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

using namespace WindowDriver;

// The temperature window's wiring: each handler reads its boxes, calls the logic (whose
// rules have their own tests) and writes the right controls.
class tst_frmTemp : public QObject
{
    Q_OBJECT

private slots:
    void startState();
    void placement();
    void handlers_data();
    void handlers();
};

void tst_frmTemp::startState()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const frmTemp window;
    QCOMPARE(control<QTabWidget>(window, "SSTab1")->tabText(0),
             QStringLiteral("Thermal Expansion"));
    for (const char* selected : {"optFTC", "optmuin", "opttuf"})
        QVERIFY2(control<QRadioButton>(window, selected)->isChecked(), selected);
    QCOMPARE(control<QComboBox>(window, "cmbMaterial")->count(), 39);
    const QString start = "cmbMaterial=ABS thermoplastic; txtMat=55; Label6=ppm/deg. F; txtTemp=; "
                          "txtDistance=; txtTempChange=; txtCOE=; lblFootnote=Expansion "
                          "calculations are approximations, actual results may vary. ";
    QCOMPARE(shown(window, start), start);
    QVERIFY(!control<QToolButton>(window, "cmdXfer")->icon().isNull());
    for (const char* result : {"txtMat", "lblConResult", "lblExp", "lblNew"}) {
        const QPalette look = control<QLineEdit>(window, result)->palette();
        QVERIFY2(look.color(QPalette::Base) == look.color(QPalette::Window), result);
    }
    QCOMPARE(window.focusProxy(), control(window, "txtTemp"));
}

void tst_frmTemp::placement()
{
    const frmTemp window;
    QCOMPARE(control(window, "Picture1")->size(), Twips::size(10575, 6975));
    const std::initializer_list<TwipPlacement> design = {
        {"Frame1", 120, 120, 10335, 6735},        {"SSTab1", 120, 120, 10095, 6495},
        {"lblFootnote", 120, 5730, 9780, 255},    {"optFTC", 240, 300, 6600, 285},
        {"optCTF", 240, 600, 6600, 285},          {"txtTemp", 1500, 1020, 1335, 315},
        {"lblConResult", 3900, 1020, 1695, 315},  {"cmdTCConvert", 7920, 300, 1620, 420},
        {"cmdTCClear", 7920, 840, 1620, 420},     {"cmbMaterial", 180, 390, 3000, 315},
        {"txtMat", 4080, 390, 1200, 315},         {"cmdXfer", 4620, 1380, 600, 420},
        {"txtCOE", 4320, 1980, 1200, 315},        {"Label6", 5580, 2010, 1200, 255},
        {"txtTempChange", 4320, 2460, 1200, 315}, {"txtDistance", 4320, 2940, 1200, 315},
        {"optmumm", 240, 270, 960, 255},          {"optmuin", 1320, 270, 960, 255},
        {"opttuf", 240, 270, 2160, 255},          {"opttuc", 240, 540, 2160, 255},
        {"lblExp", 6960, 2220, 2580, 315},        {"lblNew", 6960, 2880, 2580, 315},
        {"cmdCEcalc", 6960, 3300, 1230, 420},     {"cmdCEclear", 8310, 3300, 1230, 420},
    };
    const QString misplaced = misplacedControls(window, design);
    QVERIFY2(misplaced.isEmpty(), qPrintable(misplaced));
}

void tst_frmTemp::handlers_data()
{
    // The steps a user takes (WindowDriver::perform), then what the controls show.
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("expected");

    const QString steel = "cmbMaterial=Steel; opttuc; cmdXfer; txtTempChange=10; txtDistance=100";
    const auto row = [](const char* name, const QString& steps, const char* expected,
                        const char* locale = "en_US") {
        QTest::newRow(name) << locale << steps << expected;
    };
    row("convert", "txtTemp=212; cmdTCConvert", "lblConResult=100.00C");
    row("Enter converts the other way", "optCTF; txtTemp=100\r", "lblConResult=212.00F");
    row("a word leaves the result", "txtTemp=212; cmdTCConvert; txtTemp=hot; cmdTCConvert",
        "lblConResult=100.00C");
    row("clear the conversion", "txtTemp=212; cmdTCConvert; cmdTCClear", "txtTemp=; lblConResult=");
    row("the degree unit shows, the transferred figure stays", "cmbMaterial=Gold; cmdXfer; opttuc",
        "txtMat=14.2; Label6=ppm/deg. C; txtCOE=8.2");
    row("back to Fahrenheit", "opttuc; opttuf", "txtMat=55; Label6=ppm/deg. F");
    row("no material selected", "cmbMaterial=", "txtMat=55.0");
    row("calculate in mm", steel + "; optmumm; cmdCEcalc",
        "txtCOE=13.0; lblExp=0.01300; lblNew=100.01300");
    row("Enter calculates in inches", "txtCOE=13.0; txtTempChange=10; txtDistance=100\r",
        "lblExp=0.0130; lblNew=100.0130");
    row("a chosen material is not the coefficient",
        "cmbMaterial=Steel; txtTempChange=10; txtDistance=100; cmdCEcalc", "lblExp=; lblNew=");
    row("a word leaves the expansion", steel + "; cmdCEcalc; txtDistance=12x; cmdCEcalc",
        "lblExp=0.0130");
    row("clear the expansion", steel + "; cmdCEcalc; cmdCEclear",
        "lblExp=; lblNew=; txtTempChange=; txtDistance=; txtCOE=13.0; cmbMaterial=Steel");
    row("a transferred figure reads back in the user's locale", steel + "; cmdCEcalc",
        "txtCOE=13,0; lblNew=100,0130", "de_DE");
}

void tst_frmTemp::handlers()
{
    QFETCH(QString, locale);
    QFETCH(QString, steps);
    QFETCH(QString, expected);

    QLocale::setDefault(QLocale(locale));
    frmTemp window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    perform(window, steps);
    QCOMPARE(shown(window, expected), expected);
}

QTEST_MAIN(tst_frmTemp)
#include "tst_frmTemp.moc"
