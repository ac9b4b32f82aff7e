#pragma once

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

// The printer choice: names the default printer (it does not change it) and asks for
// the number of copies. Its answer is left in printerChoice(): loading clears
// PrintConfirmed, Print sets it with PrintCopies.
class frmPrinter : public QDialog
{
    Q_OBJECT

public:
    explicit frmPrinter(QWidget* parent = nullptr);

private slots:
    void List1_Scroll(int action);
    void cmdPrint_Click();
    void cmdCancel_Click();

private:
    void Form_Load();

    QLabel* Label1;
    QLabel* Label2;
    QListWidget* List1;
    QPushButton* cmdPrint;
    QPushButton* cmdCancel;
};
