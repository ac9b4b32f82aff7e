#include "batch/BatchCommandLine.h"

#include <QTest>

// quorvel-rr's command line: what a run is to do, and each usage error it refuses.
class tst_BatchCommandLine : public QObject
{
    Q_OBJECT

    static BatchCommandLine parsed(const QStringList& options)
    {
        BatchCommandLine commandLine;
        commandLine.parse(QStringList{"quorvel-rr", "s.csv", "--template", "t.tpl"} + options);
        return commandLine;
    }

private slots:
    void usageErrors_data()
    {
        QTest::addColumn<QStringList>("arguments"); // after the program name
        QTest::addColumn<QString>("error");
        const QStringList run{"s.csv", "--template", "t.tpl"};
        QTest::newRow("no template")
            << QStringList{"s.csv"} << "No template given: --template LAYOUT.tpl is required.";
        QTest::newRow("accept limit not offered")
            << run + QStringList{"--accept", "12"}
            << "--accept takes 5, 10, 15, 20, 25 or 30, not \"12\".";
        QTest::newRow("anova without csv")
            << run + QStringList{"--anova"}
            << "--anova adds columns to the results table: it needs --csv.";
        QTest::newRow("charts without data sheets")
            << run + QStringList{"--pdf", "x.pdf", "--sheets", "summary", "--charts"}
            << "--charts puts each feature's charts after its data sheet: it needs --pdf with "
               "every data sheet "
               "(--sheets all).";
        QTest::newRow("analysis options without analysis")
            << run + QStringList{"--study-variation", "6"}
            << "--study-variation and --alpha-interaction apply to "
               "--anova and --charts.";
    }

    void usageErrors()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, error);
        BatchCommandLine commandLine;
        commandLine.parse(QStringList{"quorvel-rr"} + arguments);
        QCOMPARE(commandLine.action(), BatchCommandLine::Action::UsageError);
        QCOMPARE(commandLine.error(), error);
    }

    // Without options: limits 10 and 30, every sheet, no reports, the run date today.
    void options()
    {
        const BatchOptions plain = parsed({}).options();
        QCOMPARE((QStringList{plain.studyPath, plain.templatePath, plain.acceptLimit,
                              plain.unacceptLimit, plain.csvPath, plain.pdfPath}),
                 (QStringList{"s.csv", "t.tpl", "10", "30", "", ""}));
        QVERIFY(plain.allSheets && !plain.anovaColumns && !plain.chartPages);
        QVERIFY(!StudyInformation::isSet(plain.information.RunDate));

        const BatchCommandLine given = parsed(
            QStringLiteral(
                "--accept 15 --unaccept 5 --sheets summary --csv - --anova --study-variation 5.15 "
                "--alpha-interaction 0.2 --title Bracket --gage-number G-12 --appraiser3 Cy "
                "--date 2026-12-06 --end 16:05")
                .split(u' '));
        QCOMPARE(given.action(), BatchCommandLine::Action::Run);
        QCOMPARE(given.note(),
                 "The unacceptable limit 5 is below the acceptable limit; it is raised to 15.");
        const BatchOptions& o = given.options();
        QCOMPARE((QStringList{o.acceptLimit, o.unacceptLimit, o.csvPath, o.information.StudyTitle,
                              o.information.GageNumber, o.information.AppraiserName[2]}),
                 (QStringList{"15", "15", "-", "Bracket", "G-12", "Cy"}));
        QVERIFY(!o.allSheets && o.anovaColumns);
        QCOMPARE(o.anova.studyVariation, 5.15);
        QCOMPARE(o.anova.removalLevel, 0.2);
        QCOMPARE(o.information.EndTime, QDateTime(QDate(2026, 12, 6), QTime(16, 5)));
    }
};

QTEST_GUILESS_MAIN(tst_BatchCommandLine)
#include "tst_BatchCommandLine.moc"
