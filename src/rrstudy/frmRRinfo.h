#pragma once

#include <QDialog>

class QDateTimeEdit;
class QLineEdit;
class QPushButton;
struct StudyInformation;

// The study information dialog: the study's title, comments, names, temperature and
// dates, entered for the sheets. Save keeps the entries and leaves the dialog open;
// Exit closes it and drops whatever was not saved.
class frmRRinfo : public QDialog
{
    Q_OBJECT

public:
    explicit frmRRinfo(StudyInformation& information, QWidget* parent = nullptr);

private slots:
    void cmdSave_Click();
    void cmdExit_Click();

private:
    void createControls();
    void Form_Load();

    StudyInformation& m_information;
    QDateTimeEdit* DTDate;
    QDateTimeEdit* DTstime;
    QDateTimeEdit* DTetime;
    QLineEdit* txtTitle;
    QLineEdit* txtComments;
    QLineEdit* txtAp1;
    QLineEdit* txtAp2;
    QLineEdit* txtAp3;
    QLineEdit* txtPartName;
    QLineEdit* txtGageName;
    QLineEdit* txtPartNumber;
    QLineEdit* txtGageNumber;
    QLineEdit* txtTempRange;
    QPushButton* cmdSave;
    QPushButton* cmdExit;
};
