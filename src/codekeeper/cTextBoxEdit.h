#pragma once

#include <QPointer>

class QPlainTextEdit;
class QString;

// The edit commands of one text box: cut, copy, paste and undo, the tests that say
// whether each can run, and replacing the selection.
class cTextBoxEdit
{
public:
    QPlainTextEdit* TextBox() const;
    void setTextBox(QPlainTextEdit* box);

    void Cut();
    void Copy();
    void Paste();
    // Undoes the last edit when the box can; otherwise nothing.
    void Undo();

    bool CanCut() const;
    bool CanCopy() const;
    bool CanPaste() const;
    bool CanUndo() const;

    // Replaces a selection that is not empty by `text`; `undoable` false leaves the box
    // with nothing to undo.
    void ReplaceSelection(const QString& text, bool undoable);
    // Replaces the selection by nothing, not undoably.
    void Delete();

private:
    int selectionLength() const;

    QPointer<QPlainTextEdit> m_textBox;
};
