#pragma once

#include "rrstudy/GageChartPage.h"

#include <QStringList>

class QTextStream;

// quorvel-rr: a Gage R&R study computed and reported from the command line, by the
// routines the study window and the import window use. Reads the command line, writes
// the summary to `out` and messages to `errors`, and returns the exit status: 0 done,
// 1 when the file, the template, the validation, the calculation or a report fails
// (with the window's message), 2 on wrong usage (with the usage). `drawChartPage` draws
// a feature's charts for --charts.
int RunBatch(const QStringList& arguments, QTextStream& out, QTextStream& errors,
             const ChartPageDrawer& drawChartPage);
