#pragma once

#include <QString>

#include <initializer_list>

class QWidget;

// A control's design rectangle in twips, relative to its container. `name` is the
// control's objectName; "container/name" picks one of two controls that share a name.
struct TwipPlacement
{
    const char* name;
    double left;
    double top;
    double width;
    double height;
};

// Every control of `window` that is not where its row puts it, one line each ("cmdCalc:
// missing", "cmdCalc at 8,40 81x28, designed 8,40 81x27"); empty when all are in place.
QString misplacedControls(const QWidget& window, std::initializer_list<TwipPlacement> design);
