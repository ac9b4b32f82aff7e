#pragma once

#include "common/Dialogs.h"

#include <QList>
#include <QQueue>
#include <QString>

#include <functional>
#include <optional>

// The dialogs seam for tests: records every request and answers from queues the
// test fills beforehand. Installed for its lifetime.
class ScriptedDialogs final : public Dialogs
{
public:
    struct Message {
        QString text;
        QString title;
        Icon icon;
        Buttons buttons;
        // The default button of a question asked through ask().
        std::optional<Answer> defaultAnswer = {};
    };
    struct FileRequest {
        bool save;
        QString caption;
        QString directory;
        QString filter;
    };
    // Works a modal window's real controls while it is shown and returns its result.
    using ModalScript = std::function<int(QDialog*)>;

    ScriptedDialogs();
    ~ScriptedDialogs() override;

    // Answers for message boxes; without one queued a box answers Ok (or Cancel or No
    // when it has no Ok button).
    void queueAnswer(Answer answer) { m_answers.enqueue(answer); }
    // File names for file dialogs; an empty name is a cancelled dialog, and so is a
    // dialog without one queued.
    void queueFileName(const QString& name) { m_fileNames.enqueue(name); }
    // Scripts for modal windows; a window without one is rejected at once.
    void queueModal(ModalScript script) { m_modalScripts.enqueue(std::move(script)); }

    const QList<Message>& messages() const { return m_messages; }
    const QList<FileRequest>& fileRequests() const { return m_fileRequests; }
    // The modal windows run so far, by objectName.
    const QStringList& modalWindows() const { return m_modalWindows; }
    void clear();

    Answer message(QWidget* parent, const QString& text, const QString& title, Icon icon,
                   Buttons buttons) override;
    Answer ask(QWidget* parent, const QString& text, const QString& title, Icon icon,
               Buttons buttons, Answer defaultAnswer) override;
    QString openFileName(QWidget* parent, const QString& caption, const QString& directory,
                         const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& caption, const QString& directory,
                         const QString& filter) override;
    int exec(QDialog* dialog) override;

private:
    QQueue<Answer> m_answers;
    QQueue<QString> m_fileNames;
    QQueue<ModalScript> m_modalScripts;
    QList<Message> m_messages;
    QList<FileRequest> m_fileRequests;
    QStringList m_modalWindows;
};
