#include "thermal/MaterialTable.h"

#include "common/NumberText.h"

#include <array>

namespace MaterialTable {
namespace {

struct Material
{
    const char* name;
    const char* perDegreeCentigrade;
    const char* perDegreeFahrenheit;
};

const std::array<Material, 39> materials = {{
    {"ABS thermoplastic", "99", "55"},
    {"Alumina", "5.4", "3.0"},
    {"Aluminum", "22.2", "12.3"},
    {"Beryllium", "11.5", "6.4"},
    {"Beryllium Copper (25/75)", "16.7", "9.3"},
    {"Brass", "18.7", "10.4"},
    {"Bronze", "18.0", "10.0"},
    {"Carbon - diamond", "1.2", "0.7"},
    {"Cast Iron Gray", "10.8", "6.0"},
    {"Copper", "16.5", "9.3"},
    {"CPVC thermoplastic", "61.2", "34"},
    {"Glass, hard", "5.9", "3.3"},
    {"Glass, Pyrex", "4.0", "2.2"},
    {"Glass, plate", "9.0", "5.0"},
    {"Gold", "14.2", "8.2"},
    {"Graphite", "7.9", "4.4"},
    {"Inconel", "12.6", "7.0"},
    {"Iron, cast", "10.4", "5.9"},
    {"Iron, forged", "11.3", "6.3"},
    {"Lead", "28.0", "15.1"},
    {"Magnesium", "27", "15"},
    {"Monel", "13.5", "7.5"},
    {"Nickel", "13.0", "7.2"},
    {"Platinum", "9.0", "5.0"},
    {"Porcelain", "3.0", "1.7"},
    {"PVC thermoplastic", "52.2", "29"},
    {"Quartz, fused", "0.59", "0.33"},
    {"Rubber", "77", "42.8"},
    {"Silver", "19.5", "10.7"},
    {"Steel", "13.0", "7.3"},
    {"Steel Stainless (304)", "17.3", "9.6"},
    {"Steel Stainless (310)", "14.4", "8.0"},
    {"Steel Stainless (316)", "16.0", "8.9"},
    {"Steel Stainless (410)", "9.9", "5.5"},
    {"Tin", "23.4", "13.0"},
    {"Titanium", "8.6", "4.8"},
    {"Tungsten", "4.3", "2.4"},
    {"Uranium", "13.9", "7.7"},
    {"Zinc", "29.7", "16.5"},
}};

} // namespace

int count()
{
    return static_cast<int>(materials.size());
}

QStringList names()
{
    QStringList list;
    for (const Material& material : materials)
        list.append(QLatin1String(material.name));
    return list;
}

QString coefficientText(int row, DegreeUnit unit, const QLocale& locale)
{
    if (row < 0 || row >= count())
        return {};
    const Material& material = materials[static_cast<std::size_t>(row)];
    QString text = QLatin1String(unit == DegreeUnit::Fahrenheit ? material.perDegreeFahrenheit
                                                                : material.perDegreeCentigrade);
    return text.replace(QLatin1Char('.'), locale.decimalPoint());
}

QString shownCoefficient(int row, DegreeUnit unit, const QString& current, const QLocale& locale)
{
    if (row >= 0 && row < count())
        return coefficientText(row, unit, locale);
    const auto value = NumberText::toDouble(current, locale);
    if (!value)
        return current;
    return NumberText::formatNumber(*value, QStringLiteral("0.0"), locale);
}

} // namespace MaterialTable
