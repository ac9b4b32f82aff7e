#include "shell/frmCalendar.h"

#include "shell/OrdinalDate.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

frmCalendar::frmCalendar(QWidget* parent)
    : QDialog(parent), MonthView1(new QCalendarWidget),
      Label1(new QLabel(QStringLiteral("Ordinal Date:"))), lblOrd(new QLabel)
{
    setObjectName(QStringLiteral("frmCalendar"));
    setWindowTitle(QStringLiteral("Calendar"));
    MonthView1->setObjectName(QStringLiteral("MonthView1"));
    MonthView1->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    Label1->setObjectName(QStringLiteral("Label1"));
    lblOrd->setObjectName(QStringLiteral("lblOrd"));
    lblOrd->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont bold = lblOrd->font();
    bold.setBold(true);
    lblOrd->setFont(bold);

    auto* ordinal = new QHBoxLayout;
    ordinal->addWidget(Label1);
    ordinal->addWidget(lblOrd);
    ordinal->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MonthView1);
    layout->addLayout(ordinal);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // A click on a day, or any other change of the selected date (keys, month buttons).
    connect(MonthView1, &QCalendarWidget::clicked, this, &frmCalendar::MonthView1_DateClick);
    connect(MonthView1, &QCalendarWidget::selectionChanged, this,
            &frmCalendar::MonthView1_DateClick);
    Form_Load();
}

void frmCalendar::Form_Load()
{
    MonthView1->setSelectedDate(QDate::currentDate());
    MonthView1_DateClick();
}

void frmCalendar::MonthView1_DateClick()
{
    lblOrd->setText(OrdinalDate(MonthView1->selectedDate()));
}
