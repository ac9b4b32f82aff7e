#pragma once

#include <QColor>
#include <QString>

#include <array>

// The fourteen colours a category can have. A colour's number is also the position of
// its closed-folder picture among the tree's 56 pictures (four to a colour: closed
// folder, open folder, blank page, code page).
struct CodeColour
{
    const char* name;
    const char* key;
    int number;
    QColor shade;
};

const std::array<CodeColour, 14>& codeColours();

// How many pictures the tree has, and the largest colour whose code page (colour + 3)
// is one of them.
inline constexpr int codePictureCount = 56;
inline constexpr int largestCodeColour = codePictureCount - 3;

// The shade a picture is drawn in: that of the colour whose group of four holds it.
QColor pictureShade(int picture);

// The colour list's item (from 1) that the category dialog selects for a node's
// picture: (picture + 3) / 4 rounded to the nearest item, halves to even, so a closed
// or an open folder both select their own colour.
int colourItemForPicture(int picture);
