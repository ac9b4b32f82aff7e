#include "rrstudy/frmRRinfo.h"
#include "rrstudy/StudyInformation.h"

#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

const char* const textBoxes[] = {"txtTitle",    "txtComments", "txtAp1",        "txtAp2",        "txtAp3",
                                 "txtPartName", "txtGageName", "txtPartNumber", "txtGageNumber", "txtTempRange"};
const char* const pickers[] = {"DTDate", "DTstime", "DTetime"};

QLineEdit* textBox(QDialog& dialog, const char* name)
{
    return dialog.findChild<QLineEdit*>(QLatin1String(name));
}

QDateTimeEdit* picker(QDialog& dialog, const char* name)
{
    return dialog.findChild<QDateTimeEdit*>(QLatin1String(name));
}

void click(QDialog& dialog, const char* button)
{
    QTest::mouseClick(dialog.findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
}

} // namespace

class tst_frmRRinfo : public QObject
{
    Q_OBJECT

private slots:
    void firstOpeningShowsTheTimeOfOpeningAndEmptyBoxes();
    void savedEntriesComeBackInTheirOwnBoxes();
    void saveKeepsTheDialogOpenAndExitDropsUnsavedEdits();
    void saveWithoutEditingChangesNothing();
    void aDateSavedAsTheZeroDateShowsThePresentAgain();
};

void tst_frmRRinfo::firstOpeningShowsTheTimeOfOpeningAndEmptyBoxes()
{
    StudyInformation information;
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    frmRRinfo dialog(information);
    const QDateTime after = QDateTime::currentDateTime().addSecs(1);

    QCOMPARE(dialog.windowTitle(), QStringLiteral("Gage R&R Information"));
    for (const char* name : pickers) {
        const QDateTime shown = picker(dialog, name)->dateTime();
        QVERIFY2(shown >= before && shown <= after, name);
    }
    for (const char* name : textBoxes)
        QVERIFY2(textBox(dialog, name)->text().isEmpty(), name);
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(), qPrintable(label->text()));
}

void tst_frmRRinfo::savedEntriesComeBackInTheirOwnBoxes()
{
    StudyInformation information;
    const QDateTime runDate(QDate(2026, 3, 14), QTime(9, 0));
    const QDateTime start(QDate(2026, 3, 14), QTime(9, 30));
    const QDateTime end(QDate(2026, 3, 14), QTime(11, 45));
    {
        frmRRinfo dialog(information);
        dialog.show();
        for (const char* name : textBoxes)
            QTest::keyClicks(textBox(dialog, name), QStringLiteral("value of %1").arg(QLatin1String(name)));
        picker(dialog, "DTDate")->setDateTime(runDate);
        picker(dialog, "DTstime")->setDateTime(start);
        picker(dialog, "DTetime")->setDateTime(end);
        click(dialog, "cmdSave");
        click(dialog, "cmdExit");
    }
    QCOMPARE(information.GageName, QStringLiteral("value of txtGageName"));
    QCOMPARE(information.GageNumber, QStringLiteral("value of txtGageNumber"));
    QCOMPARE(information.Temperature, QStringLiteral("value of txtTempRange"));
    QCOMPARE(information.AppraiserName[2], QStringLiteral("value of txtAp3"));
    QCOMPARE(information.RunDate, runDate);
    QCOMPARE(information.EndTime, end);

    frmRRinfo reopened(information);
    for (const char* name : textBoxes)
        QCOMPARE(textBox(reopened, name)->text(), QStringLiteral("value of %1").arg(QLatin1String(name)));
    QCOMPARE(picker(reopened, "DTDate")->dateTime(), runDate);
    QCOMPARE(picker(reopened, "DTstime")->dateTime(), start);
    QCOMPARE(picker(reopened, "DTetime")->dateTime(), end);
}

void tst_frmRRinfo::saveKeepsTheDialogOpenAndExitDropsUnsavedEdits()
{
    StudyInformation information;
    frmRRinfo dialog(information);
    dialog.show();
    QTest::keyClicks(textBox(dialog, "txtTitle"), QStringLiteral("Saved title"));
    click(dialog, "cmdSave");
    QVERIFY(dialog.isVisible());
    QTest::keyClicks(textBox(dialog, "txtPartName"), QStringLiteral("Never saved"));
    click(dialog, "cmdExit");
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(information.StudyTitle, QStringLiteral("Saved title"));
    QVERIFY(information.PartName.isEmpty());
}

void tst_frmRRinfo::saveWithoutEditingChangesNothing()
{
    StudyInformation information;
    information.StudyTitle = QStringLiteral("Bracket");
    information.AppraiserName = {QStringLiteral("Ann"), QStringLiteral("Bob"), QString()};
    information.RunDate = QDateTime(QDate(2026, 1, 2), QTime(8, 15, 30));
    information.StartTime = QDateTime(QDate(2026, 1, 2), QTime(8, 15, 30));
    information.EndTime = QDateTime(QDate(2026, 1, 2), QTime(17, 0));
    const StudyInformation before = information;
    frmRRinfo dialog(information);
    dialog.show();
    click(dialog, "cmdSave");
    QVERIFY(information == before);
}

void tst_frmRRinfo::aDateSavedAsTheZeroDateShowsThePresentAgain()
{
    StudyInformation information;
    information.StartTime = QDateTime(QDate(2026, 5, 5), QTime(7, 0));
    {
        frmRRinfo dialog(information);
        dialog.show();
        picker(dialog, "DTDate")->setDateTime(StudyInformation::zeroDateTime());
        click(dialog, "cmdSave");
    }
    QCOMPARE(information.RunDate, StudyInformation::zeroDateTime());

    frmRRinfo reopened(information);
    QCOMPARE(picker(reopened, "DTDate")->date(), QDate::currentDate());
    QCOMPARE(picker(reopened, "DTstime")->dateTime(), information.StartTime);
}

QTEST_MAIN(tst_frmRRinfo)
#include "tst_frmRRinfo.moc"
