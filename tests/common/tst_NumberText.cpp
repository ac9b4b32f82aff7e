#include "common/NumberText.h"

#include <QDate>
#include <QTest>
#include <QTime>

#include <optional>

class tst_NumberText : public QObject
{
    Q_OBJECT

private slots:
    void formatNumber_data();
    void formatNumber();
    void formatNumberUsesTheLocaleDecimalPoint();
    void isNumeric_data();
    void isNumeric();
    void toDoubleInDecimalCommaLocale_data();
    void toDoubleInDecimalCommaLocale();
    void toDoubleRejectsOverflow();
    void toDoubleInCLocale_data();
    void toDoubleInCLocale();
    void toSingle();
    void toInt16_data();
    void toInt16();
    void plainText_data();
    void plainText();
    void plainTextReadsBack();
    void dateAndTime();
};

void tst_NumberText::formatNumber_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("expected");

    QTest::newRow("triangle angle") << 36.869897645844 << "####0.0#######" << "36.86989765";
    QTest::newRow("triangle whole") << 5.0 << "####0.0#######" << "5.0";
    QTest::newRow("triangle below one") << 0.5 << "####0.0#######" << "0.5";
    QTest::newRow("one decimal") << 12.345 << "0.0" << "12.3";
    QTest::newRow("integer part never cut") << 1234.567 << "##0.00" << "1234.57";
    QTest::newRow("half away from zero on shortest form") << 2.675 << "0.00" << "2.68";
    QTest::newRow("negative half away from zero") << -2.675 << "0.00" << "-2.68";
    QTest::newRow("inch conversion") << 0.0393700787 << "#0.0######" << "0.0393701";
    QTest::newRow("ordinal three digits") << 335.0 << "000" << "335";
    QTest::newRow("ordinal padded") << 5.0 << "000" << "005";
    QTest::newRow("whole number") << 2.5 << "0" << "3";
    QTest::newRow("whole negative") << -2.5 << "0" << "-3";
    QTest::newRow("four decimals") << 0.013 << "0.0000" << "0.0130";
    QTest::newRow("five decimals") << 100.013 << "0.00000" << "100.01300";
    QTest::newRow("ten decimals") << 1.5 << "#0.0000000000" << "1.5000000000";
    QTest::newRow("seven decimals") << 0.25 << "#0.0000000" << "0.2500000";
    QTest::newRow("degrees") << 45.5 << "##0.0#####" << "45.5";
    QTest::newRow("degrees rounding") << 12.3456789 << "##0.0#####" << "12.345679";
    QTest::newRow("trailing blanks kept") << 12.3 << "##0.00  " << "12.30  ";
    QTest::newRow("optional fraction") << 1.25 << "##0.0###" << "1.25";
    QTest::newRow("reading cell") << 12.5 << "###0.0000" << "12.5000";
    QTest::newRow("carry into integer") << 9.9996 << "0.000" << "10.000";
    QTest::newRow("carry adds a digit") << 999.96 << "##0.0" << "1000.0";
    QTest::newRow("small value") << 0.0001234 << "0.0000" << "0.0001";
    QTest::newRow("tiny value rounds up") << 0.00005 << "0.0000" << "0.0001";
    QTest::newRow("rounds to zero has no sign") << -0.00001 << "0.0000" << "0.0000";
    QTest::newRow("negative zero") << -0.0 << "0.00" << "0.00";
    QTest::newRow("zero optional integer") << 0.0 << "#.##" << ".";
    QTest::newRow("no forced integer digit") << 0.5 << "#.0" << ".5";
    QTest::newRow("large value") << 123456789.0 << "0.0" << "123456789.0";
    QTest::newRow("huge value") << 1e20 << "0" << "100000000000000000000";
    QTest::newRow("percent one decimal") << 12.34 << "0.0" << "12.3";
    QTest::newRow("literal prefix") << 7.0 << "x 0" << "x 7";
    QTest::newRow("no placeholder") << 7.0 << "abc" << "abc";
    QTest::newRow("not finite") << qInf() << "0.0" << "";
}

void tst_NumberText::formatNumber()
{
    QFETCH(double, value);
    QFETCH(QString, pattern);
    QFETCH(QString, expected);
    QCOMPARE(NumberText::formatNumber(value, pattern, QLocale::c()), expected);
}

void tst_NumberText::formatNumberUsesTheLocaleDecimalPoint()
{
    const QLocale german(QLocale::German, QLocale::Germany);
    QCOMPARE(NumberText::formatNumber(1234.567, QStringLiteral("##0.00"), german), QStringLiteral("1234,57"));
}

void tst_NumberText::isNumeric_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("numeric");

    QTest::newRow("leading point") << ".030" << true;
    QTest::newRow("trailing point") << "5." << true;
    QTest::newRow("plus sign") << "+5" << true;
    QTest::newRow("minus sign") << "-0.005" << true;
    QTest::newRow("blanks around") << "  12.5 " << true;
    QTest::newRow("exponent") << "1e3" << true;
    QTest::newRow("signed exponent") << "2.5E-3" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("blanks only") << "   " << false;
    QTest::newRow("point only") << "." << false;
    QTest::newRow("grouping") << "1,000" << false;
    QTest::newRow("inner blank") << "5 5" << false;
    QTest::newRow("two points") << "1.2.3" << false;
    QTest::newRow("text") << "abc" << false;
    QTest::newRow("sign only") << "-" << false;
    QTest::newRow("bare exponent") << "e3" << false;
    QTest::newRow("dangling exponent") << "1e" << false;
    QTest::newRow("double sign") << "--5" << false;
    QTest::newRow("exponent sign only") << "1e+" << false;
    QTest::newRow("non-ASCII digits") << QString::fromUtf8("\u0661\u0662") << false;
}

void tst_NumberText::isNumeric()
{
    QFETCH(QString, text);
    QFETCH(bool, numeric);
    QCOMPARE(NumberText::isNumeric(text, QLocale::c()), numeric);
    QCOMPARE(NumberText::toDouble(text, QLocale::c()).has_value(), numeric);
}

void tst_NumberText::toDoubleInDecimalCommaLocale_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<double>>("expected");

    QTest::newRow("decimal comma") << "12,5" << std::optional<double>(12.5);
    QTest::newRow("leading comma") << ",25" << std::optional<double>(0.25);
    QTest::newRow("negative") << "-3,75" << std::optional<double>(-3.75);
    QTest::newRow("point is not the separator") << "12.5" << std::optional<double>();
}

void tst_NumberText::toDoubleInDecimalCommaLocale()
{
    QFETCH(QString, text);
    QFETCH(std::optional<double>, expected);
    const QLocale german(QLocale::German, QLocale::Germany);
    QCOMPARE(NumberText::toDouble(text, german), expected);
}

void tst_NumberText::toDoubleRejectsOverflow()
{
    QVERIFY(!NumberText::toDouble(QStringLiteral("1e999"), QLocale::c()));
    QVERIFY(!NumberText::toDouble(QStringLiteral("-12e99999999999"), QLocale::c()));
}

void tst_NumberText::toDoubleInCLocale_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("signed leading point") << "-.5" << -0.5;
    QTest::newRow("plus sign") << "+.25" << 0.25;
    QTest::newRow("padded exponent") << " 00012.5e+03 " << 12500.0;
    QTest::newRow("smallest subnormal") << "4.9e-324" << 4.9e-324;
    QTest::newRow("subnormal") << "1e-320" << 1e-320;
    QTest::newRow("too small for a double: the nearest is 0") << "-1e-400" << 0.0;
    QTest::newRow("below half the smallest subnormal") << "0.000002e-318" << 0.0;
    QTest::newRow("huge exponent below one") << "123.4e-99999999999" << 0.0;
}

void tst_NumberText::toDoubleInCLocale()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(NumberText::toDouble(text, QLocale::c()), std::optional<double>(value));
}

void tst_NumberText::toSingle()
{
    QCOMPARE(NumberText::toSingle(QStringLiteral("0.1"), QLocale::c()), std::optional<float>(0.1f));
    QVERIFY(!NumberText::toSingle(QStringLiteral("1e39"), QLocale::c()));
}

void tst_NumberText::toInt16_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<std::optional<qint16>>("expected");

    QTest::newRow("half to even down") << 2.5 << std::optional<qint16>(2);
    QTest::newRow("half to even up") << 3.5 << std::optional<qint16>(4);
    QTest::newRow("negative half") << -2.5 << std::optional<qint16>(-2);
    QTest::newRow("below half") << 7.49 << std::optional<qint16>(7);
    QTest::newRow("largest") << 32767.0 << std::optional<qint16>(32767);
    QTest::newRow("smallest") << -32768.0 << std::optional<qint16>(-32768);
    QTest::newRow("rounds past the top") << 32767.5 << std::optional<qint16>();
    QTest::newRow("out of range") << 40000.0 << std::optional<qint16>();
    QTest::newRow("not finite") << qQNaN() << std::optional<qint16>();
}

void tst_NumberText::toInt16()
{
    QFETCH(double, value);
    QFETCH(std::optional<qint16>, expected);
    QCOMPARE(NumberText::toInt16(value), expected);
}

void tst_NumberText::plainText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("whole") << 5.0 << "5";
    QTest::newRow("fifteen digits") << 36.8698976458440 << "36.869897645844";
    QTest::newRow("rounded to fifteen") << 1.0 / 3.0 << "0.333333333333333";
    QTest::newRow("small") << 0.00001 << "0.00001";
    QTest::newRow("tiny") << 0.000001 << "1E-06";
    QTest::newRow("negative") << -17.25 << "-17.25";
}

void tst_NumberText::plainText()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(NumberText::plainText(value, QLocale::c()), expected);
}

void tst_NumberText::plainTextReadsBack()
{
    const QLocale german(QLocale::German, QLocale::Germany);
    const QString text = NumberText::plainText(17.320508075688775, german);
    QCOMPARE(text, QStringLiteral("17,3205080756888"));
    QCOMPARE(NumberText::toDouble(text, german), std::optional<double>(17.3205080756888));
}

void tst_NumberText::dateAndTime()
{
    QCOMPARE(NumberText::formatDate(QDate(2026, 12, 6)), QStringLiteral("06-Dec-26"));
    QCOMPARE(NumberText::formatTime(QTime(7, 5)), QStringLiteral("07:05 AM"));
    QCOMPARE(NumberText::formatTime(QTime(0, 30)), QStringLiteral("12:30 AM"));
    QCOMPARE(NumberText::formatTime(QTime(19, 45)), QStringLiteral("07:45 PM"));
}

QTEST_GUILESS_MAIN(tst_NumberText)
#include "tst_NumberText.moc"
