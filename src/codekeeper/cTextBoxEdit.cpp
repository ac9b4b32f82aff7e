#include "codekeeper/cTextBoxEdit.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextCursor>

QPlainTextEdit* cTextBoxEdit::TextBox() const
{
    return m_textBox;
}

void cTextBoxEdit::setTextBox(QPlainTextEdit* box)
{
    m_textBox = box;
}

void cTextBoxEdit::Cut()
{
    if (m_textBox)
        m_textBox->cut();
}

void cTextBoxEdit::Copy()
{
    if (m_textBox)
        m_textBox->copy();
}

void cTextBoxEdit::Paste()
{
    if (m_textBox)
        m_textBox->paste();
}

void cTextBoxEdit::Undo()
{
    if (CanUndo())
        m_textBox->undo();
}

int cTextBoxEdit::selectionLength() const
{
    if (!m_textBox)
        return 0;
    const QTextCursor cursor = m_textBox->textCursor();
    return cursor.selectionEnd() - cursor.selectionStart();
}

bool cTextBoxEdit::CanCut() const
{
    return selectionLength() >= 1 && !m_textBox->isReadOnly();
}

bool cTextBoxEdit::CanCopy() const
{
    return selectionLength() >= 1;
}

bool cTextBoxEdit::CanPaste() const
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText();
}

bool cTextBoxEdit::CanUndo() const
{
    return m_textBox && m_textBox->document()->isUndoAvailable();
}

void cTextBoxEdit::ReplaceSelection(const QString& text, bool undoable)
{
    if (selectionLength() < 1)
        return;
    QTextCursor cursor = m_textBox->textCursor();
    cursor.insertText(text);
    m_textBox->setTextCursor(cursor);
    if (!undoable) {
        // Turning the history off and on empties it: this change has nothing to undo.
        m_textBox->document()->setUndoRedoEnabled(false);
        m_textBox->document()->setUndoRedoEnabled(true);
    }
}

void cTextBoxEdit::Delete()
{
    ReplaceSelection(QString(), false);
}
