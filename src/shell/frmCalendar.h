#pragma once

#include <QDialog>

class QCalendarWidget;
class QLabel;

// The calendar of the status bar's date panel: a month calendar on today, and the
// ordinal date (year and day of the year) of the day chosen.
class frmCalendar : public QDialog
{
    Q_OBJECT

public:
    explicit frmCalendar(QWidget* parent = nullptr);

private slots:
    void MonthView1_DateClick();

private:
    void Form_Load();

    QCalendarWidget* MonthView1;
    QLabel* Label1;
    QLabel* lblOrd;
};
