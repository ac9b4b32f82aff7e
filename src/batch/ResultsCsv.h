#pragma once

#include "rrstudy/GageAnova.h"

#include <QByteArray>
#include <QString>

#include <optional>

// The results of a computed study as a CSV table, one row per feature in feature
// order, for spreadsheets and SPC systems: number, name, upper, lower, TOL, EV, AV,
// RR, PV, %EV, %AV, %RR, %PV, status, problem. Numbers are written in the C locale
// with every digit they have; a figure the calculation did not compute is empty. The
// tolerances stay the cells as they were imported.
namespace ResultsCsv {

// A field as CSV carries it: enclosed in double quotes, with its quotes doubled, when
// it holds a comma, a quote, a line break or blanks at either end.
QString field(const QString& text);

// The header and one row per feature, each line ended by CR LF, in UTF-8. With ANOVA
// options, each row goes on with the ANOVA method's figures of Gage R&R: %Contribution,
// %Study Var, %Tolerance, ndc, the interaction's p and whether it was pooled (empty
// for a feature whose readings cannot be analysed).
QByteArray table(const Study& study, const std::optional<GageAnovaOptions>& anova = std::nullopt);

} // namespace ResultsCsv
