#include "thermal/frmTemp.h"

#include "frame/ResultBox.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include <memory>

// The temperature window driven through its own controls, as a user works it.
class tst_frmTemp : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void startState();
    void conversion_data();
    void conversion();
    void nonNumericTemperatureLeavesTheResult();
    void clearEmptiesTheConversion();
    void workedExample_data();
    void workedExample();
    void degreeUnitChangesTheShownCoefficientButNotTheTransferredOne();
    void emptyCoefficientStopsTheCalculation();
    void nonNumericInputLeavesEveryResult_data();
    void nonNumericInputLeavesEveryResult();
    void clearEmptiesTheExpansionButKeepsTheCoefficient();
    void noSelectionRewritesTheCoefficientWithOneDecimal();
    void transferredCoefficientCalculatesInTheUserLocale();
    void enterRunsTheActionTheBoxFeeds();

private:
    std::unique_ptr<frmTemp> m_window;

    template <typename Control> Control* control(const char* name) const
    {
        auto* found = m_window->findChild<Control*>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QString text(const char* name) const;
    void type(const char* box, const QString& text);
    void click(const char* button);
    void select(const char* option);
    void chooseMaterial(const QString& name);
    void calculateSteelExample(const char* lengthUnit, const QString& temperatureChange);
};

void tst_frmTemp::init()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    m_window = std::make_unique<frmTemp>();
    m_window->resize(800, 560);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void tst_frmTemp::cleanup()
{
    m_window.reset();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

QString tst_frmTemp::text(const char* name) const
{
    if (auto* box = m_window->findChild<QLineEdit*>(QLatin1String(name)))
        return box->text();
    return control<QLabel>(name)->text();
}

void tst_frmTemp::type(const char* box, const QString& text)
{
    auto* edit = control<QLineEdit>(box);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

void tst_frmTemp::click(const char* button)
{
    auto* widget = control<QAbstractButton>(button);
    QVERIFY(widget->isVisible());
    QTest::mouseClick(widget, Qt::LeftButton);
}

void tst_frmTemp::select(const char* option)
{
    // On the round indicator, which every option button's click area holds.
    auto* button = control<QRadioButton>(option);
    QVERIFY(button->isVisible());
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    QVERIFY(button->isChecked());
}

void tst_frmTemp::chooseMaterial(const QString& name)
{
    auto* list = control<QComboBox>("cmbMaterial");
    const int index = list->findText(name);
    QVERIFY(index >= 0);
    list->setCurrentIndex(index);
}

void tst_frmTemp::calculateSteelExample(const char* lengthUnit, const QString& temperatureChange)
{
    chooseMaterial(QStringLiteral("Steel"));
    select("opttuc");
    click("cmdXfer");
    type("txtTempChange", temperatureChange);
    type("txtDistance", QStringLiteral("100"));
    select(lengthUnit);
    click("cmdCEcalc");
}

void tst_frmTemp::startState()
{
    auto* tabs = control<QTabWidget>("SSTab1");
    QCOMPARE(tabs->count(), 1);
    QCOMPARE(tabs->tabText(0), QStringLiteral("Thermal Expansion"));
    QVERIFY(control<QRadioButton>("optFTC")->isChecked());
    QVERIFY(control<QRadioButton>("optmuin")->isChecked());
    QVERIFY(control<QRadioButton>("opttuf")->isChecked());
    QVERIFY(!control<QRadioButton>("optCTF")->isChecked());
    QVERIFY(!control<QRadioButton>("optmumm")->isChecked());
    QVERIFY(!control<QRadioButton>("opttuc")->isChecked());

    auto* list = control<QComboBox>("cmbMaterial");
    QCOMPARE(list->count(), 39);
    QCOMPARE(list->currentIndex(), 0);
    QCOMPARE(list->currentText(), QStringLiteral("ABS thermoplastic"));
    QCOMPARE(list->itemText(12), QStringLiteral("Glass, Pyrex"));
    QCOMPARE(list->itemText(13), QStringLiteral("Glass, plate"));
    QCOMPARE(text("txtMat"), QStringLiteral("55"));
    QCOMPARE(text("Label6"), QStringLiteral("ppm/deg. F"));
    for (const char* name :
         {"txtTemp", "txtDistance", "txtTempChange", "txtCOE", "lblConResult", "lblExp", "lblNew"})
        QVERIFY2(text(name).isEmpty(), name);
    QCOMPARE(
        text("lblFootnote"),
        QStringLiteral("Expansion calculations are approximations, actual results may vary. "));
    QVERIFY(!control<QToolButton>("cmdXfer")->icon().isNull());
    for (const char* name : {"txtMat", "lblConResult", "lblExp", "lblNew"}) {
        const QPalette look = control<ResultBox>(name)->palette();
        QVERIFY2(look.color(QPalette::Base) == look.color(QPalette::Window), name);
    }
}

void tst_frmTemp::conversion_data()
{
    QTest::addColumn<QString>("direction");
    QTest::addColumn<QString>("temperature");
    QTest::addColumn<QString>("result");

    QTest::newRow("212 F") << "optFTC"
                           << "212"
                           << "100.00C";
    QTest::newRow("32 F") << "optFTC"
                          << "32"
                          << "0.00C";
    QTest::newRow("-40 F") << "optFTC"
                           << "-40"
                           << "-40.00C";
    QTest::newRow("-40 C") << "optCTF"
                           << "-40"
                           << "-40.00F";
    QTest::newRow("100 C") << "optCTF"
                           << "100"
                           << "212.00F";
}

void tst_frmTemp::conversion()
{
    QFETCH(QString, direction);
    QFETCH(QString, temperature);
    QFETCH(QString, result);

    select(direction.toLatin1().constData());
    type("txtTemp", temperature);
    click("cmdTCConvert");
    QCOMPARE(text("lblConResult"), result);
}

void tst_frmTemp::nonNumericTemperatureLeavesTheResult()
{
    type("txtTemp", QStringLiteral("212"));
    click("cmdTCConvert");
    type("txtTemp", QStringLiteral("hot"));
    click("cmdTCConvert");
    QCOMPARE(text("lblConResult"), QStringLiteral("100.00C"));
    QCOMPARE(text("txtTemp"), QStringLiteral("hot"));
}

void tst_frmTemp::clearEmptiesTheConversion()
{
    type("txtTemp", QStringLiteral("212"));
    click("cmdTCConvert");
    click("cmdTCClear");
    QVERIFY(text("txtTemp").isEmpty());
    QVERIFY(text("lblConResult").isEmpty());
}

void tst_frmTemp::workedExample_data()
{
    QTest::addColumn<QString>("lengthUnit");
    QTest::addColumn<QString>("temperatureChange");
    QTest::addColumn<QString>("expansion");
    QTest::addColumn<QString>("newSize");

    QTest::newRow("mm: five decimals") << "optmumm"
                                       << "10"
                                       << "0.01300"
                                       << "100.01300";
    QTest::newRow("in: four decimals") << "optmuin"
                                       << "10"
                                       << "0.0130"
                                       << "100.0130";
    QTest::newRow("cooling") << "optmumm"
                             << "-10"
                             << "-0.01300"
                             << "99.98700";
}

void tst_frmTemp::workedExample()
{
    QFETCH(QString, lengthUnit);
    QFETCH(QString, temperatureChange);
    QFETCH(QString, expansion);
    QFETCH(QString, newSize);

    calculateSteelExample(lengthUnit.toLatin1().constData(), temperatureChange);
    QCOMPARE(text("txtCOE"), QStringLiteral("13.0"));
    QCOMPARE(text("lblExp"), expansion);
    QCOMPARE(text("lblNew"), newSize);
}

void tst_frmTemp::degreeUnitChangesTheShownCoefficientButNotTheTransferredOne()
{
    chooseMaterial(QStringLiteral("Gold"));
    QCOMPARE(text("txtMat"), QStringLiteral("8.2"));
    click("cmdXfer");
    QCOMPARE(text("txtCOE"), QStringLiteral("8.2"));

    select("opttuc");
    QCOMPARE(text("txtMat"), QStringLiteral("14.2"));
    QCOMPARE(text("Label6"), QStringLiteral("ppm/deg. C"));
    QCOMPARE(text("txtCOE"), QStringLiteral("8.2"));

    select("opttuf");
    QCOMPARE(text("txtMat"), QStringLiteral("8.2"));
    QCOMPARE(text("Label6"), QStringLiteral("ppm/deg. F"));
    QCOMPARE(text("txtCOE"), QStringLiteral("8.2"));
}

void tst_frmTemp::emptyCoefficientStopsTheCalculation()
{
    chooseMaterial(QStringLiteral("Steel"));
    type("txtTempChange", QStringLiteral("10"));
    type("txtDistance", QStringLiteral("100"));
    click("cmdCEcalc");
    QVERIFY(!text("txtMat").isEmpty());
    QVERIFY(text("lblExp").isEmpty());
    QVERIFY(text("lblNew").isEmpty());
}

void tst_frmTemp::nonNumericInputLeavesEveryResult_data()
{
    QTest::addColumn<QString>("box");
    QTest::newRow("coefficient") << "txtCOE";
    QTest::newRow("temperature change") << "txtTempChange";
    QTest::newRow("distance") << "txtDistance";
}

void tst_frmTemp::nonNumericInputLeavesEveryResult()
{
    QFETCH(QString, box);

    calculateSteelExample("optmumm", QStringLiteral("10"));
    type("txtTemp", QStringLiteral("212"));
    click("cmdTCConvert");

    type(box.toLatin1().constData(), QStringLiteral("12x"));
    type("txtTemp", QStringLiteral("12x"));
    click("cmdCEcalc");
    click("cmdTCConvert");
    QCOMPARE(text("lblExp"), QStringLiteral("0.01300"));
    QCOMPARE(text("lblNew"), QStringLiteral("100.01300"));
    QCOMPARE(text("lblConResult"), QStringLiteral("100.00C"));
}

void tst_frmTemp::clearEmptiesTheExpansionButKeepsTheCoefficient()
{
    calculateSteelExample("optmumm", QStringLiteral("10"));
    click("cmdCEclear");
    for (const char* name : {"lblExp", "lblNew", "txtTempChange", "txtDistance"})
        QVERIFY2(text(name).isEmpty(), name);
    QCOMPARE(text("txtCOE"), QStringLiteral("13.0"));
    QCOMPARE(control<QComboBox>("cmbMaterial")->currentText(), QStringLiteral("Steel"));
    QCOMPARE(text("txtMat"), QStringLiteral("13.0"));
}

void tst_frmTemp::noSelectionRewritesTheCoefficientWithOneDecimal()
{
    control<QComboBox>("cmbMaterial")->setCurrentIndex(-1);
    QCOMPARE(text("txtMat"), QStringLiteral("55.0"));
}

void tst_frmTemp::transferredCoefficientCalculatesInTheUserLocale()
{
    m_window.reset();
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    m_window = std::make_unique<frmTemp>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));

    calculateSteelExample("optmumm", QStringLiteral("10"));
    QCOMPARE(text("txtMat"), QStringLiteral("13,0"));
    QCOMPARE(text("txtCOE"), QStringLiteral("13,0"));
    QCOMPARE(text("lblExp"), QStringLiteral("0,01300"));
    QCOMPARE(text("lblNew"), QStringLiteral("100,01300"));
}

void tst_frmTemp::enterRunsTheActionTheBoxFeeds()
{
    type("txtTemp", QStringLiteral("212"));
    QTest::keyClick(control<QLineEdit>("txtTemp"), Qt::Key_Return);
    QCOMPARE(text("lblConResult"), QStringLiteral("100.00C"));
}

QTEST_MAIN(tst_frmTemp)
#include "tst_frmTemp.moc"
