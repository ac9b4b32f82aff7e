#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <cmath>

// Window geometry is given in twips: 1440 to the inch, 15 to a device-independent
// pixel at 96 dpi. Qt scales device-independent pixels for high-DPI screens.
namespace Twips {

constexpr int perPixel = 15;

constexpr int toPixels(double twips)
{
    return static_cast<int>(twips >= 0 ? twips / perPixel + 0.5 : twips / perPixel - 0.5);
}

constexpr double fromPixels(int pixels)
{
    return static_cast<double>(pixels) * perPixel;
}

inline QRect rect(double left, double top, double width, double height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

inline QSize size(double width, double height)
{
    return QSize(toPixels(width), toPixels(height));
}

inline QPoint point(double left, double top)
{
    return QPoint(toPixels(left), toPixels(top));
}

} // namespace Twips
