#pragma once

#include <QLocale>
#include <QString>

#include <optional>

// The change in size of a part for a change of temperature, from the material's
// coefficient of expansion in ppm (millionths of the size) per degree.
namespace ThermalExpansion {

// The unit of the size only sets how many decimals the results are written with;
// nothing is converted.
enum class LengthUnit { Inch, Millimetre };

struct Result
{
    double expansion = 0;
    double newSize = 0;
};

// No conversion between degree units is made: the coefficient and the temperature
// change are taken to be in the same one.
Result compute(double size, double coefficientPpm, double temperatureChange);

struct ResultText
{
    QString expansion;
    QString newSize;
};

// The results as the window shows them, four decimals for inches and five for
// millimetres. Empty when any of the three texts is not a number.
std::optional<ResultText> resultText(const QString& size, const QString& coefficientPpm,
                                     const QString& temperatureChange, LengthUnit unit,
                                     const QLocale& locale = QLocale());

} // namespace ThermalExpansion
