#include "ScriptedDialogs.h"

#include <QDialog>

ScriptedDialogs::ScriptedDialogs()
{
    installDialogs(this);
}

ScriptedDialogs::~ScriptedDialogs()
{
    installDialogs(nullptr);
}

void ScriptedDialogs::clear()
{
    m_answers.clear();
    m_fileNames.clear();
    m_modalScripts.clear();
    m_messages.clear();
    m_fileRequests.clear();
    m_modalWindows.clear();
}

Dialogs::Answer ScriptedDialogs::message(QWidget*, const QString& text, const QString& title,
                                         Icon icon, Buttons buttons)
{
    m_messages.append({text, title, icon, buttons});
    if (!m_answers.isEmpty())
        return m_answers.dequeue();
    switch (buttons) {
    case Buttons::Ok:
    case Buttons::OkCancel: return Answer::Ok;
    case Buttons::YesNo: return Answer::No;
    case Buttons::YesNoCancel: return Answer::Cancel;
    }
    return Answer::Ok;
}

Dialogs::Answer ScriptedDialogs::ask(QWidget* parent, const QString& text, const QString& title,
                                     Icon icon, Buttons buttons, Answer defaultAnswer)
{
    const Answer answer = message(parent, text, title, icon, buttons);
    m_messages.last().defaultAnswer = defaultAnswer;
    return answer;
}

QString ScriptedDialogs::openFileName(QWidget*, const QString& caption, const QString& directory,
                                      const QString& filter)
{
    m_fileRequests.append({false, caption, directory, filter});
    return m_fileNames.isEmpty() ? QString() : m_fileNames.dequeue();
}

QString ScriptedDialogs::saveFileName(QWidget*, const QString& caption, const QString& directory,
                                      const QString& filter)
{
    m_fileRequests.append({true, caption, directory, filter});
    return m_fileNames.isEmpty() ? QString() : m_fileNames.dequeue();
}

int ScriptedDialogs::exec(QDialog* dialog)
{
    m_modalWindows.append(dialog->objectName());
    if (m_modalScripts.isEmpty())
        return QDialog::Rejected;
    const ModalScript script = m_modalScripts.dequeue();
    dialog->show();
    const int result = script(dialog);
    dialog->hide();
    return result;
}
