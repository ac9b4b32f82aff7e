#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

// Quorvel's own system information, where there is no system program to start: the
// operating system, processor, Qt, screens and Quorvel's folders, with Copy to put it
// all on the clipboard (for a report of a problem).
class frmSysInfo : public QDialog
{
    Q_OBJECT

public:
    explicit frmSysInfo(QWidget* parent = nullptr);

private slots:
    void cmdCopy_Click();

private:
    QPlainTextEdit* txtInfo;
    QPushButton* cmdCopy;
    QPushButton* cmdClose;
};

// Starts the system information: on Windows the system's program found through the
// registry ("System Information Is Unavailable At This Time" when it cannot be found or
// started), elsewhere `frmSysInfo`, modal, owned by `owner`.
void StartSysInfo(QWidget* owner);
