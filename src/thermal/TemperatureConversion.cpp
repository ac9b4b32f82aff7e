#include "thermal/TemperatureConversion.h"

#include "common/NumberText.h"

#include <cmath>

namespace TemperatureConversion {

double convert(double degrees, Direction direction)
{
    if (direction == Direction::FahrenheitToCentigrade)
        return (degrees - 32) * 5 / 9;
    return degrees * 9 / 5 + 32;
}

std::optional<QString> resultText(const QString& temperature, Direction direction,
                                  const QLocale& locale)
{
    const auto degrees = NumberText::toDouble(temperature, locale);
    if (!degrees)
        return std::nullopt;
    // Temperatures near the limit of a double overflow: that is no result either.
    const double converted = convert(*degrees, direction);
    if (!std::isfinite(converted))
        return std::nullopt;
    const QChar scale =
        direction == Direction::FahrenheitToCentigrade ? QLatin1Char('C') : QLatin1Char('F');
    return NumberText::formatNumber(converted, QStringLiteral("0.00"), locale) + scale;
}

} // namespace TemperatureConversion
