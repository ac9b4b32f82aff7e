#include "reference/SizeComparison.h"

#include "common/Twips.h"

#include <QPainter>

namespace SizeComparison {

const std::array<Size, sizeCount>& sizes()
{
    static const std::array<Size, sizeCount> table = {{
        {QStringLiteral(".001\" Thousandths - inch"), QColor(255, 0, 0), 0.0254f},
        {QStringLiteral(".0001\" Ten Thousandths - inch"), QColor(0, 128, 0), 0.00254f},
        {QStringLiteral(".000010\" Hundred Thousandths - inch"), QColor(0, 0, 255), 0.000254f},
        {QStringLiteral(".01mm - 10um -  10 Microns"), QColor(0, 0, 0), 0.01f},
        {QStringLiteral(".001mm - 1um -  1 Micron"), QColor(0, 192, 192), 0.001f},
        {QStringLiteral(".0001mm - .1um - .1 Microns - 100nm"), QColor(192, 0, 192), 0.0001f},
    }};
    return table;
}

Radii radii(const Selection& selected, float drawingHeight)
{
    float largest = 0;
    for (int i = 0; i < sizeCount; ++i)
        if (selected[i] && sizes()[i].millimetres > largest)
            largest = sizes()[i].millimetres;
    Radii result;
    if (largest == 0)
        return result;
    const float scale = (drawingHeight / 2 * 0.9f) / largest;
    for (int i = 0; i < sizeCount; ++i)
        if (selected[i])
            result[i] = scale * sizes()[i].millimetres;
    return result;
}

void draw(QPainter& painter, const QSizeF& drawingSize, const Selection& selected)
{
    const Radii circles = radii(selected, float(drawingSize.height()));
    const QPointF centre(drawingSize.width() / 2, drawingSize.height() / 2);
    painter.save();
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < sizeCount; ++i) {
        if (!circles[i])
            continue;
        painter.setPen(QPen(sizes()[i].colour, 2 * Twips::perPixel));
        painter.drawEllipse(centre, *circles[i], *circles[i]);
    }
    painter.restore();
}

} // namespace SizeComparison
