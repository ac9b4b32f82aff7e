#include "common/NumberText.h"
#include "rrstudy/StudyCell.h"

#include <QTest>

class tst_StudyCell : public QObject
{
    Q_OBJECT

private slots:
    // A cell keeps its text exactly, in place up to 15 Latin-1 characters and on the heap
    // beyond, and reads it as a number as NumberText does in the C locale.
    void keepsTheTextAndReadsItAsTheCLocaleDoes_data()
    {
        QTest::addColumn<QString>("text");
        for (const char* text :
             {"", "123.4567", "  -0.0050 ", "+2.5", "1.5E-3", "1,5", "\"10.5\"", "n/a", "12345.678901234",
              "12345.6789012345", "a reading that was not taken", "\u00d812,5 \u00b5m", "\u03a912", "\uff11\uff12",
              "\u00a012.5\u00a0", "1e999", "0.1", "-0.000", "5.", "-.25", ".", "1.2.3", "+-1", "9.99999999999999",
              "0.123456789012345", "0.3000000000000001", "9007199254740993"})
            QTest::addRow("'%s'", text) << QString::fromUtf8(text);
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
        StudyCell moved(std::move(copy));
        assigned = std::move(moved);
        const StudyCell& self = assigned;
        assigned = self;
        QVERIFY(assigned == text);
        QCOMPARE(original.text(), QStringLiteral("other"));
    }
};

QTEST_GUILESS_MAIN(tst_StudyCell)
#include "tst_StudyCell.moc"
