#pragma once

#include <QIcon>
#include <QList>

// The tree's pictures (ImageList1), picture n at index n - 1: for each of the fourteen
// colours a closed folder, an open folder, a blank page and a code page, drawn from four
// SVG masters in that colour, at whatever size they are shown.
QList<QIcon> loadCodePictures();
