#pragma once

#include <QString>

class PrintTarget;
class QFont;

// Prints a code text on `target` as one document of `copies` copies, each starting on a
// page of its own, in `font` (its point size on paper). Lines too long for the printable
// width go on in the next line rather than off the paper; tabs stop every eight columns.
// A failed step does not stop the others: the printer gets as much as it takes.
void PrintCodeText(PrintTarget& target, const QString& text, const QFont& font, int copies);
