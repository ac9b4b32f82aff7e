#include "codekeeper/CodeColours.h"

#include <QtGlobal>

#include <cmath>

const std::array<CodeColour, 14>& codeColours()
{
    static const std::array<CodeColour, 14> colours{{
        {"Light Blue", "C1", 1, QColor(0x7e, 0xc8, 0xf2)},
        {"Blue", "C5", 5, QColor(0x2f, 0x6f, 0xd6)},
        {"Dark Blue", "C9", 9, QColor(0x1b, 0x2f, 0x8a)},
        {"Green", "C13", 13, QColor(0x4c, 0xbb, 0x47)},
        {"Dark Green", "C17", 17, QColor(0x1e, 0x6b, 0x2a)},
        {"Red", "C21", 21, QColor(0xe0, 0x40, 0x3a)},
        {"Dark Red", "C25", 25, QColor(0x8e, 0x1b, 0x1b)},
        {"Yellow", "C29", 29, QColor(0xf4, 0xd2, 0x3c)},
        {"Dark Yellow", "C33", 33, QColor(0xb8, 0x92, 0x10)},
        {"Grey", "C37", 37, QColor(0x9a, 0x9a, 0x9a)},
        {"White", "C41", 41, QColor(0xfa, 0xfa, 0xfa)},
        {"Pink", "C45", 45, QColor(0xf2, 0x8c, 0xc0)},
        {"Purple", "C49", 49, QColor(0x8a, 0x4f, 0xc4)},
        {"Blue Green", "C53", 53, QColor(0x1f, 0xa6, 0x9a)},
    }};
    return colours;
}

QColor pictureShade(int picture)
{
    const int group = qBound(0, (picture - 1) / 4, int(codeColours().size()) - 1);
    return codeColours()[group].shade;
}

int colourItemForPicture(int picture)
{
    // nearbyint rounds in the default mode, to nearest with halves to even.
    const int item = int(std::nearbyint((picture + 3) / 4.0));
    return qBound(1, item, int(codeColours().size()));
}
