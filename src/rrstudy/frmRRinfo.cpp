#include "rrstudy/frmRRinfo.h"

#include "frame/PlaceControl.h"
#include "rrstudy/StudyInformation.h"

#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// Labels stand left of their boxes in two columns of rows.
constexpr double rowHeight = 375;
constexpr double firstRow = 150;
constexpr double leftLabel = 120;
constexpr double leftBox = 1380;
constexpr double rightLabel = 3720;
constexpr double rightBox = 4980;
constexpr double boxWidth = 2175;
constexpr double boxHeight = 315;

double rowTop(int row)
{
    return firstRow + row * rowHeight;
}

void addLabel(QWidget* parent, const QString& text, double left, int row)
{
    placeControl<QLabel>(parent, nullptr, left, rowTop(row) + 30, 1215, 255, text);
}

QLineEdit* addTextBox(QWidget* parent, const char* name, double left, int row, double width = boxWidth)
{
    return placeControl<QLineEdit>(parent, name, left, rowTop(row), width, boxHeight);
}

QDateTimeEdit* addPicker(QWidget* parent, const char* name, const QString& format, double left, int row)
{
    auto* picker = placeControl<QDateTimeEdit>(parent, name, left, rowTop(row), boxWidth, boxHeight);
    picker->setDisplayFormat(format);
    picker->setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    return picker;
}

// What a picker shows for a study value: the value, or now when it was never set.
QDateTime shownValue(const QDateTime& value)
{
    return StudyInformation::isSet(value) ? value : QDateTime::currentDateTime();
}

} // namespace

frmRRinfo::frmRRinfo(StudyInformation& information, QWidget* parent)
    : QDialog(parent), m_information(information)
{
    setObjectName(QStringLiteral("frmRRinfo"));
    setWindowTitle(QStringLiteral("Gage R&R Information"));
    createControls();
    connect(cmdSave, &QPushButton::clicked, this, &frmRRinfo::cmdSave_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmRRinfo::cmdExit_Click);
    Form_Load();
}

void frmRRinfo::createControls()
{
    setFixedSize(Twips::size(7335, rowTop(9) + 150));
    const double wideBox = rightBox + boxWidth - leftBox;

    addLabel(this, QStringLiteral("Title:"), leftLabel, 0);
    txtTitle = addTextBox(this, "txtTitle", leftBox, 0, wideBox);
    addLabel(this, QStringLiteral("Comments:"), leftLabel, 1);
    txtComments = addTextBox(this, "txtComments", leftBox, 1, wideBox);

    addLabel(this, QStringLiteral("Part Name:"), leftLabel, 2);
    txtPartName = addTextBox(this, "txtPartName", leftBox, 2);
    addLabel(this, QStringLiteral("Part Number:"), leftLabel, 3);
    txtPartNumber = addTextBox(this, "txtPartNumber", leftBox, 3);
    addLabel(this, QStringLiteral("Gage Name:"), leftLabel, 4);
    txtGageName = addTextBox(this, "txtGageName", leftBox, 4);
    addLabel(this, QStringLiteral("Gage Number:"), leftLabel, 5);
    txtGageNumber = addTextBox(this, "txtGageNumber", leftBox, 5);

    addLabel(this, QStringLiteral("Appraiser #1:"), rightLabel, 2);
    txtAp1 = addTextBox(this, "txtAp1", rightBox, 2);
    addLabel(this, QStringLiteral("Appraiser #2:"), rightLabel, 3);
    txtAp2 = addTextBox(this, "txtAp2", rightBox, 3);
    addLabel(this, QStringLiteral("Appraiser #3:"), rightLabel, 4);
    txtAp3 = addTextBox(this, "txtAp3", rightBox, 4);
    addLabel(this, QStringLiteral("Temperature:"), rightLabel, 5);
    txtTempRange = addTextBox(this, "txtTempRange", rightBox, 5);

    addLabel(this, QStringLiteral("Date:"), leftLabel, 6);
    DTDate = addPicker(this, "DTDate", QStringLiteral("dd-MMM-yyyy"), leftBox, 6);
    DTDate->setCalendarPopup(true);
    addLabel(this, QStringLiteral("Start Time:"), rightLabel, 6);
    DTstime = addPicker(this, "DTstime", QStringLiteral("hh:mm:ss AP"), rightBox, 6);
    addLabel(this, QStringLiteral("End Time:"), rightLabel, 7);
    DTetime = addPicker(this, "DTetime", QStringLiteral("hh:mm:ss AP"), rightBox, 7);

    cmdSave = placeControl<QPushButton>(this, "cmdSave", rightBox - 1335, rowTop(8) + 90, 1215, 420,
                                        QStringLiteral("Save"));
    cmdSave->setAutoDefault(false);
    cmdExit = placeControl<QPushButton>(this, "cmdExit", rightBox + boxWidth - 1215, rowTop(8) + 90, 1215, 420,
                                        QStringLiteral("Exit"));
    cmdExit->setAutoDefault(false);
}

void frmRRinfo::Form_Load()
{
    DTDate->setDateTime(shownValue(m_information.RunDate));
    DTstime->setDateTime(shownValue(m_information.StartTime));
    DTetime->setDateTime(shownValue(m_information.EndTime));
    txtTitle->setText(m_information.StudyTitle);
    txtComments->setText(m_information.StudyComments);
    txtAp1->setText(m_information.AppraiserName[0]);
    txtAp2->setText(m_information.AppraiserName[1]);
    txtAp3->setText(m_information.AppraiserName[2]);
    txtPartName->setText(m_information.PartName);
    txtGageName->setText(m_information.GageName);
    txtPartNumber->setText(m_information.PartNumber);
    txtGageNumber->setText(m_information.GageNumber);
    txtTempRange->setText(m_information.Temperature);
}

void frmRRinfo::cmdSave_Click()
{
    m_information.RunDate = DTDate->dateTime();
    m_information.StartTime = DTstime->dateTime();
    m_information.EndTime = DTetime->dateTime();
    m_information.StudyTitle = txtTitle->text();
    m_information.StudyComments = txtComments->text();
    m_information.AppraiserName = {txtAp1->text(), txtAp2->text(), txtAp3->text()};
    m_information.PartName = txtPartName->text();
    m_information.GageName = txtGageName->text();
    m_information.PartNumber = txtPartNumber->text();
    m_information.GageNumber = txtGageNumber->text();
    m_information.Temperature = txtTempRange->text();
}

void frmRRinfo::cmdExit_Click()
{
    reject();
}
