#pragma once

#include "rrstudy/modRR.h"

#include <QList>
#include <QString>

#include <array>
#include <optional>

// The Gage R&R study of one feature by the ANOVA method: the crossed two-way analysis of
// variance of parts and appraisers with their interaction, the variance components and
// what the statistics packages report from them (%Contribution, %Study Variation,
// %Tolerance, the number of distinct categories). Beside the average-and-range figures
// of modRR, never instead of them.

// One feature's readings as numbers, within the study's counts (indices from 0).
struct GageReadings
{
    int appraisers = 0;
    int trials = 0;
    int parts = 0;
    std::array<std::array<std::array<double, maxParts>, maxTrials>, maxAppraisers> values{};
    // Why the readings cannot be analysed (a cell that is not a number, too few
    // appraisers, trials or parts); empty when they can.
    QString problem;

    double at(int appraiser, int trial, int part) const { return values[appraiser][trial][part]; }
    // The mean of one appraiser's trials on one part.
    double cellMean(int appraiser, int part) const;
    double appraiserMean(int appraiser) const;
    double partMean(int part) const;
    double grandMean() const;

    static GageReadings of(const Study& study, const StudyFeature& feature);
};

struct GageAnovaOptions
{
    // The study variation spans this many standard deviations: 6, or 5.15 as the
    // average-and-range sheets count.
    double studyVariation = 6;
    // The interaction is pooled into repeatability when its p is above this level.
    double removalLevel = 0.05;
};

enum class AnovaSource { Part, Appraiser, Interaction, Repeatability, Total };

struct AnovaRow
{
    AnovaSource source = AnovaSource::Total;
    int degreesOfFreedom = 0;
    double sumOfSquares = 0;
    std::optional<double> meanSquare; // none for the total
    std::optional<double> f;          // none where no test applies or its divisor is 0
    int divisorDegrees = 0;           // of the mean square F divides by

    // The p-value of F, worked out when asked for: a results table of thousands of
    // features needs only the interaction's.
    std::optional<double> p() const;
};

// The sources of variation the components are reported for, in report order.
enum class GageComponent {
    GageRR,
    Repeatability,
    Reproducibility,
    Appraiser,
    Interaction,
    PartToPart,
    Total
};

struct GageAnova
{
    QString problem; // why there is no analysis; empty when there is one
    QList<AnovaRow> withInteraction;
    QList<AnovaRow> withoutInteraction; // empty while the interaction is kept
    std::optional<double> interactionP;  // decides the pooling
    bool interactionPooled = false;
    // Variance components, each estimate below 0 taken as 0.
    double repeatabilityVariance = 0;
    double appraiserVariance = 0;
    double interactionVariance = 0;
    double partVariance = 0;
    std::optional<double> tolerance; // TOL when it is above 0
    double studyVariation = 6;

    bool computed() const { return problem.isEmpty(); }

    double variance(GageComponent component) const;
    double standardDeviation(GageComponent component) const;
    // Of the total variance; none when the total is 0.
    std::optional<double> percentContribution(GageComponent component) const;
    // Of the total standard deviation; none when it is 0.
    std::optional<double> percentStudyVariation(GageComponent component) const;
    // The study variation as a percentage of TOL; none without a tolerance above 0.
    std::optional<double> percentTolerance(GageComponent component) const;
    // floor(sqrt(2) x sigma part / sigma Gage R&R), at least 1; none when the gage shows
    // no variation at all.
    std::optional<int> distinctCategories() const;
};

// The analysis of readings that can be analysed (an empty problem).
GageAnova ComputeGageAnova(const GageReadings& readings, std::optional<double> tolerance,
                           const GageAnovaOptions& options);

// Upper plus lower tolerance, as the sheets add them; none when either is not a number.
std::optional<double> FeatureTolerance(const StudyFeature& feature);

// The analysis of one feature of a study: its readings and its tolerance. A reading
// that is not a number leaves no analysis.
GageAnova AnalyseFeature(const Study& study, const StudyFeature& feature,
                         const GageAnovaOptions& options);

// The average-and-range results of modRR read as the ANOVA's figures are: %Study
// Variation of each (of the total variation sqrt(RR^2 + PV^2)) and the number of
// distinct categories. Nothing for a feature whose calculation failed.
struct AverageRangeFigures
{
    std::optional<double> percentStudyVariationEV;
    std::optional<double> percentStudyVariationAV;
    std::optional<double> percentStudyVariationRR;
    std::optional<double> percentStudyVariationPV;
    std::optional<int> distinctCategories;

    static AverageRangeFigures of(const StudyFeature& feature);
};

// The p-value of an F ratio with the given degrees of freedom (the upper tail of the F
// distribution); none for a ratio that is not a finite number 0 or above.
std::optional<double> FDistributionUpperTail(double f, int df1, int df2);
