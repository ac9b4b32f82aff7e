#pragma once

#include <QColor>
#include <QSizeF>
#include <QString>

#include <array>
#include <optional>

class QPainter;

// Six common measuring resolutions, three in inches and three in millimetres, drawn as
// concentric circles to one scale so their sizes can be compared.
namespace SizeComparison {

struct Size
{
    QString caption;
    QColor colour; // of the caption and of the circle
    float millimetres = 0;
};

constexpr int sizeCount = 6;
using Selection = std::array<bool, sizeCount>;
using Radii = std::array<std::optional<float>, sizeCount>;

const std::array<Size, sizeCount>& sizes();

// The radius of each selected size: the largest selected one gets 90 percent of half the
// drawing's height and the others the same scale. None for a size not selected.
Radii radii(const Selection& selected, float drawingHeight);

// The circles of the selected sizes, centred on a drawing of `drawingSize` (twips), in
// their colours with lines two pixels wide.
void draw(QPainter& painter, const QSizeF& drawingSize, const Selection& selected);

} // namespace SizeComparison
