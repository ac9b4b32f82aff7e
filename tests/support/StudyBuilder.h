#pragma once

#include "rrstudy/modRR.h"

#include <QByteArray>
#include <QString>

#include <functional>

class QTemporaryDir;

// Studies and files for the tests of the Gage R&R study, its import and quorvel-rr.

// A file of tests/data.
QString testDataPath(const QString& name);

Study studyOfShape(int appraisers, int trials, int parts);

// A feature whose reading of appraiser a, trial t, part p (from 0) is reading(a, t, p).
StudyFeature measuredFeature(int number, const std::function<double(int a, int t, int p)>& reading,
                             const QString& upper = QStringLiteral("0.5"), const QString& lower = QStringLiteral("0.5"));

// A feature as a calculation left it: named, judged, with its %R&R.
StudyFeature judgedFeature(int number, const QString& name, const QString& status, double pctRR = 0,
                           bool problem = false);

// A study of one feature, "Bore 1", from a file of tests/data in rows
// "appraiser,trial,part 1,...,part n" after a header line.
Study studyFromReadings(const QString& name, const QString& upper = QStringLiteral("0.5"),
                        const QString& lower = QStringLiteral("0.5"));

// The reference manual's worked example: 3 appraisers x 3 trials x 10 parts, tolerance
// 2.5 either way (TOL 5).
Study referenceStudy();

// A study as a CMM writes it: line 1 "Run" and the feature names, lines 2 and 3 the
// upper and lower tolerances, then one line per reading, appraiser 1's parts first,
// each part's trials together, with the line number in column 1. Readings from line 4,
// column 2, trials in order.
QByteArray cmmFileOf(const Study& study);

// Every cell names its place, "L5C3" for line 5, column 3 (from 1); lines end CR LF.
QByteArray placeNamedGrid(int lines, int columns);

// Writes `content` into `folder` as `name`; the path, or empty when it failed.
QString writeTestFile(const QTemporaryDir& folder, const QString& name, const QByteArray& content);
