#include "rrstudy/GageAnova.h"

#include "common/NumberText.h"

#include <boost/math/distributions/fisher_f.hpp>

#include <cmath>

namespace {

// Doubles stay doubles inside the library (its default would work in long double), and
// a bad argument gives NaN instead of an exception.
using FPolicy = boost::math::policies::policy<
    boost::math::policies::promote_double<false>,
    boost::math::policies::domain_error<boost::math::policies::errno_on_error>,
    boost::math::policies::overflow_error<boost::math::policies::errno_on_error>,
    boost::math::policies::evaluation_error<boost::math::policies::errno_on_error>>;

std::optional<double> ratio(double numerator, double divisor)
{
    if (divisor <= 0)
        return std::nullopt;
    return numerator / divisor;
}

std::optional<double> percentOf(double part, double whole)
{
    const auto share = ratio(part, whole);
    return share ? std::optional<double>(100 * *share) : std::nullopt;
}

// The number of distinct categories the gage tells apart in the parts' spread: none
// when the gage shows no spread at all.
std::optional<int> distinctCategoriesOf(double partSpread, double gageSpread)
{
    const auto categories = ratio(std::sqrt(2.0) * partSpread, gageSpread);
    if (!categories)
        return std::nullopt;
    // A gage with next to no spread would give more categories than an int holds.
    return int(std::max(1.0, std::floor(std::min(*categories, 1e9))));
}

// The F test of a mean square against the one it is tested against.
void test(AnovaRow& row, double divisor, int divisorDegrees)
{
    row.f = ratio(*row.meanSquare, divisor);
    row.divisorDegrees = divisorDegrees;
}

AnovaRow row(AnovaSource source, int degrees, double sumOfSquares)
{
    AnovaRow result;
    result.source = source;
    result.degreesOfFreedom = degrees;
    result.sumOfSquares = sumOfSquares;
    if (source != AnovaSource::Total)
        result.meanSquare = sumOfSquares / degrees;
    return result;
}

struct SumsOfSquares
{
    double part = 0;
    double appraiser = 0;
    double interaction = 0;
    double repeatability = 0;
    double total = 0;
};

// Each sum straight from its deviations, so none comes out below 0 by cancellation.
SumsOfSquares sumsOfSquares(const GageReadings& readings)
{
    const int k = readings.appraisers;
    const int r = readings.trials;
    const int n = readings.parts;
    const double grand = readings.grandMean();
    std::array<double, maxParts> partMeans{};
    std::array<double, maxAppraisers> appraiserMeans{};
    for (int p = 0; p < n; ++p)
        partMeans[p] = readings.partMean(p);
    for (int a = 0; a < k; ++a)
        appraiserMeans[a] = readings.appraiserMean(a);

    SumsOfSquares sums;
    for (int p = 0; p < n; ++p)
        sums.part += std::pow(partMeans[p] - grand, 2);
    sums.part *= k * r;
    for (int a = 0; a < k; ++a)
        sums.appraiser += std::pow(appraiserMeans[a] - grand, 2);
    sums.appraiser *= n * r;
    for (int a = 0; a < k; ++a) {
        for (int p = 0; p < n; ++p) {
            const double cell = readings.cellMean(a, p);
            sums.interaction += std::pow(cell - appraiserMeans[a] - partMeans[p] + grand, 2);
            for (int t = 0; t < r; ++t) {
                sums.repeatability += std::pow(readings.at(a, t, p) - cell, 2);
                sums.total += std::pow(readings.at(a, t, p) - grand, 2);
            }
        }
    }
    sums.interaction *= r;
    return sums;
}

double nonNegative(double estimate)
{
    return std::max(0.0, estimate);
}

} // namespace

double GageReadings::cellMean(int appraiser, int part) const
{
    double sum = 0;
    for (int t = 0; t < trials; ++t)
        sum += at(appraiser, t, part);
    return sum / trials;
}

double GageReadings::appraiserMean(int appraiser) const
{
    double sum = 0;
    for (int p = 0; p < parts; ++p)
        sum += cellMean(appraiser, p);
    return sum / parts;
}

double GageReadings::partMean(int part) const
{
    double sum = 0;
    for (int a = 0; a < appraisers; ++a)
        sum += cellMean(a, part);
    return sum / appraisers;
}

double GageReadings::grandMean() const
{
    double sum = 0;
    for (int a = 0; a < appraisers; ++a)
        sum += appraiserMean(a);
    return sum / appraisers;
}

GageReadings GageReadings::of(const Study& study, const StudyFeature& feature)
{
    GageReadings readings;
    readings.appraisers = study.AppraiserCount;
    readings.trials = study.TrialCount;
    readings.parts = study.PartCount;
    const auto fits = [](int count, int most) { return count >= 2 && count <= most; };
    if (!fits(readings.appraisers, maxAppraisers) || !fits(readings.trials, maxTrials) ||
        !fits(readings.parts, maxParts)) {
        readings.problem =
            QStringLiteral("The analysis of variance needs 2 or 3 appraisers, 2 or 3 trials "
                           "and 2 to 10 parts.");
        return readings;
    }
    for (int a = 0; a < readings.appraisers; ++a) {
        for (int t = 0; t < readings.trials; ++t) {
            for (int p = 0; p < readings.parts; ++p) {
                const std::optional<double> value = feature.Readings[a][t][p].number();
                if (!value || !std::isfinite(*value)) {
                    readings.problem =
                        QStringLiteral("The reading of appraiser %1, trial %2, part %3 is not a "
                                       "number: \"%4\".")
                            .arg(a + 1)
                            .arg(t + 1)
                            .arg(p + 1)
                            .arg(QString(feature.Readings[a][t][p]));
                    return readings;
                }
                readings.values[a][t][p] = *value;
            }
        }
    }
    return readings;
}

std::optional<double> FDistributionUpperTail(double f, int df1, int df2)
{
    if (!std::isfinite(f) || f < 0 || df1 < 1 || df2 < 1)
        return std::nullopt;
    const boost::math::fisher_f_distribution<double, FPolicy> distribution(df1, df2);
    const double p = boost::math::cdf(boost::math::complement(distribution, f));
    if (!std::isfinite(p))
        return std::nullopt;
    return p;
}

GageAnova ComputeGageAnova(const GageReadings& readings, std::optional<double> tolerance,
                           const GageAnovaOptions& options)
{
    GageAnova anova;
    anova.studyVariation = options.studyVariation;
    if (tolerance && *tolerance > 0)
        anova.tolerance = tolerance;
    if (!readings.problem.isEmpty()) {
        anova.problem = readings.problem;
        return anova;
    }
    const int k = readings.appraisers;
    const int r = readings.trials;
    const int n = readings.parts;
    const SumsOfSquares sums = sumsOfSquares(readings);

    AnovaRow part = row(AnovaSource::Part, n - 1, sums.part);
    AnovaRow appraiser = row(AnovaSource::Appraiser, k - 1, sums.appraiser);
    AnovaRow interaction = row(AnovaSource::Interaction, (n - 1) * (k - 1), sums.interaction);
    AnovaRow repeatability = row(AnovaSource::Repeatability, n * k * (r - 1), sums.repeatability);
    const AnovaRow total = row(AnovaSource::Total, n * k * r - 1, sums.total);
    const double msInteraction = *interaction.meanSquare;
    const double msRepeatability = *repeatability.meanSquare;
    test(part, msInteraction, interaction.degreesOfFreedom);
    test(appraiser, msInteraction, interaction.degreesOfFreedom);
    test(interaction, msRepeatability, repeatability.degreesOfFreedom);
    anova.withInteraction = {part, appraiser, interaction, repeatability, total};

    // Without repeatability to test against, an interaction that shows at all is kept.
    anova.interactionP = interaction.p();
    anova.interactionPooled =
        anova.interactionP ? *anova.interactionP > options.removalLevel : msInteraction <= 0;
    if (anova.interactionPooled) {
        const AnovaRow pooled = row(AnovaSource::Repeatability,
                                    repeatability.degreesOfFreedom + interaction.degreesOfFreedom,
                                    sums.repeatability + sums.interaction);
        test(part, *pooled.meanSquare, pooled.degreesOfFreedom);
        test(appraiser, *pooled.meanSquare, pooled.degreesOfFreedom);
        anova.withoutInteraction = {part, appraiser, pooled, total};
        anova.repeatabilityVariance = *pooled.meanSquare;
        anova.appraiserVariance =
            nonNegative((*appraiser.meanSquare - *pooled.meanSquare) / (n * r));
        anova.partVariance = nonNegative((*part.meanSquare - *pooled.meanSquare) / (k * r));
    } else {
        anova.repeatabilityVariance = msRepeatability;
        anova.interactionVariance = nonNegative((msInteraction - msRepeatability) / r);
        anova.appraiserVariance = nonNegative((*appraiser.meanSquare - msInteraction) / (n * r));
        anova.partVariance = nonNegative((*part.meanSquare - msInteraction) / (k * r));
    }
    return anova;
}

std::optional<double> FeatureTolerance(const StudyFeature& feature)
{
    const auto upper = NumberText::toDouble(feature.UpperTol, QLocale::c());
    const auto lower = NumberText::toDouble(feature.LowerTol, QLocale::c());
    if (!upper || !lower)
        return std::nullopt;
    return *upper + *lower;
}

GageAnova AnalyseFeature(const Study& study, const StudyFeature& feature,
                         const GageAnovaOptions& options)
{
    return ComputeGageAnova(GageReadings::of(study, feature), FeatureTolerance(feature), options);
}

std::optional<double> AnovaRow::p() const
{
    return f ? FDistributionUpperTail(*f, degreesOfFreedom, divisorDegrees) : std::nullopt;
}

double GageAnova::variance(GageComponent component) const
{
    const double reproducibility = appraiserVariance + interactionVariance;
    switch (component) {
    case GageComponent::GageRR:
        return repeatabilityVariance + reproducibility;
    case GageComponent::Repeatability:
        return repeatabilityVariance;
    case GageComponent::Reproducibility:
        return reproducibility;
    case GageComponent::Appraiser:
        return appraiserVariance;
    case GageComponent::Interaction:
        return interactionVariance;
    case GageComponent::PartToPart:
        return partVariance;
    case GageComponent::Total:
        break;
    }
    return repeatabilityVariance + reproducibility + partVariance;
}

double GageAnova::standardDeviation(GageComponent component) const
{
    return std::sqrt(variance(component));
}

std::optional<double> GageAnova::percentContribution(GageComponent component) const
{
    return percentOf(variance(component), variance(GageComponent::Total));
}

std::optional<double> GageAnova::percentStudyVariation(GageComponent component) const
{
    return percentOf(standardDeviation(component), standardDeviation(GageComponent::Total));
}

std::optional<double> GageAnova::percentTolerance(GageComponent component) const
{
    if (!tolerance)
        return std::nullopt;
    return 100 * studyVariation * standardDeviation(component) / *tolerance;
}

std::optional<int> GageAnova::distinctCategories() const
{
    return distinctCategoriesOf(standardDeviation(GageComponent::PartToPart),
                                standardDeviation(GageComponent::GageRR));
}

AverageRangeFigures AverageRangeFigures::of(const StudyFeature& feature)
{
    AverageRangeFigures figures;
    if (feature.Problem)
        return figures;
    const double totalVariation = std::hypot(feature.RR, feature.PV);
    figures.percentStudyVariationEV = percentOf(feature.EV, totalVariation);
    figures.percentStudyVariationAV = percentOf(feature.AV, totalVariation);
    figures.percentStudyVariationRR = percentOf(feature.RR, totalVariation);
    figures.percentStudyVariationPV = percentOf(feature.PV, totalVariation);
    figures.distinctCategories = distinctCategoriesOf(feature.PV, feature.RR);
    return figures;
}
