#include "thermal/ThermalExpansion.h"

#include "common/NumberText.h"

#include <cmath>

namespace ThermalExpansion {

Result compute(double size, double coefficientPpm, double temperatureChange)
{
    Result result;
    result.expansion = size / 1000000 * coefficientPpm * temperatureChange;
    result.newSize = size + result.expansion;
    return result;
}

std::optional<ResultText> resultText(const QString& size, const QString& coefficientPpm,
                                     const QString& temperatureChange, LengthUnit unit,
                                     const QLocale& locale)
{
    const auto coefficient = NumberText::toDouble(coefficientPpm, locale);
    const auto change = NumberText::toDouble(temperatureChange, locale);
    const auto original = NumberText::toDouble(size, locale);
    if (!coefficient || !change || !original)
        return std::nullopt;
    const Result result = compute(*original, *coefficient, *change);
    // Sizes near the limit of a double can overflow: that is no result either.
    if (!std::isfinite(result.expansion) || !std::isfinite(result.newSize))
        return std::nullopt;
    const QString pattern =
        unit == LengthUnit::Inch ? QStringLiteral("0.0000") : QStringLiteral("0.00000");
    return ResultText{NumberText::formatNumber(result.expansion, pattern, locale),
                      NumberText::formatNumber(result.newSize, pattern, locale)};
}

} // namespace ThermalExpansion
