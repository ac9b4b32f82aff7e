#pragma once

#include "rrstudy/GageAnova.h"

#include <QList>
#include <QLocale>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <functional>

class QPainter;
struct StudyInformation;

// What a feature's page of charts and ANOVA tables shows, computed here: the points,
// centre lines and limits of the six charts and the texts of the tables. The window
// and the printed page draw it; nothing here draws.

// A control chart by appraiser: each appraiser's points in a block of its own, part 1
// to n of appraiser a at x = a x n + p (from 1).
struct ControlChartData
{
    QString title;
    QList<QList<QPointF>> pointsByAppraiser;
    double centre = 0;
    double upperLimit = 0;
    double lowerLimit = 0;
};

struct GageChartData
{
    QStringList appraiserNames;
    int parts = 0;

    // Components of variation: one bar group per component, in percent.
    QStringList componentNames;
    QList<double> contribution;
    QList<double> studyVariation;
    QList<double> tolerance; // empty without a tolerance
    QString componentsTitle;

    // Ranges of each appraiser's trials on each part, with R-bar, D3 x R-bar and D4 x R-bar.
    ControlChartData ranges;
    // Averages of each appraiser's trials on each part, with the grand mean +- A2 x R-bar.
    ControlChartData averages;

    QList<QPointF> readingsByPart; // (part from 1, reading)
    QList<QPointF> partMeans;
    QList<QPointF> readingsByAppraiser; // (appraiser from 1, reading)
    QList<QPointF> appraiserMeans;
    QList<QList<QPointF>> interaction; // per appraiser: (part from 1, average)

    static GageChartData of(const GageReadings& readings, const GageAnova& anova,
                            const QStringList& appraiserNames);
};

// A table of texts that a user can copy into a spreadsheet; the first row holds the
// column headings, numbers are in the user's format.
struct TextTable
{
    QString title;
    QList<QStringList> rows;

    // The rows from `firstRow` to `lastRow` and the columns from `firstColumn` to
    // `lastColumn`, tab-separated, each row ended by a line break.
    QString tabSeparated(int firstRow, int lastRow, int firstColumn, int lastColumn) const;
};

// The tables of a feature's page: the ANOVA with interaction, without it when it was
// pooled, the variance components, and the distinct categories by both methods.
QList<TextTable> GageAnovaTables(const GageAnova& anova, const AverageRangeFigures& averageRange,
                                 const QLocale& locale);

struct GageChartPage
{
    QString title;
    QString feature; // "Bore 1"
    QString
        verdict; // the sheets' verdict, and why it is no verdict of its own for a failed feature
    QString summary; // the Gage R&R's share of the variation in one line
    QString options; // the study variation and the removal level in use
    QString problem; // why there are no charts and tables; empty when there are
    GageChartData charts;
    QList<TextTable> tables;

    // The page of feature `featureNumber` (from 1); a page with a problem for a number
    // outside the study.
    static GageChartPage of(const Study& study, const StudyInformation& information,
                            int featureNumber, const GageAnovaOptions& options,
                            const QLocale& locale = QLocale());
};

// Draws a feature's page on a painter measuring in points, within `area`. The programs
// that can draw charts supply one; quorvel-rr passes it in for --charts.
using ChartPageDrawer =
    std::function<void(QPainter& painter, const QRectF& area, const GageChartPage& page)>;
