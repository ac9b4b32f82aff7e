#include "rrstudy/frmRRinfo.h"

#include "LabelBeside.h"
#include "WindowDriver.h"
#include "rrstudy/StudyInformation.h"

#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace WindowDriver;

namespace {

// Each box and the label the dialog shows beside it.
const std::pair<const char*, const char*> textBoxes[] = {{"txtTitle", "Title:"},
                                                         {"txtComments", "Comments:"},
                                                         {"txtAp1", "Appraiser #1:"},
                                                         {"txtAp2", "Appraiser #2:"},
                                                         {"txtAp3", "Appraiser #3:"},
                                                         {"txtPartName", "Part Name:"},
                                                         {"txtGageName", "Gage Name:"},
                                                         {"txtPartNumber", "Part Number:"},
                                                         {"txtGageNumber", "Gage Number:"},
                                                         {"txtTempRange", "Temperature:"}};
const std::pair<const char*, const char*> pickers[] = {
    {"DTDate", "Date:"}, {"DTstime", "Start Time:"}, {"DTetime", "End Time:"}};

} // namespace

class tst_frmRRinfo : public QObject
{
    Q_OBJECT

private slots:
    // A first opening shows empty boxes; what the user types beside "Gage Name:" is the gage
    // name: every box stands beside its own label, and every label shows its whole text.
    void firstOpening()
    {
        StudyInformation information;
        frmRRinfo dialog(information);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Gage R&R Information"));
        for (const auto& [name, label] : textBoxes) {
            QCOMPARE(labelBeside(*control<QLineEdit>(dialog, name)), QLatin1String(label));
            QVERIFY2(control<QLineEdit>(dialog, name)->text().isEmpty(), name);
        }
        for (const auto& [name, label] : pickers)
            QCOMPARE(labelBeside(*control<QDateTimeEdit>(dialog, name)), QLatin1String(label));
        for (const QLabel* label : dialog.findChildren<QLabel*>())
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                     qPrintable(label->text()));
    }

    // Save keeps the dialog open and stores every box in its own field; Exit drops what
    // was not saved; the next opening shows what was saved.
    void savedEntriesComeBackInTheirOwnBoxes()
    {
        StudyInformation information;
        const QDateTime runDate(QDate(2026, 3, 14), QTime(9, 0, 15));
        const QDateTime end(QDate(2026, 3, 14), QTime(11, 45));
        {
            frmRRinfo dialog(information);
            dialog.show();
            for (const auto& [name, label] : textBoxes)
                QTest::keyClicks(control<QLineEdit>(dialog, name),
                                 QStringLiteral("value of %1").arg(QLatin1String(name)));
            control<QDateTimeEdit>(dialog, "DTDate")->setDateTime(runDate);
            control<QDateTimeEdit>(dialog, "DTetime")->setDateTime(end);
            click(dialog, "cmdSave");
            QVERIFY(dialog.isVisible());
            QTest::keyClicks(control<QLineEdit>(dialog, "txtPartName"),
                             QStringLiteral(" never saved"));
            click(dialog, "cmdExit");
            QVERIFY(!dialog.isVisible());
        }
        QCOMPARE(
            (QStringList{information.StudyTitle, information.StudyComments,
                         information.AppraiserName[0], information.AppraiserName[1],
                         information.AppraiserName[2], information.PartName, information.GageName,
                         information.PartNumber, information.GageNumber, information.Temperature}),
            (QStringList{"value of txtTitle", "value of txtComments", "value of txtAp1",
                         "value of txtAp2", "value of txtAp3", "value of txtPartName",
                         "value of txtGageName", "value of txtPartNumber", "value of txtGageNumber",
                         "value of txtTempRange"}));
        QCOMPARE(information.RunDate, runDate);
        QCOMPARE(information.EndTime, end);

        const StudyInformation saved = information;
        frmRRinfo reopened(information);
        for (const auto& [name, label] : textBoxes)
            QCOMPARE(control<QLineEdit>(reopened, name)->text(),
                     QStringLiteral("value of %1").arg(QLatin1String(name)));
        QCOMPARE(control<QDateTimeEdit>(reopened, "DTDate")->dateTime(), runDate);
        click(reopened, "cmdSave");
        QVERIFY(information == saved);
    }
};

QTEST_MAIN(tst_frmRRinfo)
#include "tst_frmRRinfo.moc"
