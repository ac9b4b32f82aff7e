#include "StudyBuilder.h"
#include "rrstudy/GageAnova.h"
#include "rrstudy/GageChartPage.h"
#include "rrstudy/StudyInformation.h"

#include <QTest>

namespace {

// The reference manual's data set (tolerance 5), and a 2 x 2 x 5 set (tolerance 1) worked
// out apart from Quorvel by scripts/gage_anova_figures.py, whose interaction (p 0.017) is
// kept at the removal level 0.05 and pooled at 0.01.
const QString reference = QStringLiteral("gage-rr-reference-3x3x10.csv");
const QString interaction = QStringLiteral("gage-rr-interaction-2x2x5.csv");

Study study(const QString& file)
{
    return file == reference ? referenceStudy() : studyFromReadings(file);
}

} // namespace

class tst_GageAnova : public QObject
{
    Q_OBJECT

private slots:
    // The tables as the page shows them, to the digits the reference manual prints.
    void tables_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<GageAnovaOptions>("options");
        QTest::addColumn<int>("table");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("text");

        const GageAnovaOptions six{6, 0.05};
        const GageAnovaOptions pooling{5.15, 0.01};
        const QList<std::tuple<const char*, QString, GageAnovaOptions, int, int, const char*>>
            rows = {
                {"reference ANOVA part", reference, six, 0, 1,
                 "Part\t9\t88.3619\t9.81799\t492.291\t0.000"},
                {"reference ANOVA repeatability", reference, six, 0, 4,
                 "Repeatability\t60\t2.75893\t0.0459822\t\t"},
                {"reference Gage R&R", reference, six, 2, 1,
                 "Total Gage R&R\t0.0914285\t7.76\t0.302372\t1.81423\t27.86\t36.28"},
                {"reference part", reference, six, 2, 5,
                 "Part-to-Part\t1.08645\t92.24\t1.04233\t6.25396\t96.04\t125.08"},
                {"reference categories", reference, six, 3, 1, "ANOVA\t27.86\t4"},
                {"kept interaction", interaction, six, 0, 3,
                 "Appraiser x Part\t4\t0.01592\t0.00398\t5.070\t0.017"},
                {"negative appraiser taken as 0", interaction, six, 1, 4,
                 "Appraiser\t0\t0.00\t0\t0\t0.00\t0.00"},
                {"pooled appraiser", interaction, pooling, 1, 2,
                 "Appraiser\t1\t5e-06\t5e-06\t0.003\t0.957"},
                {"pooled Gage R&R", interaction, pooling, 2, 1,
                 "Total Gage R&R\t0.00169786\t0.07\t0.0412051\t0.212206\t2.73\t21.22"},
                {"pooled categories", interaction, pooling, 3, 1, "ANOVA\t2.73\t51"},
            };
        for (const auto& [name, file, options, table, row, text] : rows)
            QTest::newRow(name) << file << options << table << row
                                << QString::fromLatin1(text) + QLatin1Char('\n');
    }

    void tables()
    {
        QFETCH(QString, file);
        QFETCH(GageAnovaOptions, options);
        QFETCH(int, table);
        QFETCH(int, row);
        QFETCH(QString, text);
        const Study data = study(file);
        const QList<TextTable> tables =
            GageAnovaTables(AnalyseFeature(data, data.Features[0], options), {}, QLocale::c());
        QCOMPARE(tables.at(table).tabSeparated(row, row, 0, 6), text);
    }

    // The p values beyond the tables' three decimals, and the control charts' lines: R-bar
    // with D3 and D4, the grand mean with A2, and appraiser 2's range on part 1.
    void figures_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("reference")
            << reference
            << QStringList{"0.974106", "0.000000", "0.000000", "0.34167", "0.87945", "0",
                           "0.00144",  "0.35097",  "-0.34808", "11",      "0.18"};
        QTest::newRow("interaction")
            << interaction
            << QStringList{"0.017083", "0.000001", "0.973424", "0.039", "0.127413", "0",
                           "4.0355",   "4.10882",  "3.96218",  "6",     "0.04"};
    }

    void figures()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, expected);
        const Study data = study(file);
        const GageAnova anova = AnalyseFeature(data, data.Features[0], {});
        QVERIFY2(anova.computed(), qPrintable(anova.problem));
        const GageChartData charts =
            GageChartData::of(GageReadings::of(data, data.Features[0]), anova, {});
        const QList<double> values = {*anova.interactionP,
                                      *anova.withInteraction[0].p(),
                                      *anova.withInteraction[1].p(),
                                      charts.ranges.centre,
                                      charts.ranges.upperLimit,
                                      charts.ranges.lowerLimit,
                                      charts.averages.centre,
                                      charts.averages.upperLimit,
                                      charts.averages.lowerLimit,
                                      charts.ranges.pointsByAppraiser[1][0].x(),
                                      charts.ranges.pointsByAppraiser[1][0].y()};
        for (qsizetype i = 0; i < values.size(); ++i) {
            const qsizetype point = expected[i].indexOf(QLatin1Char('.'));
            QCOMPARE(QString::number(values[i], 'f',
                                     point < 0 ? 0 : int(expected[i].size() - point - 1)),
                     expected[i]);
        }
    }

    void unanalysableReadings_data()
    {
        QTest::addColumn<int>("trials");
        QTest::addColumn<QString>("cell"); // appraiser 1, trial 2, part 3
        QTest::addColumn<QString>("problem");
        QTest::newRow("text")
            << 3 << "abc"
            << "The reading of appraiser 1, trial 2, part 3 is not a number: \"abc\".";
        QTest::newRow("one trial")
            << 1 << "0.5"
            << "The analysis of variance needs 2 or 3 appraisers, 2 or 3 trials and 2 to 10 parts.";
    }

    void unanalysableReadings()
    {
        QFETCH(int, trials);
        QFETCH(QString, cell);
        QFETCH(QString, problem);
        Study data = referenceStudy();
        data.TrialCount = trials;
        data.Features[0].Readings[0][1][2] = cell;
        const GageAnova anova = AnalyseFeature(data, data.Features[0], {});
        QCOMPARE(anova.problem, problem);
        QVERIFY(!anova.distinctCategories());
        QCOMPARE(GageChartPage::of(data, {}, 1, {}).problem, problem);
    }
};

QTEST_GUILESS_MAIN(tst_GageAnova)
#include "tst_GageAnova.moc"
