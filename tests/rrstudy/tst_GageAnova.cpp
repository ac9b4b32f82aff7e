#include "GageStudyFile.h"
#include "rrstudy/GageAnova.h"
#include "rrstudy/GageChartPage.h"
#include "rrstudy/StudyInformation.h"

#include <QTest>

#include <functional>

namespace {

using Figure = std::function<double(const GageAnova&, const GageChartData&)>;

const QHash<QString, Figure>& figures()
{
    static const QHash<QString, Figure> all = {
        {"SS part", [](auto& a, auto&) { return a.withInteraction[0].sumOfSquares; }},
        {"SS appraiser", [](auto& a, auto&) { return a.withInteraction[1].sumOfSquares; }},
        {"SS interaction", [](auto& a, auto&) { return a.withInteraction[2].sumOfSquares; }},
        {"SS repeatability", [](auto& a, auto&) { return a.withInteraction[3].sumOfSquares; }},
        {"SS total", [](auto& a, auto&) { return a.withInteraction[4].sumOfSquares; }},
        {"MS part", [](auto& a, auto&) { return *a.withInteraction[0].meanSquare; }},
        {"MS appraiser", [](auto& a, auto&) { return *a.withInteraction[1].meanSquare; }},
        {"MS interaction", [](auto& a, auto&) { return *a.withInteraction[2].meanSquare; }},
        {"MS repeatability", [](auto& a, auto&) { return *a.withInteraction[3].meanSquare; }},
        {"F interaction", [](auto& a, auto&) { return *a.withInteraction[2].f; }},
        {"p interaction", [](auto& a, auto&) { return *a.interactionP; }},
        {"p part", [](auto& a, auto&) { return *a.withInteraction[0].p(); }},
        {"p appraiser", [](auto& a, auto&) { return *a.withInteraction[1].p(); }},
        {"F part pooled", [](auto& a, auto&) { return *a.withoutInteraction[0].f; }},
        {"p appraiser pooled", [](auto& a, auto&) { return *a.withoutInteraction[1].p(); }},
        {"pooled", [](auto& a, auto&) { return double(a.interactionPooled); }},
        {"var repeatability",
         [](auto& a, auto&) { return a.variance(GageComponent::Repeatability); }},
        {"var appraiser", [](auto& a, auto&) { return a.variance(GageComponent::Appraiser); }},
        {"var interaction", [](auto& a, auto&) { return a.variance(GageComponent::Interaction); }},
        {"var Gage R&R", [](auto& a, auto&) { return a.variance(GageComponent::GageRR); }},
        {"var part", [](auto& a, auto&) { return a.variance(GageComponent::PartToPart); }},
        {"var total", [](auto& a, auto&) { return a.variance(GageComponent::Total); }},
        {"%Contribution",
         [](auto& a, auto&) { return *a.percentContribution(GageComponent::GageRR); }},
        {"%Study Var",
         [](auto& a, auto&) { return *a.percentStudyVariation(GageComponent::GageRR); }},
        {"%Tolerance", [](auto& a, auto&) { return *a.percentTolerance(GageComponent::GageRR); }},
        {"ndc", [](auto& a, auto&) { return double(*a.distinctCategories()); }},
        {"R centre", [](auto&, auto& c) { return c.ranges.centre; }},
        {"R UCL", [](auto&, auto& c) { return c.ranges.upperLimit; }},
        {"R LCL", [](auto&, auto& c) { return c.ranges.lowerLimit; }},
        {"Xbar centre", [](auto&, auto& c) { return c.averages.centre; }},
        {"Xbar UCL", [](auto&, auto& c) { return c.averages.upperLimit; }},
        {"Xbar LCL", [](auto&, auto& c) { return c.averages.lowerLimit; }},
        {"R x of appraiser 2, part 1",
         [](auto&, auto& c) { return c.ranges.pointsByAppraiser[1][0].x(); }},
        {"R of appraiser 2, part 1",
         [](auto&, auto& c) { return c.ranges.pointsByAppraiser[1][0].y(); }},
    };
    return all;
}

const QString reference = QStringLiteral("gage-rr-reference-3x3x10.csv");
// Worked out apart from Quorvel by scripts/gage_anova_figures.py.
const QString interaction = QStringLiteral("gage-rr-interaction-2x2x5.csv");

} // namespace

class tst_GageAnova : public QObject
{
    Q_OBJECT

private slots:
    void figuresAgree_data();
    void figuresAgree();
    void unanalysableReadings_data();
    void unanalysableReadings();
    void readingsWithoutVariation();
    void averageRangeFigures();
    void tables_data();
    void tables();
};

void tst_GageAnova::figuresAgree_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<double>("studyVariation");
    QTest::addColumn<double>("removalLevel");
    QTest::addColumn<QString>("figure");
    QTest::addColumn<QString>("expected"); // to the digits given

    // The reference manual's data set (tolerance 5) and its printed figures.
    const QList<std::pair<QString, QString>> referenceFigures = {
        {"SS part", "88.3619"},
        {"SS appraiser", "3.1673"},
        {"SS interaction", "0.3590"},
        {"SS repeatability", "2.7589"},
        {"SS total", "94.6471"},
        {"MS part", "9.81799"},
        {"MS appraiser", "1.58363"},
        {"MS interaction", "0.01994"},
        {"MS repeatability", "0.04598"},
        {"F interaction", "0.434"},
        {"p interaction", "0.974106"},
        {"pooled", "1"},
        {"var repeatability", "0.039973"},
        {"var appraiser", "0.051455"},
        {"var Gage R&R", "0.091429"},
        {"var part", "1.086447"},
        {"var total", "1.177875"},
        {"%Contribution", "7.76"},
        {"%Study Var", "27.86"},
        {"%Tolerance", "36.28"},
        {"ndc", "4"},
        {"R centre", "0.34167"},
        {"R UCL", "0.87945"},
        {"R LCL", "0"},
        {"Xbar centre", "0.00144"},
        {"Xbar UCL", "0.35097"},
        {"Xbar LCL", "-0.34808"},
        {"R x of appraiser 2, part 1", "11"},
        {"R of appraiser 2, part 1", "0.18"},
    };
    for (const auto& [figure, expected] : referenceFigures)
        QTest::addRow("reference: %s", qPrintable(figure))
            << reference << 6.0 << 0.05 << figure << expected;

    // Two appraisers, two trials, five parts, tolerance 1: the interaction (p 0.017) is
    // kept at 0.05, and the appraiser's negative estimate is taken as 0.
    const QList<std::pair<QString, QString>> keptFigures = {
        {"SS part", "36.40912"},
        {"SS appraiser", "0.000005"},
        {"SS interaction", "0.01592"},
        {"SS repeatability", "0.00785"},
        {"F interaction", "5.070064"},
        {"p interaction", "0.017083"},
        {"p part", "0.000000573"},
        {"p appraiser", "0.973424"},
        {"pooled", "0"},
        {"var repeatability", "0.000785"},
        {"var interaction", "0.0015975"},
        {"var appraiser", "0"},
        {"var part", "2.274575"},
        {"%Contribution", "0.1046"},
        {"%Study Var", "3.2347"},
        {"%Tolerance", "29.2865"},
        {"ndc", "43"},
        {"R centre", "0.039"},
        {"R UCL", "0.127413"},
        {"Xbar UCL", "4.10882"},
        {"Xbar LCL", "3.96218"},
    };
    for (const auto& [figure, expected] : keptFigures)
        QTest::addRow("interaction kept: %s", qPrintable(figure))
            << interaction << 6.0 << 0.05 << figure << expected;

    // The same at the removal level 0.01 and 5.15 standard deviations: pooled.
    const QList<std::pair<QString, QString>> pooledFigures = {
        {"pooled", "1"},
        {"F part pooled", "5361.040"},
        {"p appraiser pooled", "0.957489"},
        {"var repeatability", "0.00169786"},
        {"var interaction", "0"},
        {"%Tolerance", "21.2206"},
        {"ndc", "51"},
    };
    for (const auto& [figure, expected] : pooledFigures)
        QTest::addRow("interaction pooled: %s", qPrintable(figure))
            << interaction << 5.15 << 0.01 << figure << expected;
}

void tst_GageAnova::figuresAgree()
{
    QFETCH(QString, file);
    QFETCH(double, studyVariation);
    QFETCH(double, removalLevel);
    QFETCH(QString, figure);
    QFETCH(QString, expected);

    const Study study = file == reference ? loadGageStudy(file, "2.5", "2.5") : loadGageStudy(file);
    const GageReadings readings = GageReadings::of(study, study.Features[0]);
    const GageAnova anova =
        AnalyseFeature(study, study.Features[0], {studyVariation, removalLevel});
    QVERIFY2(anova.computed(), qPrintable(anova.problem));
    const GageChartData charts = GageChartData::of(readings, anova, {});
    const int decimals =
        expected.contains(QLatin1Char('.')) ? int(expected.size() - expected.indexOf('.') - 1) : 0;
    const double value = figures().value(figure)(anova, charts);
    QCOMPARE(QString::number(value, 'f', decimals), expected);
}

void tst_GageAnova::unanalysableReadings_data()
{
    QTest::addColumn<int>("trials");
    QTest::addColumn<QString>("cell"); // appraiser 1, trial 2, part 3
    QTest::addColumn<QString>("problem");

    QTest::newRow("text")
        << 3 << "abc"
        << "The reading of appraiser 1, trial 2, part 3 is not a number: \"abc\".";
    QTest::newRow("empty") << 3 << ""
                           << "The reading of appraiser 1, trial 2, part 3 is not a number: \"\".";
    QTest::newRow("one trial")
        << 1 << "0.5"
        << "The analysis of variance needs 2 or 3 appraisers, 2 or 3 trials and 2 to 10 parts.";
}

void tst_GageAnova::unanalysableReadings()
{
    QFETCH(int, trials);
    QFETCH(QString, cell);
    QFETCH(QString, problem);

    Study study = loadGageStudy(reference);
    study.TrialCount = trials;
    study.Features[0].Readings[0][1][2] = cell;
    const GageAnova anova = AnalyseFeature(study, study.Features[0], {});
    QCOMPARE(anova.problem, problem);
    QVERIFY(!anova.distinctCategories());
    QCOMPARE(GageChartPage::of(study, {}, 1, {}).problem, problem);
}

void tst_GageAnova::readingsWithoutVariation()
{
    Study study = loadGageStudy(interaction, "0.005", "-0.005");
    for (auto& appraiser : study.Features[0].Readings)
        for (auto& trial : appraiser)
            for (StudyCell& reading : trial)
                reading = QStringLiteral("2.5");
    const GageAnova anova = AnalyseFeature(study, study.Features[0], {});
    QVERIFY(anova.computed());
    QVERIFY(anova.interactionPooled);
    QVERIFY(!anova.withInteraction[0].f);
    QVERIFY(!anova.percentContribution(GageComponent::GageRR));
    QVERIFY(!anova.percentTolerance(GageComponent::GageRR)); // a zero tolerance
    QVERIFY(!anova.distinctCategories());
}

void tst_GageAnova::averageRangeFigures()
{
    // The reference data set's average-and-range results.
    StudyFeature feature;
    feature.EV = 1.0396;
    feature.AV = 1.1829;
    feature.RR = 1.5748;
    feature.PV = 5.6879;
    const AverageRangeFigures figures = AverageRangeFigures::of(feature);
    QCOMPARE(QString::number(*figures.percentStudyVariationRR, 'f', 2), QStringLiteral("26.68"));
    QCOMPARE(QString::number(*figures.percentStudyVariationPV, 'f', 2), QStringLiteral("96.37"));
    QCOMPARE(*figures.distinctCategories, 5);
    feature.Problem = true;
    QVERIFY(!AverageRangeFigures::of(feature).distinctCategories);
}

void tst_GageAnova::tables_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("table");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("text");

    QTest::newRow("reference ANOVA")
        << reference << 0 << 1 << "Part\t9\t88.3619\t9.81799\t492.291\t0.000\n";
    QTest::newRow("reference pooled")
        << reference << 1 << 3 << "Repeatability\t78\t3.11792\t0.0399733\t\t\n";
    QTest::newRow("reference components")
        << reference << 2 << 1
        << "Total Gage R&R\t0.0914285\t7.76\t0.302372\t1.81423\t27.86\t36.28\n";
    QTest::newRow("reference categories") << reference << 3 << 1 << "ANOVA\t27.86\t4\n";
    QTest::newRow("no average and range") << reference << 3 << 2 << "Average and range\t*\t*\n";
    QTest::newRow("kept interaction")
        << interaction << 1 << 5
        << "Appraiser x Part\t0.0015975\t0.07\t0.0399687\t0.239812\t2.65\t23.98\n";
}

void tst_GageAnova::tables()
{
    QFETCH(QString, file);
    QFETCH(int, table);
    QFETCH(int, row);
    QFETCH(QString, text);

    const Study study = file == reference ? loadGageStudy(file, "2.5", "2.5") : loadGageStudy(file);
    const QList<TextTable> tables =
        GageAnovaTables(AnalyseFeature(study, study.Features[0], {}), {}, QLocale::c());
    QCOMPARE(tables.at(table).tabSeparated(row, row, 0, 6), text);
}

QTEST_GUILESS_MAIN(tst_GageAnova)
#include "tst_GageAnova.moc"
