#pragma once

#include <QLineEdit>

// A box that shows a result the user cannot edit: read-only, in the palette's
// read-only look (the window colour where an input box has the base colour), so
// inputs and results are told apart at a glance. Its text can still be selected and
// copied.
//
// Like every box the program writes results into, it shows the start of a text wider
// than itself, and its tool tip then holds the whole text, so a clipped number is never
// mistaken for a short one.
class ResultBox : public QLineEdit
{
    Q_OBJECT

public:
    explicit ResultBox(QWidget* parent = nullptr);

    // Gives an input box that also receives results the same care for the texts the
    // program writes into it; what the user types is left as it is. The box's own tool
    // tip, set before this call, stays first in its tool tip.
    static void showWrittenTextFromItsStart(QLineEdit* box);
};
