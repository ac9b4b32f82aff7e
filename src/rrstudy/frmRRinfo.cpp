#include "rrstudy/frmRRinfo.h"

#include "frame/PlaceControl.h"
#include "rrstudy/StudyInformation.h"

#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// Labels stand left of their boxes in two columns of rows; each column of labels is as
// wide as its longest text in the dialog's font.
constexpr double rowHeight = 375;
constexpr double firstRow = 150;
constexpr double leftLabel = 120;
constexpr double labelGap = 60;
constexpr double columnGap = 165;
constexpr double boxWidth = 2175;
constexpr double boxHeight = 315;

struct LabelRow {
    const char* text;
    int row;
};
const LabelRow leftLabels[] = {{"Title:", 0},     {"Comments:", 1},    {"Part Name:", 2}, {"Part Number:", 3},
                               {"Gage Name:", 4}, {"Gage Number:", 5}, {"Date:", 6}};
const LabelRow rightLabels[] = {{"Appraiser #1:", 2}, {"Appraiser #2:", 3}, {"Appraiser #3:", 4},
                                {"Temperature:", 5},  {"Start Time:", 6},   {"End Time:", 7}};

double rowTop(int row)
{
    return firstRow + row * rowHeight;
}

// Places a column of labels; returns its width, that of its longest text.
template <std::size_t N>
double placeLabels(QWidget* parent, const LabelRow (&labels)[N], double left, double height)
{
    int widest = 0;
    for (const LabelRow& label : labels)
        widest = qMax(widest, parent->fontMetrics().horizontalAdvance(QLatin1String(label.text)) + 2);
    const double width = Twips::fromPixels(widest);
    for (const LabelRow& label : labels)
        placeControl<QLabel>(parent, nullptr, left, rowTop(label.row) + (boxHeight - height) / 2, width, height,
                             QLatin1String(label.text));
    return width;
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
    const double labelHeight = qMax(255.0, Twips::fromPixels(fontMetrics().height()));
    const double leftBox = leftLabel + placeLabels(this, leftLabels, leftLabel, labelHeight) + labelGap;
    const double rightLabel = leftBox + boxWidth + columnGap;
    const double rightBox = rightLabel + placeLabels(this, rightLabels, rightLabel, labelHeight) + labelGap;
    setFixedSize(Twips::size(rightBox + boxWidth + 180, rowTop(9) + 150));
    const double wideBox = rightBox + boxWidth - leftBox;

    txtTitle = addTextBox(this, "txtTitle", leftBox, 0, wideBox);
    txtComments = addTextBox(this, "txtComments", leftBox, 1, wideBox);

    txtPartName = addTextBox(this, "txtPartName", leftBox, 2);
    txtPartNumber = addTextBox(this, "txtPartNumber", leftBox, 3);
    txtGageName = addTextBox(this, "txtGageName", leftBox, 4);
    txtGageNumber = addTextBox(this, "txtGageNumber", leftBox, 5);

    txtAp1 = addTextBox(this, "txtAp1", rightBox, 2);
    txtAp2 = addTextBox(this, "txtAp2", rightBox, 3);
    txtAp3 = addTextBox(this, "txtAp3", rightBox, 4);
    txtTempRange = addTextBox(this, "txtTempRange", rightBox, 5);

    DTDate = addPicker(this, "DTDate", QStringLiteral("dd-MMM-yyyy"), leftBox, 6);
    DTDate->setCalendarPopup(true);
    DTstime = addPicker(this, "DTstime", QStringLiteral("hh:mm:ss AP"), rightBox, 6);
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
