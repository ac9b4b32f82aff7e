#pragma once

#include "common/AppError.h"

#include <QByteArray>
#include <QString>

#include <optional>

struct Study;

// The results of a computed study as a CSV table, one row per feature in feature
// order, for spreadsheets and SPC systems: number, name, upper, lower, TOL, EV, AV,
// RR, PV, %EV, %AV, %RR, %PV, status, problem. Numbers are written in the C locale
// with every digit they have; the tolerances stay the cells as they were imported.
namespace ResultsCsv {

// A field as CSV carries it: enclosed in double quotes, with its quotes doubled, when
// it holds a comma, a quote, a line break or blanks at either end.
QString field(const QString& text);

// The header and one row per feature, each line ended by CR LF, in UTF-8.
QByteArray table(const Study& study);

// Replaces the file whole, or leaves it as it was.
std::optional<AppError> write(const QString& path, const Study& study);

} // namespace ResultsCsv
