#pragma once

#include <QString>

#include <array>

// The 38 symbols of geometric dimensioning and tolerancing in the reference, in the order
// of their pictures and of the list: a name, a one-sentence description and the file of
// the picture (an SVG under the resource prefix /reference/symbols).
namespace GdtSymbols {

struct Symbol
{
    QString name;
    QString description;
    QString picture;
};

constexpr int symbolCount = 38;
// The wide picture of the feature control frame, the last symbol.
constexpr int featureControlFrame = 37;

const std::array<Symbol, symbolCount>& symbols();

} // namespace GdtSymbols
