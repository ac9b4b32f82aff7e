#include "thermal/TemperatureConversion.h"

#include "common/NumberText.h"

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
    const QChar scale =
        direction == Direction::FahrenheitToCentigrade ? QLatin1Char('C') : QLatin1Char('F');
    return NumberText::formatNumber(convert(*degrees, direction), QStringLiteral("0.00"), locale) +
           scale;
}

} // namespace TemperatureConversion
