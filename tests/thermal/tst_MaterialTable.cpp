#include "thermal/MaterialTable.h"

#include <QTest>

using MaterialTable::DegreeUnit;

// The material list and the coefficient texts the window shows from it.
class tst_MaterialTable : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void listKeepsTableOrder();
    void coefficients_data();
    void coefficients();
    void rowOutsideTheTableHasNoCoefficient_data();
    void rowOutsideTheTableHasNoCoefficient();
    void coefficientUsesTheLocaleDecimalSeparator();
    void noSelectionRewritesTheShownTextWithOneDecimal_data();
    void noSelectionRewritesTheShownTextWithOneDecimal();
    void selectionIgnoresTheShownText();
};

void tst_MaterialTable::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void tst_MaterialTable::listKeepsTableOrder()
{
    const QStringList names = MaterialTable::names();
    QCOMPARE(MaterialTable::count(), 39);
    QCOMPARE(names.size(), 39);
    QCOMPARE(names.first(), QStringLiteral("ABS thermoplastic"));
    QCOMPARE(names.last(), QStringLiteral("Zinc"));
    // Not sorted: "Glass, Pyrex" stands before "Glass, plate".
    QCOMPARE(names.indexOf(QStringLiteral("Glass, Pyrex")), 12);
    QCOMPARE(names.indexOf(QStringLiteral("Glass, plate")), 13);
    QStringList distinct = names;
    QCOMPARE(distinct.removeDuplicates(), 0);
}

void tst_MaterialTable::coefficients_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("perDegreeC");
    QTest::addColumn<QString>("perDegreeF");

    QTest::newRow("first") << 0 << "ABS thermoplastic"
                           << "99"
                           << "55";
    QTest::newRow("trailing zero kept") << 1 << "Alumina"
                                        << "5.4"
                                        << "3.0";
    QTest::newRow("whole number in one column only") << 10 << "CPVC thermoplastic"
                                                     << "61.2"
                                                     << "34";
    QTest::newRow("columns not derived by 1.8") << 14 << "Gold"
                                                << "14.2"
                                                << "8.2";
    QTest::newRow("two decimals") << 26 << "Quartz, fused"
                                  << "0.59"
                                  << "0.33";
    QTest::newRow("steel") << 29 << "Steel"
                           << "13.0"
                           << "7.3";
    QTest::newRow("last") << 38 << "Zinc"
                          << "29.7"
                          << "16.5";
}

void tst_MaterialTable::coefficients()
{
    QFETCH(int, row);
    QFETCH(QString, name);
    QFETCH(QString, perDegreeC);
    QFETCH(QString, perDegreeF);
    QCOMPARE(MaterialTable::names().at(row), name);
    QCOMPARE(MaterialTable::coefficientText(row, DegreeUnit::Centigrade), perDegreeC);
    QCOMPARE(MaterialTable::coefficientText(row, DegreeUnit::Fahrenheit), perDegreeF);
}

void tst_MaterialTable::rowOutsideTheTableHasNoCoefficient_data()
{
    QTest::addColumn<int>("row");
    QTest::newRow("no selection") << -1;
    QTest::newRow("one past the end") << 39;
}

void tst_MaterialTable::rowOutsideTheTableHasNoCoefficient()
{
    QFETCH(int, row);
    QVERIFY(MaterialTable::coefficientText(row, DegreeUnit::Fahrenheit).isEmpty());
}

void tst_MaterialTable::coefficientUsesTheLocaleDecimalSeparator()
{
    const QLocale german(QLocale::German, QLocale::Germany);
    QCOMPARE(MaterialTable::coefficientText(29, DegreeUnit::Centigrade, german),
             QStringLiteral("13,0"));
    QCOMPARE(MaterialTable::coefficientText(0, DegreeUnit::Centigrade, german),
             QStringLiteral("99"));
}

void tst_MaterialTable::noSelectionRewritesTheShownTextWithOneDecimal_data()
{
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("shown");

    QTest::newRow("whole number") << "55"
                                  << "55.0";
    QTest::newRow("already one decimal") << "7.3"
                                         << "7.3";
    QTest::newRow("two decimals round") << "0.59"
                                        << "0.6";
    QTest::newRow("half rounds away from zero") << "13.05"
                                                << "13.1";
    QTest::newRow("empty stays empty") << ""
                                       << "";
    QTest::newRow("text stays as it is") << "n/a"
                                         << "n/a";
}

void tst_MaterialTable::noSelectionRewritesTheShownTextWithOneDecimal()
{
    QFETCH(QString, current);
    QFETCH(QString, shown);
    QCOMPARE(MaterialTable::shownCoefficient(-1, DegreeUnit::Fahrenheit, current), shown);
}

void tst_MaterialTable::selectionIgnoresTheShownText()
{
    QCOMPARE(MaterialTable::shownCoefficient(29, DegreeUnit::Centigrade, QStringLiteral("55")),
             QStringLiteral("13.0"));
}

QTEST_APPLESS_MAIN(tst_MaterialTable)
#include "tst_MaterialTable.moc"
