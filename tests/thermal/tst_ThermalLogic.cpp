#include "thermal/MaterialTable.h"
#include "thermal/TemperatureConversion.h"
#include "thermal/ThermalExpansion.h"

#include <QTest>

using MaterialTable::DegreeUnit;
using TemperatureConversion::Direction;
using ThermalExpansion::LengthUnit;

// The temperature window's rules, from the texts of its boxes to the texts it shows.
class tst_ThermalLogic : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void conversion_data()
    {
        QTest::addColumn<QString>("temperature");
        QTest::addColumn<Direction>("direction");
        QTest::addColumn<QString>("result"); // empty: no result

        const auto toC = Direction::FahrenheitToCentigrade;
        const auto toF = Direction::CentigradeToFahrenheit;
        QTest::newRow("boiling water") << "212" << toC << "100.00C";
        QTest::newRow("100 C") << "100" << toF << "212.00F";
        QTest::newRow("rounds to two decimals") << "33" << toC << "0.56C";
        QTest::newRow("overflows to no number") << "9e307" << toF << "";
    }

    void conversion()
    {
        QFETCH(QString, temperature);
        QFETCH(Direction, direction);
        QFETCH(QString, result);
        QCOMPARE(TemperatureConversion::resultText(temperature, direction).value_or(QString()),
                 result);
    }

    void expansion_data()
    {
        QTest::addColumn<QString>("boxes"); // size|coefficient|change
        QTest::addColumn<LengthUnit>("unit");
        QTest::addColumn<QString>("shown"); // expansion|new size, empty: no result

        const auto mm = LengthUnit::Millimetre;
        const auto in = LengthUnit::Inch;
        QTest::newRow("steel example, mm: five decimals")
            << "100|13.0|10" << mm << "0.01300|100.01300";
        QTest::newRow("inches: four decimals") << "100|13.0|10" << in << "0.0130|100.0130";
        QTest::newRow("a box without a number") << "100||10" << mm << "";
        QTest::newRow("overflows") << "1e300|1e300|1e300" << in << "";
    }

    void expansion()
    {
        QFETCH(QString, boxes);
        QFETCH(LengthUnit, unit);
        QFETCH(QString, shown);
        const QStringList box = boxes.split(QLatin1Char('|'));
        const auto result = ThermalExpansion::resultText(box[0], box[1], box[2], unit);
        QCOMPARE(result ? result->expansion + QLatin1Char('|') + result->newSize : QString(),
                 shown);
    }

    // 39 materials in the handbook's order (not sorted), each with two numeric columns. Each
    // column summed with its row numbers as weights (a mistyped figure or a row out of place
    // changes it) gives the handbook's own total.
    void materialTable()
    {
        const QStringList names = MaterialTable::names();
        QCOMPARE(names.size(), 39);
        QCOMPARE(names.first(), QStringLiteral("ABS thermoplastic"));
        QCOMPARE(names.indexOf(QStringLiteral("Glass, Pyrex")) + 1,
                 names.indexOf(QStringLiteral("Glass, plate")));
        QCOMPARE(names.last(), QStringLiteral("Zinc"));
        for (const auto& [unit, weightedTotal] : {std::pair{DegreeUnit::Centigrade, 14027.93},
                                                  std::pair{DegreeUnit::Fahrenheit, 7793.21}}) {
            double total = 0;
            for (int row = 0; row < names.size(); ++row) {
                bool numeric = false;
                const QString text = MaterialTable::coefficientText(row, unit, QLocale::c());
                total += (row + 1) * text.toDouble(&numeric);
                QVERIFY2(numeric, qPrintable(names[row]));
            }
            QCOMPARE(qRound64(total * 100), qRound64(weightedTotal * 100));
        }
    }

    // The coefficient label shows the selected row's figure; with no row selected it rewrites
    // its own number with one decimal.
    void shownCoefficient()
    {
        for (const auto& [row, current, shown] :
             {std::tuple{14, "55", "8.2"}, {-1, "55", "55.0"}, {-1, "n/a", "n/a"}})
            QCOMPARE(MaterialTable::shownCoefficient(row, DegreeUnit::Fahrenheit, current),
                     QLatin1String(shown));
    }
};

QTEST_APPLESS_MAIN(tst_ThermalLogic)
#include "tst_ThermalLogic.moc"
