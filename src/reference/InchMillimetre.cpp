#include "reference/InchMillimetre.h"

#include "common/NumberText.h"

#include <cmath>

namespace InchMillimetre {

std::optional<QString> resultText(const QString& length, Direction direction, const QLocale& locale)
{
    const auto value = NumberText::toDouble(length, locale);
    if (!value)
        return std::nullopt;
    const double result = direction == Direction::InchToMillimetre ? *value * 25.4 : *value / 25.4;
    if (!std::isfinite(result))
        return std::nullopt;
    return NumberText::formatNumber(result, QStringLiteral("#0.0######"), locale);
}

} // namespace InchMillimetre
