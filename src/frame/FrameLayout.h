#pragma once

#include <QtGlobal>

#include <optional>

// Where the calculator frame puts a tool's fixed-size content panel and its scroll
// bars inside the main window's client area. All lengths are in twips.
namespace FrameLayout {

constexpr float barThickness = 255;
// The vertical bar's height when the client area is no higher than a bar.
constexpr float shortBarHeight = 225;

struct Input {
    float clientWidth = 0;
    float clientHeight = 0;
    float pictureWidth = 0;
    float pictureHeight = 0;
    // The bars' values before the resize, in twips.
    qint16 horizontalValue = 0;
    qint16 verticalValue = 0;
};

// A bar that is not visible keeps every other property as it was, so only
// `visible` is meaningful then.
struct ScrollBar {
    bool visible = false;
    float offset = 0;  // Top of the horizontal bar, Left of the vertical one.
    float length = 0;  // Width of the horizontal bar, Height of the vertical one.
    qint16 maximum = 0;
    qint16 largeChange = 0;
    qint16 smallChange = 0;
    // The bar's value held within its new range: the panel sits at minus this value,
    // so bar and panel agree after every resize.
    qint16 value = 0;
};

struct Result {
    float pictureLeft = 0;
    float pictureTop = 0;
    ScrollBar horizontal;
    ScrollBar vertical;
    bool cornerVisible = false;
    float cornerLeft = 0;
    float cornerTop = 0;
};

Result compute(const Input& input);

} // namespace FrameLayout
