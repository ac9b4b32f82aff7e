#include "thermal/frmTemp.h"

#include "WindowDriver.h"

#include <QTest>

using namespace WindowDriver;

// The temperature window's wiring: each handler reads its boxes, calls the logic (whose
// rules have their own tests) and writes the right controls.
class tst_frmTemp : public QObject
{
    Q_OBJECT

private slots:
    void handlers_data()
    {
        // The steps a user takes (WindowDriver::perform), then what the controls show.
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("expected");

        const QString steel =
            "cmbMaterial=Steel; opttuc; cmdXfer; txtTempChange=10; txtDistance=100";
        const auto row = [](const char* name, const QString& steps, const char* expected,
                            const char* locale = "en_US") {
            QTest::newRow(name) << locale << steps << expected;
        };
        row("convert", "txtTemp=212; cmdTCConvert", "lblConResult=100.00C");
        row("Enter converts the other way", "optCTF; txtTemp=100\r", "lblConResult=212.00F");
        row("a word leaves the result", "txtTemp=212; cmdTCConvert; txtTemp=hot; cmdTCConvert",
            "lblConResult=100.00C");
        row("clear the conversion", "txtTemp=212; cmdTCConvert; cmdTCClear",
            "txtTemp=; lblConResult=");
        row("the degree unit shows, the transferred figure stays",
            "cmbMaterial=Gold; cmdXfer; opttuc", "txtMat=14.2; Label6=ppm/deg. C; txtCOE=8.2");
        row("back to Fahrenheit", "opttuc; opttuf", "txtMat=55; Label6=ppm/deg. F");
        row("calculate in mm", steel + "; optmumm; cmdCEcalc",
            "txtCOE=13.0; lblExp=0.01300; lblNew=100.01300");
        row("Enter calculates in inches", "txtCOE=13.0; txtTempChange=10; txtDistance=100\r",
            "lblExp=0.0130; lblNew=100.0130");
        row("clear the expansion", steel + "; cmdCEcalc; cmdCEclear",
            "lblExp=; lblNew=; txtTempChange=; txtDistance=; txtCOE=13.0; cmbMaterial=Steel");
        row("a transferred figure reads back in the user's locale", steel + "; cmdCEcalc",
            "txtCOE=13,0; lblNew=100,0130", "de_DE");
    }

    void handlers()
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
};

QTEST_MAIN(tst_frmTemp)
#include "tst_frmTemp.moc"
