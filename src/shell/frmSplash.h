#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;
class QTimer;

// The splash screen at start-up, and the about box. As a splash screen it closes itself
// at the sixth tick of its one-second timer, or at once on a click on it; as the about
// box (`setAboutMode`) it shows OK and System Info, its timer stopped, and closes only on
// OK (or Esc).
class frmSplash : public QDialog
{
    Q_OBJECT

public:
    explicit frmSplash(QWidget* parent = nullptr);

    // Before the window is shown: the buttons visible, the closing timer stopped.
    void setAboutMode();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void Timer1_Timer();
    void fraMainFrame_Click();
    void cmdOK_Click();
    void cmdSysInfo_Click();

private:
    void Form_Load();

    QFrame* fraMainFrame;
    QLabel* imgLogo;
    QLabel* imgPart;
    QLabel* lblProductName;
    QLabel* lblVersion;
    QLabel* lblCompany;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QPushButton* cmdOK;
    QPushButton* cmdSysInfo;
    QTimer* Timer1;
    int m_ticks = 0;
};
