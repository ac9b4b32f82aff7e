#include "common/NumberText.h"
#include "rrstudy/StudyCell.h"

#include <QTest>

class tst_StudyCell : public QObject
{
    Q_OBJECT

private slots:
    void keepsTheTextAndReadsItAsTheCLocaleDoes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("reading") << QStringLiteral("123.4567");
        QTest::newRow("blanks around") << QStringLiteral("  -0.0050 ");
        QTest::newRow("plus sign") << QStringLiteral("+2.5");
        QTest::newRow("exponent") << QStringLiteral("1.5E-3");
        QTest::newRow("decimal comma") << QStringLiteral("1,5");
        QTest::newRow("quoted") << QStringLiteral("\"10.5\"");
        QTest::newRow("text") << QStringLiteral("n/a");
        QTest::newRow("fifteen characters") << QStringLiteral("12345.678901234");
        QTest::newRow("sixteen characters") << QStringLiteral("12345.6789012345");
        QTest::newRow("long text") << QStringLiteral("a reading that was not taken");
        QTest::newRow("Latin-1 letters") << QStringLiteral("\u00d812,5 \u00b5m");
        QTest::newRow("other letters") << QStringLiteral("\u03a912");
        QTest::newRow("full-width digits") << QStringLiteral("\uff11\uff12");
        QTest::newRow("no-break space around") << QStringLiteral("\u00a012.5\u00a0");
        QTest::newRow("overflow") << QStringLiteral("1e999");
        // Decimals that a division by a power of ten gives exactly, and those it would not.
        QTest::newRow("one tenth") << QStringLiteral("0.1");
        QTest::newRow("negative zero") << QStringLiteral("-0.000");
        QTest::newRow("point last") << QStringLiteral("5.");
        QTest::newRow("point first") << QStringLiteral("-.25");
        QTest::newRow("point alone") << QStringLiteral(".");
        QTest::newRow("two points") << QStringLiteral("1.2.3");
        QTest::newRow("two signs") << QStringLiteral("+-1");
        QTest::newRow("fifteen digits") << QStringLiteral("9.99999999999999");
        QTest::newRow("fifteen decimals") << QStringLiteral("0.123456789012345");
        QTest::newRow("sixteen digits") << QStringLiteral("0.3000000000000001");
        QTest::newRow("seventeen digits") << QStringLiteral("9007199254740993");
    }

    void keepsTheTextAndReadsItAsTheCLocaleDoes()
    {
        QFETCH(QString, text);
        const StudyCell cell(text);
        QCOMPARE(cell.text(), text);
        QCOMPARE(cell.isEmpty(), text.isEmpty());
        QCOMPARE(cell.number(), NumberText::toDouble(text, QLocale::c()));
    }

    void copiesAndMovesOwnTheirText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("in place") << QStringLiteral("1.25");
        QTest::newRow("on the heap") << QStringLiteral("a text too long to lie in place");
    }

    void copiesAndMovesOwnTheirText()
    {
        QFETCH(QString, text);
        StudyCell original(text);
        StudyCell copy(original);
        StudyCell assigned;
        assigned = original;
        original = StudyCell(QStringLiteral("other"));
        QCOMPARE(copy.text(), text);
        QCOMPARE(assigned.text(), text);

        StudyCell moved(std::move(copy));
        QCOMPARE(moved.text(), text);
        assigned = std::move(moved);
        QCOMPARE(assigned.text(), text);
        const StudyCell& self = assigned;
        assigned = self;
        QCOMPARE(assigned.text(), text);
        QVERIFY(assigned == text);
        QCOMPARE(original.text(), QStringLiteral("other"));
    }
};

QTEST_GUILESS_MAIN(tst_StudyCell)
#include "tst_StudyCell.moc"
