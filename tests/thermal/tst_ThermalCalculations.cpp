#include "thermal/TemperatureConversion.h"
#include "thermal/ThermalExpansion.h"

#include <QTest>

using TemperatureConversion::Direction;
using ThermalExpansion::LengthUnit;

// The two calculations of the temperature window, from the texts of its boxes to the
// texts of its results.
class tst_ThermalCalculations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void conversion_data();
    void conversion();
    void conversionWithoutResult_data();
    void conversionWithoutResult();
    void conversionReadsAndWritesTheLocale();
    void expansion_data();
    void expansion();
    void expansionNeedsThreeNumbers_data();
    void expansionNeedsThreeNumbers();
    void expansionThatOverflowsIsNoResult();
    void expansionReadsAndWritesTheLocale();
};

void tst_ThermalCalculations::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void tst_ThermalCalculations::conversion_data()
{
    QTest::addColumn<QString>("temperature");
    QTest::addColumn<Direction>("direction");
    QTest::addColumn<QString>("result");

    const auto toC = Direction::FahrenheitToCentigrade;
    const auto toF = Direction::CentigradeToFahrenheit;
    QTest::newRow("boiling water") << "212" << toC << "100.00C";
    QTest::newRow("freezing water") << "32" << toC << "0.00C";
    QTest::newRow("-40 F is -40 C") << "-40" << toC << "-40.00C";
    QTest::newRow("-40 C is -40 F") << "-40" << toF << "-40.00F";
    QTest::newRow("100 C") << "100" << toF << "212.00F";
    QTest::newRow("0 C") << "0" << toF << "32.00F";
    QTest::newRow("body temperature") << "98.6" << toC << "37.00C";
    QTest::newRow("rounds to two decimals") << "33" << toC << "0.56C";
    QTest::newRow("just below freezing") << "31.99" << toC << "-0.01C";
    QTest::newRow("rounds to zero without a sign") << "31.995" << toC << "0.00C";
    QTest::newRow("surrounding blanks") << " 20 " << toF << "68.00F";
}

void tst_ThermalCalculations::conversion()
{
    QFETCH(QString, temperature);
    QFETCH(Direction, direction);
    QFETCH(QString, result);
    QCOMPARE(TemperatureConversion::resultText(temperature, direction), result);
}

void tst_ThermalCalculations::conversionWithoutResult_data()
{
    QTest::addColumn<QString>("temperature");
    QTest::newRow("empty") << "";
    QTest::newRow("word") << "warm";
    QTest::newRow("unit typed with it") << "212F";
    QTest::newRow("grouping") << "1,000";
    QTest::newRow("point alone") << ".";
    QTest::newRow("overflows") << "9e307";
    QTest::newRow("overflows at the limit") << "1e308";
}

void tst_ThermalCalculations::conversionWithoutResult()
{
    QFETCH(QString, temperature);
    QVERIFY(!TemperatureConversion::resultText(temperature, Direction::FahrenheitToCentigrade));
    QVERIFY(!TemperatureConversion::resultText(temperature, Direction::CentigradeToFahrenheit));
}

void tst_ThermalCalculations::conversionReadsAndWritesTheLocale()
{
    const QLocale german(QLocale::German, QLocale::Germany);
    QCOMPARE(TemperatureConversion::resultText(QStringLiteral("37,5"),
                                               Direction::CentigradeToFahrenheit, german),
             QStringLiteral("99,50F"));
    QVERIFY(!TemperatureConversion::resultText(QStringLiteral("37.5"),
                                               Direction::CentigradeToFahrenheit, german));
}

void tst_ThermalCalculations::expansion_data()
{
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("coefficient");
    QTest::addColumn<QString>("change");
    QTest::addColumn<LengthUnit>("unit");
    QTest::addColumn<QString>("expansion");
    QTest::addColumn<QString>("newSize");

    const auto mm = LengthUnit::Millimetre;
    const auto in = LengthUnit::Inch;
    QTest::newRow("steel example, mm") << "100"
                                       << "13.0"
                                       << "10" << mm << "0.01300"
                                       << "100.01300";
    QTest::newRow("same in inches: four decimals") << "100"
                                                   << "13.0"
                                                   << "10" << in << "0.0130"
                                                   << "100.0130";
    QTest::newRow("cooling shrinks the part") << "100"
                                              << "13.0"
                                              << "-10" << mm << "-0.01300"
                                              << "99.98700";
    QTest::newRow("no temperature change") << "25.4"
                                           << "22.2"
                                           << "0" << mm << "0.00000"
                                           << "25.40000";
    QTest::newRow("aluminium bore, inches") << "2.5"
                                            << "12.3"
                                            << "18" << in << "0.0006"
                                            << "2.5006";
    QTest::newRow("long steel bar, mm") << "1250"
                                        << "13.0"
                                        << "7.5" << mm << "0.12188"
                                        << "1250.12188";
    QTest::newRow("rounds half away from zero") << "10"
                                                << "5"
                                                << "1" << in << "0.0001"
                                                << "10.0001";
}

void tst_ThermalCalculations::expansion()
{
    QFETCH(QString, size);
    QFETCH(QString, coefficient);
    QFETCH(QString, change);
    QFETCH(LengthUnit, unit);
    QFETCH(QString, expansion);
    QFETCH(QString, newSize);

    const auto result = ThermalExpansion::resultText(size, coefficient, change, unit);
    QVERIFY(result);
    QCOMPARE(result->expansion, expansion);
    QCOMPARE(result->newSize, newSize);
}

void tst_ThermalCalculations::expansionNeedsThreeNumbers_data()
{
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("coefficient");
    QTest::addColumn<QString>("change");

    QTest::newRow("empty coefficient") << "100"
                                       << ""
                                       << "10";
    QTest::newRow("empty change") << "100"
                                  << "13.0"
                                  << "";
    QTest::newRow("empty size") << ""
                                << "13.0"
                                << "10";
    QTest::newRow("word as coefficient") << "100"
                                         << "steel"
                                         << "10";
    QTest::newRow("unit typed with the change") << "100"
                                                << "13.0"
                                                << "10F";
    QTest::newRow("two points in the size") << "1.0.0"
                                            << "13.0"
                                            << "10";
}

void tst_ThermalCalculations::expansionNeedsThreeNumbers()
{
    QFETCH(QString, size);
    QFETCH(QString, coefficient);
    QFETCH(QString, change);
    QVERIFY(!ThermalExpansion::resultText(size, coefficient, change, LengthUnit::Millimetre));
}

void tst_ThermalCalculations::expansionThatOverflowsIsNoResult()
{
    QVERIFY(!ThermalExpansion::resultText(QStringLiteral("1e300"), QStringLiteral("1e300"),
                                          QStringLiteral("1e300"), LengthUnit::Inch));
}

void tst_ThermalCalculations::expansionReadsAndWritesTheLocale()
{
    const QLocale german(QLocale::German, QLocale::Germany);
    const auto result =
        ThermalExpansion::resultText(QStringLiteral("100"), QStringLiteral("13,0"),
                                     QStringLiteral("10"), LengthUnit::Millimetre, german);
    QVERIFY(result);
    QCOMPARE(result->expansion, QStringLiteral("0,01300"));
    QCOMPARE(result->newSize, QStringLiteral("100,01300"));
}

QTEST_APPLESS_MAIN(tst_ThermalCalculations)
#include "tst_ThermalCalculations.moc"
