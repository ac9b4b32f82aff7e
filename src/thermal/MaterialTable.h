#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

// The built-in table of approximate coefficients of expansion of common part
// materials, in ppm per degree Centigrade and per degree Fahrenheit. The two columns
// are separate handbook figures, not one derived from the other, and the rows keep
// their table order (the list is not sorted).
namespace MaterialTable {

enum class DegreeUnit { Fahrenheit, Centigrade };

int count();
QStringList names();

// The coefficient of the material at a row (0 for the first) as the table gives it,
// written with the locale's decimal separator so it reads back as a number in a text
// box. Empty for a row outside the table.
QString coefficientText(int row, DegreeUnit unit, const QLocale& locale = QLocale());

// What the coefficient label shows for a list selection: the material's coefficient,
// or, when no material is selected (row outside the table), the label's current text
// re-written with one decimal. A current text that is not a number stays as it is.
QString shownCoefficient(int row, DegreeUnit unit, const QString& current,
                         const QLocale& locale = QLocale());

} // namespace MaterialTable
