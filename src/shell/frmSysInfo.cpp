#include "shell/frmSysInfo.h"

#include "codekeeper/CodeFolder.h"
#include "common/Dialogs.h"
#include "shell/SystemInformation.h"

#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

frmSysInfo::frmSysInfo(QWidget* parent)
    : QDialog(parent), txtInfo(new QPlainTextEdit),
      cmdCopy(new QPushButton(QStringLiteral("Copy"))),
      cmdClose(new QPushButton(QStringLiteral("Close")))
{
    setObjectName(QStringLiteral("frmSysInfo"));
    setWindowTitle(QStringLiteral("System Information"));
    resize(560, 340);

    txtInfo->setObjectName(QStringLiteral("txtInfo"));
    txtInfo->setReadOnly(true);
    txtInfo->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtInfo->setPlainText(
        SystemInformation::text(SystemInformation::facts(QSettings().fileName(), CodeFolder())));
    cmdCopy->setObjectName(QStringLiteral("cmdCopy"));
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdCopy);
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txtInfo);
    layout->addLayout(buttons);

    connect(cmdCopy, &QPushButton::clicked, this, &frmSysInfo::cmdCopy_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
}

void frmSysInfo::cmdCopy_Click()
{
    QGuiApplication::clipboard()->setText(txtInfo->toPlainText());
}

void StartSysInfo(QWidget* owner)
{
#ifdef Q_OS_WIN
    const auto readMachineValue = [](const QString& key,
                                     const QString& name) -> std::optional<QString> {
        const QSettings registry(QStringLiteral("HKEY_LOCAL_MACHINE\\") + key,
                                 QSettings::NativeFormat);
        if (!registry.contains(name))
            return std::nullopt;
        return registry.value(name).toString();
    };
    const auto fileExists = [](const QString& path) { return QFileInfo(path).isFile(); };
    const auto program = SystemInformation::windowsProgram(readMachineValue, fileExists);
    if (!program || !QProcess::startDetached(*program, {}))
        dialogs().message(owner, QStringLiteral("System Information Is Unavailable At This Time"),
                          applicationTitle());
#else
    frmSysInfo information(owner);
    dialogs().exec(&information);
#endif
}
