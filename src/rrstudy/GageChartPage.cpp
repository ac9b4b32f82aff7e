#include "rrstudy/GageChartPage.h"

#include "rrstudy/StudyInformation.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// The control chart factors for subgroups of 2 and 3 (the trials of one appraiser on
// one part): A2 for the averages, D3 and D4 for the ranges.
struct ControlFactors
{
    double a2;
    double d3;
    double d4;
};
constexpr std::array<ControlFactors, 2> controlFactors = {{{1.880, 0, 3.267}, {1.023, 0, 2.574}}};

double cellRange(const GageReadings& readings, int appraiser, int part)
{
    double low = readings.at(appraiser, 0, part);
    double high = low;
    for (int t = 1; t < readings.trials; ++t) {
        low = std::min(low, readings.at(appraiser, t, part));
        high = std::max(high, readings.at(appraiser, t, part));
    }
    return high - low;
}

// One appraiser's block of a control chart: `value` of each part at x = a x n + p.
QList<QPointF> appraiserBlock(const GageReadings& readings, int appraiser,
                              double (*value)(const GageReadings&, int, int))
{
    QList<QPointF> points;
    for (int p = 0; p < readings.parts; ++p)
        points.append(QPointF(appraiser * readings.parts + p + 1, value(readings, appraiser, p)));
    return points;
}

double cellMean(const GageReadings& readings, int appraiser, int part)
{
    return readings.cellMean(appraiser, part);
}

// A control chart's figures to three digits of its average range: readings of 15.0029
// with ranges of 0.0015 need five decimals, readings of 0.29 with ranges of 0.34 three.
QString chartNumber(double value, double averageRange)
{
    const int decimals =
        averageRange > 0 ? std::clamp(2 - int(std::floor(std::log10(averageRange))), 0, 10) : 3;
    return QLocale().toString(value, 'f', decimals);
}

const std::array<GageComponent, 4> chartedComponents = {
    GageComponent::GageRR, GageComponent::Repeatability, GageComponent::Reproducibility,
    GageComponent::PartToPart};

// The numbers of the tables, in the user's format without group separators so that
// they paste into a spreadsheet as numbers.
class TableNumbers
{
public:
    explicit TableNumbers(QLocale locale) : m_locale(std::move(locale))
    {
        m_locale.setNumberOptions(QLocale::OmitGroupSeparator);
    }

    QString significant(double value) const { return m_locale.toString(value, 'g', 6); }
    QString fixed(double value, int decimals) const
    {
        return m_locale.toString(value, 'f', decimals);
    }
    // "*" where a figure belongs but cannot be computed (a divisor of 0).
    QString fixed(const std::optional<double>& value, int decimals) const
    {
        return value ? fixed(*value, decimals) : QStringLiteral("*");
    }
    QString count(const std::optional<int>& value) const
    {
        return value ? m_locale.toString(*value) : QStringLiteral("*");
    }

private:
    QLocale m_locale;
};

QString sourceName(AnovaSource source)
{
    switch (source) {
    case AnovaSource::Part:
        return QStringLiteral("Part");
    case AnovaSource::Appraiser:
        return QStringLiteral("Appraiser");
    case AnovaSource::Interaction:
        return QStringLiteral("Appraiser x Part");
    case AnovaSource::Repeatability:
        return QStringLiteral("Repeatability");
    case AnovaSource::Total:
        break;
    }
    return QStringLiteral("Total");
}

QString componentName(GageComponent component)
{
    switch (component) {
    case GageComponent::GageRR:
        return QStringLiteral("Total Gage R&R");
    case GageComponent::Repeatability:
        return QStringLiteral("Repeatability");
    case GageComponent::Reproducibility:
        return QStringLiteral("Reproducibility");
    case GageComponent::Appraiser:
        return QStringLiteral("  Appraiser");
    case GageComponent::Interaction:
        return QStringLiteral("  Appraiser x Part");
    case GageComponent::PartToPart:
        return QStringLiteral("Part-to-Part");
    case GageComponent::Total:
        break;
    }
    return QStringLiteral("Total Variation");
}

TextTable anovaTable(const QString& title, const QList<AnovaRow>& rows, const TableNumbers& numbers)
{
    TextTable table{title,
                    {{QStringLiteral("Source"), QStringLiteral("DF"), QStringLiteral("SS"),
                      QStringLiteral("MS"), QStringLiteral("F"), QStringLiteral("P")}}};
    for (const AnovaRow& row : rows) {
        const bool tested =
            row.source != AnovaSource::Repeatability && row.source != AnovaSource::Total;
        table.rows.append({sourceName(row.source), QString::number(row.degreesOfFreedom),
                           numbers.significant(row.sumOfSquares),
                           row.meanSquare ? numbers.significant(*row.meanSquare) : QString(),
                           tested ? numbers.fixed(row.f, 3) : QString(),
                           tested ? numbers.fixed(row.p(), 3) : QString()});
    }
    return table;
}

TextTable componentTable(const GageAnova& anova, const TableNumbers& numbers)
{
    QStringList heading = {
        QStringLiteral("Source"),
        QStringLiteral("VarComp"),
        QStringLiteral("%Contribution"),
        QStringLiteral("StdDev"),
        QStringLiteral("Study Var (%1 x SD)").arg(numbers.significant(anova.studyVariation)),
        QStringLiteral("%Study Var")};
    if (anova.tolerance)
        heading << QStringLiteral("%Tolerance");
    TextTable table{QStringLiteral("Variance components"), {heading}};
    for (const GageComponent component :
         {GageComponent::GageRR, GageComponent::Repeatability, GageComponent::Reproducibility,
          GageComponent::Appraiser, GageComponent::Interaction, GageComponent::PartToPart,
          GageComponent::Total}) {
        if (component == GageComponent::Interaction && anova.interactionPooled)
            continue;
        const double deviation = anova.standardDeviation(component);
        QStringList row = {componentName(component),
                           numbers.significant(anova.variance(component)),
                           numbers.fixed(anova.percentContribution(component), 2),
                           numbers.significant(deviation),
                           numbers.significant(anova.studyVariation * deviation),
                           numbers.fixed(anova.percentStudyVariation(component), 2)};
        if (anova.tolerance)
            row << numbers.fixed(anova.percentTolerance(component), 2);
        table.rows.append(row);
    }
    return table;
}

// Why a feature that failed has no verdict of its own.
QString failureReason(const StudyFeature& feature, const GageReadings& readings)
{
    if (!readings.problem.isEmpty())
        return readings.problem;
    const std::optional<double> tolerance = FeatureTolerance(feature);
    if (!tolerance)
        return QStringLiteral("a tolerance is not a number");
    if (*tolerance == 0)
        return QStringLiteral("the tolerance adds up to 0");
    return QStringLiteral("the average-and-range calculation failed");
}

QString appraiserName(const StudyInformation& information, int appraiser)
{
    const QString name = information.AppraiserName[appraiser].trimmed();
    return name.isEmpty() ? QStringLiteral("Appraiser %1").arg(appraiser + 1) : name;
}

} // namespace

GageChartData GageChartData::of(const GageReadings& readings, const GageAnova& anova,
                                const QStringList& appraiserNames)
{
    GageChartData data;
    data.appraiserNames = appraiserNames;
    data.parts = readings.parts;

    data.componentNames = {QStringLiteral("Gage R&R"), QStringLiteral("Repeat"),
                           QStringLiteral("Reprod"), QStringLiteral("Part-to-Part")};
    for (const GageComponent component : chartedComponents) {
        data.contribution.append(anova.percentContribution(component).value_or(0));
        data.studyVariation.append(anova.percentStudyVariation(component).value_or(0));
        if (anova.tolerance)
            data.tolerance.append(*anova.percentTolerance(component));
    }
    data.componentsTitle = QStringLiteral("Components of variation");

    const ControlFactors& factors = controlFactors[readings.trials - 2];
    double rangeSum = 0;
    for (int a = 0; a < readings.appraisers; ++a) {
        data.ranges.pointsByAppraiser.append(appraiserBlock(readings, a, cellRange));
        data.averages.pointsByAppraiser.append(appraiserBlock(readings, a, cellMean));
        for (const QPointF& point : data.ranges.pointsByAppraiser.constLast())
            rangeSum += point.y();
    }
    const double rBar = rangeSum / (readings.appraisers * readings.parts);
    data.ranges.centre = rBar;
    data.ranges.upperLimit = factors.d4 * rBar;
    data.ranges.lowerLimit = factors.d3 * rBar;
    data.ranges.title = QStringLiteral("R chart: Rbar %1, UCL %2, LCL %3")
                            .arg(chartNumber(rBar, rBar), chartNumber(data.ranges.upperLimit, rBar),
                                 chartNumber(data.ranges.lowerLimit, rBar));
    const double grand = readings.grandMean();
    data.averages.centre = grand;
    data.averages.upperLimit = grand + factors.a2 * rBar;
    data.averages.lowerLimit = grand - factors.a2 * rBar;
    data.averages.title =
        QStringLiteral("Xbar chart: mean %1, UCL %2, LCL %3")
            .arg(chartNumber(grand, rBar), chartNumber(data.averages.upperLimit, rBar),
                 chartNumber(data.averages.lowerLimit, rBar));

    for (int a = 0; a < readings.appraisers; ++a) {
        QList<QPointF> line;
        for (int p = 0; p < readings.parts; ++p) {
            line.append(QPointF(p + 1, readings.cellMean(a, p)));
            for (int t = 0; t < readings.trials; ++t) {
                data.readingsByPart.append(QPointF(p + 1, readings.at(a, t, p)));
                data.readingsByAppraiser.append(QPointF(a + 1, readings.at(a, t, p)));
            }
        }
        data.interaction.append(line);
        data.appraiserMeans.append(QPointF(a + 1, readings.appraiserMean(a)));
    }
    for (int p = 0; p < readings.parts; ++p)
        data.partMeans.append(QPointF(p + 1, readings.partMean(p)));
    return data;
}

QString TextTable::tabSeparated(int firstRow, int lastRow, int firstColumn, int lastColumn) const
{
    QString text;
    for (int r = qMax(0, firstRow); r <= lastRow && r < rows.size(); ++r) {
        const QStringList& row = rows.at(r);
        for (int c = qMax(0, firstColumn); c <= lastColumn && c < row.size(); ++c) {
            if (c > qMax(0, firstColumn))
                text += QLatin1Char('\t');
            text += row.value(c).trimmed();
        }
        text += QLatin1Char('\n');
    }
    return text;
}

QList<TextTable> GageAnovaTables(const GageAnova& anova, const AverageRangeFigures& averageRange,
                                 const QLocale& locale)
{
    const TableNumbers numbers(locale);
    QList<TextTable> tables;
    tables.append(anovaTable(QStringLiteral("Two-way ANOVA table with interaction"),
                             anova.withInteraction, numbers));
    if (anova.interactionPooled) {
        const QString p =
            anova.interactionP ? numbers.fixed(*anova.interactionP, 3) : QStringLiteral("*");
        tables.append(anovaTable(
            QStringLiteral("Two-way ANOVA table without interaction (interaction p %1)").arg(p),
            anova.withoutInteraction, numbers));
    }
    tables.append(componentTable(anova, numbers));
    TextTable categories{QStringLiteral("Distinct categories"),
                         {{QStringLiteral("Method"), QStringLiteral("%Study Var (Gage R&R)"),
                           QStringLiteral("ndc")}}};
    categories.rows.append({QStringLiteral("ANOVA"),
                            numbers.fixed(anova.percentStudyVariation(GageComponent::GageRR), 2),
                            numbers.count(anova.distinctCategories())});
    categories.rows.append({QStringLiteral("Average and range"),
                            numbers.fixed(averageRange.percentStudyVariationRR, 2),
                            numbers.count(averageRange.distinctCategories)});
    tables.append(categories);
    return tables;
}

GageChartPage GageChartPage::of(const Study& study, const StudyInformation& information,
                                int featureNumber, const GageAnovaOptions& options,
                                const QLocale& locale)
{
    GageChartPage page;
    page.title = QStringLiteral("Gage R&R Charts and ANOVA");
    page.options =
        QStringLiteral(
            "Study variation %1 x StdDev; the interaction is removed when its p is above %2")
            .arg(locale.toString(options.studyVariation), locale.toString(options.removalLevel));
    if (featureNumber < 1 || featureNumber > study.FeatureCount()) {
        page.problem = QStringLiteral("There is no feature %1 in this study.").arg(featureNumber);
        return page;
    }
    const StudyFeature& feature = study.Features.at(featureNumber - 1);
    const GageReadings readings = GageReadings::of(study, feature);
    const GageAnova anova = ComputeGageAnova(readings, FeatureTolerance(feature), options);
    page.feature = feature.Name;
    page.verdict = feature.Status;
    if (feature.Problem)
        page.verdict +=
            QStringLiteral(" (no verdict of its own: %1)").arg(failureReason(feature, readings));
    if (!anova.computed()) {
        page.problem = anova.problem;
        return page;
    }
    const TableNumbers numbers(locale);
    const auto percent = [&](GageComponent component) {
        return numbers.fixed(anova.percentStudyVariation(component), 2) + QLatin1Char('%');
    };
    page.summary =
        QStringLiteral(
            "Gage R&R is %1 of the study variation (repeatability %2, reproducibility %3, "
            "part-to-part %4); ndc %5")
            .arg(percent(GageComponent::GageRR), percent(GageComponent::Repeatability),
                 percent(GageComponent::Reproducibility), percent(GageComponent::PartToPart),
                 numbers.count(anova.distinctCategories()));
    QStringList names;
    for (int a = 0; a < readings.appraisers; ++a)
        names << appraiserName(information, a);
    page.charts = GageChartData::of(readings, anova, names);
    page.tables = GageAnovaTables(anova, AverageRangeFigures::of(feature), locale);
    return page;
}
