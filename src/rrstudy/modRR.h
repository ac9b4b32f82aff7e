#pragma once

#include "rrstudy/StudyCell.h"

#include <QList>
#include <QString>

#include <array>
#include <optional>

// The Gage R&R study after the average-and-range method: its data, the calculation
// of every feature and the verdict tally.

constexpr int maxAppraisers = 3;
constexpr int maxTrials = 3;
constexpr int maxParts = 10;

// The figures of a feature that a results table reports.
enum class FeatureResult { TOL, EV, AV, RR, PV, PctEV, PctAV, PctRR, PctPV };

// One measured characteristic of the part. Cells hold the text the import read;
// the calculation reads them as numbers (C locale) when it uses them. Indices are
// 0-based: appraiser a, trial t, part p of the description are [a-1][t-1][p-1].
struct StudyFeature {
    QString Name;
    QString UpperTol;
    QString LowerTol;
    QString Status;  // "Acceptable", "Caution", "Unacceptable", or empty before a verdict
    qint16 Number = 0;  // 1 to FeatureCount
    std::array<std::array<std::array<StudyCell, maxParts>, maxTrials>, maxAppraisers> Readings;
    std::array<std::array<double, maxParts>, maxAppraisers> PartRange{};
    std::array<double, maxAppraisers> AppraiserAverage{};
    std::array<double, maxAppraisers> AppraiserRangeAverage{};
    std::array<double, maxParts> PartAverage{};
    double Rp = 0;
    double RBar = 0;
    double XDiff = 0;
    double EV = 0;
    double AV = 0;
    double RR = 0;
    double PV = 0;
    double TOL = 0;
    double PctEV = 0;
    double PctAV = 0;
    double PctRR = 0;
    double PctPV = 0;
    bool Problem = false;
    double K1 = 0;
    double K2 = 0;
    double K3 = 0;
    quint16 ComputedResults = 0;  // one bit per FeatureResult the last calculation stored

    bool computed(FeatureResult result) const { return ComputedResults & (1u << int(result)); }
};

struct Study {
    int AppraiserCount = 0;  // 2 or 3
    int PartCount = 0;       // 2 to 10
    int TrialCount = 0;      // 2 or 3
    QList<StudyFeature> Features;  // in file order; Features[i].Number == i + 1
    float AcceptLimit = 0;
    float UnacceptLimit = 0;
    qint16 AcceptableCount = 0;
    qint16 CautionCount = 0;
    qint16 UnacceptableCount = 0;
    bool ImportSucceeded = false;

    qsizetype FeatureCount() const { return Features.size(); }
};

// The study of this run.
Study& theStudy();

// Computes every feature in order; a feature that fails is marked Problem and the
// calculation goes on. The limits are the texts of the study window's two lists.
// The d2 table is read from `tableFolder` (the program's folder by default).
// Returns true when it has been through all features.
bool CalculateStudy(Study& study, const QString& acceptLimitText, const QString& unacceptLimitText,
                    const QString& tableFolder = QString());

// The d2 value for group size m (2..10) and group count g (1 or more; 16 and over
// share one line), read afresh from tbld2.txt in `tableFolder`. Empty when the file
// is missing, short or unreadable, m or g is out of range, or the value is 0 or below.
std::optional<double> LookupD2(int m, int g, const QString& tableFolder = QString());

// The path of the d2 table in `tableFolder` (the program's folder by default).
QString D2TablePath(const QString& tableFolder = QString());
// What keeps the d2 table from serving every lookup ("it is missing", "line 17 is not
// a number ..."); nothing when all 144 values can be used.
std::optional<QString> D2TableProblem(const QString& tableFolder = QString());

// Gives every failed feature the verdict "Caution" and recounts the three verdicts.
void TallyStatuses(Study& study);
