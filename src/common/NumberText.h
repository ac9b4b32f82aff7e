#pragma once

#include <QLocale>
#include <QString>

#include <optional>

class QDate;
class QTime;

// Number text as every tool reads and writes it: numeric tests and conversions of
// text-box contents (in the user's locale) and file cells (in the C locale), and the
// fixed format patterns results are written back with.
namespace NumberText {

// Optional surrounding blanks, an optional sign, digits with at most one decimal
// separator and an optional exponent. No grouping separators.
bool isNumeric(const QString& text, const QLocale& locale = QLocale());

// Each conversion fails (empty optional) on text that is not numeric or a value
// out of the target's range.
std::optional<double> toDouble(const QString& text, const QLocale& locale = QLocale());
std::optional<float> toSingle(const QString& text, const QLocale& locale = QLocale());

// A Latin-1 file cell read as toDouble reads it in the C locale, without allocating.
std::optional<double> cNumber(QLatin1StringView text);

// Rounds to the nearest integer, halves to even (2.5 -> 2, 3.5 -> 4).
std::optional<qint16> toInt16(double value);
std::optional<qint16> toInt16(const QString& text, const QLocale& locale = QLocale());

// Writes value through a pattern: '0' a forced digit, '#' an optional digit, one
// decimal point, anything else literal; no grouping. Rounds half away from zero on
// the value's shortest decimal form; a value that rounds to zero has no minus sign.
// The integer part is never cut. A value that is not finite gives an empty text.
QString formatNumber(double value, const QString& pattern, const QLocale& locale = QLocale());

// Plain text of a double as a text box holds an intermediate result: up to 15
// significant digits, no exponent for ordinary magnitudes.
QString plainText(double value, const QLocale& locale = QLocale());

// "DD-MMM-YY" (06-Dec-26) and "hh:mm AM/PM" (07:05 AM), English month names.
QString formatDate(const QDate& date);
QString formatTime(const QTime& time);

} // namespace NumberText
