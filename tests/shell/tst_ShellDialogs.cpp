#include "shell/frmCalendar.h"
#include "shell/frmSplash.h"

#include "ScriptedDialogs.h"
#include "TwipPlacement.h"
#include "common/Twips.h"
#include "shell/OrdinalDate.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QVersionNumber>

// The splash screen and about box, and the calendar; the splash's timer is driven by the
// test (Timer1_Timer invoked), never waited for.
class tst_ShellDialogs : public QObject
{
    Q_OBJECT

private slots:
    void splashAndAboutBoxClose_data();
    void splashAndAboutBoxClose();
    void splashDesign();
    void systemInfoButtonShowsQuorvelsOwn();
    void calendarShowsTheOrdinalDateOfTheDayChosen();
};

void tst_ShellDialogs::splashAndAboutBoxClose_data()
{
    QTest::addColumn<bool>("aboutMode");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QString>("clicked");
    QTest::addColumn<bool>("closed");

    QTest::newRow("splash: fifth tick") << false << 5 << "" << false;
    QTest::newRow("splash: sixth tick") << false << 6 << "" << true;
    QTest::newRow("splash: a label clicked") << false << 0 << "Label3" << true;
    QTest::newRow("splash: a picture clicked") << false << 0 << "imgPart" << true;
    QTest::newRow("splash: the frame clicked") << false << 0 << "fraMainFrame" << true;
    QTest::newRow("about: a label clicked") << true << 0 << "lblProductName" << false;
    QTest::newRow("about: a picture clicked") << true << 0 << "imgLogo" << false;
    QTest::newRow("about: OK") << true << 0 << "cmdOK" << true;
}

void tst_ShellDialogs::splashAndAboutBoxClose()
{
    QFETCH(bool, aboutMode);
    QFETCH(int, ticks);
    QFETCH(QString, clicked);
    QFETCH(bool, closed);
    frmSplash splash;
    if (aboutMode)
        splash.setAboutMode();
    splash.show();
    QVERIFY(QTest::qWaitForWindowExposed(&splash));
    auto* timer = splash.findChild<QTimer*>(QStringLiteral("Timer1"));
    QCOMPARE(timer->isActive(), !aboutMode);
    QCOMPARE(timer->interval(), 1000);
    timer->stop();
    for (const char* button : {"cmdOK", "cmdSysInfo"})
        QCOMPARE(splash.findChild<QPushButton*>(button)->isVisible(), aboutMode);

    for (int tick = 0; tick < ticks; ++tick)
        QMetaObject::invokeMethod(&splash, "Timer1_Timer");
    if (!clicked.isEmpty())
        QTest::mouseClick(splash.findChild<QWidget*>(clicked), Qt::LeftButton, {}, QPoint(2, 2));
    QCOMPARE(splash.isVisible(), !closed);
}

void tst_ShellDialogs::splashDesign()
{
    frmSplash splash;
    QCOMPARE(splash.size(), Twips::size(7380, 4380));
    const QString misplaced =
        misplacedControls(splash, {
                                      {"fraMainFrame", 60, 60, 7260, 4260},
                                      {"imgLogo", 240, 300, 1920, 1920},
                                      {"imgPart", 660, 2400, 1080, 1080},
                                      {"lblProductName", 2400, 240, 4620, 780},
                                      {"lblVersion", 2400, 1080, 4620, 285},
                                      {"lblCompany", 2400, 1440, 4620, 285},
                                      {"Label1", 2400, 2040, 4620, 285},
                                      {"Label2", 2400, 2325, 4620, 285},
                                      {"Label3", 2400, 2760, 4620, 285},
                                      {"Label4", 2400, 3045, 4620, 285},
                                      {"cmdSysInfo", 4200, 3660, 1560, 405},
                                      {"cmdOK", 5880, 3660, 1140, 405},
                                  });
    QVERIFY2(misplaced.isEmpty(), qPrintable(misplaced));

    const QVersionNumber version = QVersionNumber::fromString(QStringLiteral(QUORVEL_TEST_VERSION));
    const QString versionText =
        QStringLiteral("Version %1.%2").arg(version.majorVersion()).arg(version.minorVersion());
    const QList<std::pair<const char*, QString>> texts{{"lblProductName", "Quorvel"},
                                                       {"lblVersion", versionText}};
    for (const auto& [name, text] : texts)
        QCOMPARE(splash.findChild<QLabel*>(name)->text(), text);
    QCOMPARE(splash.findChild<QPushButton*>("cmdOK")->text(), QStringLiteral("OK"));
    QCOMPARE(splash.findChild<QPushButton*>("cmdSysInfo")->text(),
             QStringLiteral("&System Info..."));
}

void tst_ShellDialogs::systemInfoButtonShowsQuorvelsOwn()
{
    ScriptedDialogs dialogs;
    QString copied;
    dialogs.queueModal([&copied](QDialog* information) {
        QTest::mouseClick(information->findChild<QPushButton*>(QStringLiteral("cmdCopy")),
                          Qt::LeftButton);
        copied = QGuiApplication::clipboard()->text();
        return information->result();
    });
    frmSplash about;
    about.setAboutMode();
    about.show();
    QTest::mouseClick(about.findChild<QPushButton*>(QStringLiteral("cmdSysInfo")), Qt::LeftButton);
    QCOMPARE(dialogs.modalWindows(), QStringList{"frmSysInfo"});
    QVERIFY2(copied.contains(QStringLiteral("Qt version: %1\n").arg(qVersion())),
             qPrintable(copied));
    QVERIFY(about.isVisible());
}

void tst_ShellDialogs::calendarShowsTheOrdinalDateOfTheDayChosen()
{
    frmCalendar calendar;
    QCOMPARE(calendar.windowTitle(), QStringLiteral("Calendar"));
    QCOMPARE(calendar.findChild<QLabel*>(QStringLiteral("Label1"))->text(),
             QStringLiteral("Ordinal Date:"));
    auto* ordinal = calendar.findChild<QLabel*>(QStringLiteral("lblOrd"));
    auto* month = calendar.findChild<QCalendarWidget*>(QStringLiteral("MonthView1"));
    QCOMPARE(month->selectedDate(), QDate::currentDate());
    QCOMPARE(ordinal->text(), OrdinalDate(QDate::currentDate()));
    month->setSelectedDate(QDate(2005, 12, 1));
    QCOMPARE(ordinal->text(), QStringLiteral("2005335"));
}

QTEST_MAIN(tst_ShellDialogs)
#include "tst_ShellDialogs.moc"
