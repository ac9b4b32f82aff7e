#include "common/Dialogs.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace {

class DesktopDialogs final : public Dialogs
{
public:
    Answer message(QWidget* parent, const QString& text, const QString& title, Icon icon,
                   Buttons buttons) override
    {
        return show(parent, text, title, icon, buttons, QMessageBox::NoButton);
    }

    Answer ask(QWidget* parent, const QString& text, const QString& title, Icon icon,
               Buttons buttons, Answer defaultAnswer) override
    {
        return show(parent, text, title, icon, buttons, toStandardButton(defaultAnswer));
    }

    QString openFileName(QWidget* parent, const QString& caption, const QString& directory,
                         const QString& filter) override
    {
        return QFileDialog::getOpenFileName(parent, caption, directory, filter);
    }

    QString saveFileName(QWidget* parent, const QString& caption, const QString& directory,
                         const QString& filter) override
    {
        return QFileDialog::getSaveFileName(parent, caption, directory, filter);
    }

    int exec(QDialog* dialog) override { return dialog->exec(); }

private:
    static Answer show(QWidget* parent, const QString& text, const QString& title, Icon icon,
                       Buttons buttons, QMessageBox::StandardButton defaultButton)
    {
        QMessageBox box(toMessageBoxIcon(icon), title, text, toStandardButtons(buttons), parent);
        if (defaultButton != QMessageBox::NoButton)
            box.setDefaultButton(defaultButton);
        switch (box.exec()) {
        case QMessageBox::Cancel: return Answer::Cancel;
        case QMessageBox::Yes: return Answer::Yes;
        case QMessageBox::No: return Answer::No;
        default: return Answer::Ok;
        }
    }

    static QMessageBox::StandardButton toStandardButton(Answer answer)
    {
        switch (answer) {
        case Answer::Cancel: return QMessageBox::Cancel;
        case Answer::Yes: return QMessageBox::Yes;
        case Answer::No: return QMessageBox::No;
        case Answer::Ok: break;
        }
        return QMessageBox::Ok;
    }

    static QMessageBox::Icon toMessageBoxIcon(Icon icon)
    {
        switch (icon) {
        case Icon::Information: return QMessageBox::Information;
        case Icon::Warning: return QMessageBox::Warning;
        case Icon::Critical: return QMessageBox::Critical;
        case Icon::Question: return QMessageBox::Question;
        case Icon::NoIcon: break;
        }
        return QMessageBox::NoIcon;
    }

    static QMessageBox::StandardButtons toStandardButtons(Buttons buttons)
    {
        switch (buttons) {
        case Buttons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
        case Buttons::YesNo: return QMessageBox::Yes | QMessageBox::No;
        case Buttons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case Buttons::Ok: break;
        }
        return QMessageBox::Ok;
    }
};

Dialogs*& installed()
{
    static Dialogs* implementation = nullptr;
    return implementation;
}

} // namespace

QString applicationTitle()
{
    return QStringLiteral("Quorvel");
}

Dialogs& dialogs()
{
    static DesktopDialogs desktop;
    return installed() ? *installed() : desktop;
}

void installDialogs(Dialogs* implementation)
{
    installed() = implementation;
}
