#include "uncertainty/UncertaintyLengths.h"

#include "common/NumberText.h"

#include <cmath>

namespace UncertaintyLengths {

std::optional<double> toleranceShare(const QString& percentage, const QLocale& locale)
{
    const auto value = NumberText::toDouble(percentage, locale);
    if (!value || *value <= 0 || *value >= 100.001)
        return std::nullopt;
    return *value / 100;
}

bool writeLength(QString& text, double millimetres, Unit unit, const QLocale& locale,
                 const QString& millimetrePattern)
{
    if (!std::isfinite(millimetres))
        return false;
    text = unit == Unit::Millimetre
               ? NumberText::formatNumber(millimetres, millimetrePattern, locale)
               : NumberText::formatNumber(millimetres / millimetresPerInch, inchFormat, locale);
    return true;
}

void convertTexts(Texts& texts, Unit newUnit, const QLocale& locale)
{
    for (QString& text : texts) {
        const auto shown = NumberText::toDouble(text, locale);
        if (!shown)
            continue;
        // The number was in the other unit: as millimetres it is written straight back
        // in inches, as inches it becomes millimetres.
        writeLength(text, newUnit == Unit::Inch ? *shown : *shown * millimetresPerInch, newUnit,
                    locale);
    }
}

void StoredLengths::load(const Texts& texts, Unit unit, const QLocale& locale)
{
    const double factor = unit == Unit::Millimetre ? 1 : millimetresPerInch;
    for (std::size_t field = 0; field < fieldCount; ++field)
        if (const auto number = NumberText::toDouble(texts[field], locale))
            m_values[field] = *number * factor;
}

} // namespace UncertaintyLengths
