#include "frame/FrameLayout.h"

#include "common/NumberText.h"

#include <algorithm>
#include <limits>

namespace FrameLayout {
namespace {

// Scroll-bar properties are 16-bit; a picture far larger than the client area would
// overflow them, so the value is held at the nearest end of the range.
qint16 toBarValue(float value)
{
    if (const auto converted = NumberText::toInt16(value))
        return *converted;
    return value < 0 ? std::numeric_limits<qint16>::min() : std::numeric_limits<qint16>::max();
}

ScrollBar scrollBar(float offset, float length, float pictureExtent, float clientExtent,
                    qint16 value)
{
    ScrollBar bar;
    bar.visible = true;
    bar.offset = offset;
    bar.length = length;
    bar.maximum = toBarValue(pictureExtent - clientExtent);
    bar.largeChange = toBarValue(pictureExtent / 100 * 10);
    bar.smallChange = toBarValue(pictureExtent / 100);
    bar.value = std::clamp<qint16>(value, 0, std::max<qint16>(bar.maximum, 0));
    return bar;
}

} // namespace

Result compute(const Input& in)
{
    Result out;
    const float dx = in.clientWidth / 2 - in.pictureWidth / 2;
    if (dx > 0) {
        out.pictureLeft = dx;
    } else {
        out.horizontal = scrollBar(in.clientHeight - barThickness, in.clientWidth - barThickness,
                                   in.pictureWidth, in.clientWidth, in.horizontalValue);
        // A client area no wider than a bar leaves the horizontal bar no width at all.
        out.horizontal.visible = out.horizontal.length > 0;
        out.pictureLeft = out.horizontal.visible ? float(-out.horizontal.value) : 0;
    }

    const float dy = in.clientHeight / 2 - in.pictureHeight / 2;
    if (dy > 0) {
        out.pictureTop = dy;
    } else {
        const float height =
            in.clientHeight <= barThickness ? shortBarHeight : in.clientHeight - barThickness;
        out.vertical = scrollBar(in.clientWidth - barThickness, height, in.pictureHeight,
                                 in.clientHeight, in.verticalValue);
        out.pictureTop = float(-out.vertical.value);
    }

    out.cornerVisible = out.horizontal.visible || out.vertical.visible;
    if (out.cornerVisible) {
        out.cornerLeft = in.clientWidth - barThickness;
        out.cornerTop = in.clientHeight - barThickness;
    }
    return out;
}

} // namespace FrameLayout
