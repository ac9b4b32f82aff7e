#pragma once

#include <QLocale>
#include <QString>

#include <optional>

// Conversion of a temperature between degrees Fahrenheit and degrees Centigrade.
namespace TemperatureConversion {

enum class Direction { FahrenheitToCentigrade, CentigradeToFahrenheit };

double convert(double degrees, Direction direction);

// The converted temperature as the window shows it: two decimals followed by the
// letter of the target scale, no blank between ("100.00C"). Empty when the text is
// not a number or the result overflows.
std::optional<QString> resultText(const QString& temperature, Direction direction,
                                  const QLocale& locale = QLocale());

} // namespace TemperatureConversion
