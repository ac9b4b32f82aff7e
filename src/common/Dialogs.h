#pragma once

#include <QString>
#include <QtGlobal>

class QDialog;
class QWidget;

// The one seam through which windows show message boxes, file dialogs and modal
// windows. The desktop implementation shows the real thing; tests install a scripted
// one that records each request and answers from a queue, so no test waits on a
// modal loop.
class Dialogs
{
public:
    enum class Icon { NoIcon, Information, Warning, Critical, Question };
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
    enum class Answer { Ok, Cancel, Yes, No };

    virtual ~Dialogs() = default;

    virtual Answer message(QWidget* parent, const QString& text, const QString& title,
                           Icon icon = Icon::NoIcon, Buttons buttons = Buttons::Ok) = 0;
    // A question whose default button (the one Enter presses) is `defaultAnswer`, as a
    // destructive command asks with No. Without an implementation of its own it is asked
    // as message() asks it.
    virtual Answer ask(QWidget* parent, const QString& text, const QString& title, Icon icon,
                       Buttons buttons, Answer defaultAnswer)
    {
        Q_UNUSED(defaultAnswer);
        return message(parent, text, title, icon, buttons);
    }

    // The chosen file's path, or an empty text when the user cancelled.
    virtual QString openFileName(QWidget* parent, const QString& caption,
                                 const QString& directory, const QString& filter) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& caption,
                                 const QString& directory, const QString& filter) = 0;

    // Runs a window modally and returns its result code (QDialog::Accepted/Rejected).
    virtual int exec(QDialog* dialog) = 0;
};

// The application's title: the default title of every message.
QString applicationTitle();

// The implementation in force; the desktop one unless a test installed another.
Dialogs& dialogs();

// Installs an implementation (not owned); nullptr restores the desktop one.
void installDialogs(Dialogs* implementation);
