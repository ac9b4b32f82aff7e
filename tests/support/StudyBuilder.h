#pragma once

#include "rrstudy/modRR.h"

#include <QByteArray>
#include <QString>

#include <functional>

class QTemporaryDir;

// Studies and files for the tests of the Gage R&R study, its import and quorvel-rr.

// A file of tests/data, and its bytes. gage-rr-reference-cmm.csv is the reference example
// as a CMM writes it: line 1 "Run" and the names Bore 1 (tolerance 2.5 either way) and
// Bore 2 (10 either way), lines 2 and 3 the tolerances, then one line per reading from
// line 4, column 2, appraiser 1's parts first, trials in order; gage-rr-reference-cmm.tpl
// is its layout.
QString testDataPath(const QString& name);
QByteArray testData(const QString& name);

Study studyOfShape(int appraisers, int trials, int parts);

// A feature whose reading of appraiser a, trial t, part p (from 0) is reading(a, t, p).
StudyFeature measuredFeature(int number, const std::function<double(int a, int t, int p)>& reading,
                             const QString& upper = QStringLiteral("0.5"),
                             const QString& lower = QStringLiteral("0.5"));

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

// Every cell names its place, "L5C3" for line 5, column 3 (from 1); lines end CR LF.
QByteArray placeNamedGrid(int lines, int columns);

// Writes `content` into `folder` as `name`; the path, or empty when it failed.
QString writeTestFile(const QTemporaryDir& folder, const QString& name, const QByteArray& content);
