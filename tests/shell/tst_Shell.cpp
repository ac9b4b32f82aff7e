#include "shell/OrdinalDate.h"
#include "shell/PlacementSettings.h"
#include "shell/ToolHelp.h"
#include "shell/frmCalendar.h"
#include "shell/frmSplash.h"
#include "shell/modPrintForm.h"

#include "RecordingPrintTarget.h"
#include "ScriptedDialogs.h"
#include "TwipPlacement.h"
#include "common/AppPaths.h"
#include "common/Twips.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <optional>

using FailingStep = std::optional<RecordingPrintTarget::Step>;

// The shell's parts below the main window: its stored placement, the help page of each
// tool, the ordinal date, the splash and about box (the
// timer driven by the test, never waited for), the calendar, and Print Form on a panel.
class tst_Shell : public QObject
{
    Q_OBJECT

private slots:
    void placementRead_data()
    {
        // The settings file as it lies on disk; a value no window can have is its default.
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QRectF>("placement");
        const QRectF defaults(1000, 1000, 6500, 6500);
        QTest::newRow("none stored") << QByteArray() << defaults;
        QTest::newRow("numbers") << QByteArray("[Settings]\nMainLeft=1500\nMainTop=-120\n"
                                               "MainWidth=9000\nMainHeight=7000.5\n")
                                 << QRectF(1500, -120, 9000, 7000.5);
        QTest::newRow("unreadable: each its default")
            << QByteArray(
                   "[Settings]\nMainLeft=left\nMainTop=1, 2\nMainWidth=9e99\nMainHeight=1500\n")
            << QRectF(1000, 1000, 6500, 1500);
        QTest::newRow("beyond any screen")
            << QByteArray("[Settings]\nMainLeft=1e30\nMainTop=-3e38\n"
                          "MainWidth=3e38\nMainHeight=1e20\n")
            << defaults;
        QTest::newRow("no size") << QByteArray("[Settings]\nMainWidth=0\nMainHeight=-6500\n")
                                 << defaults;
        QTest::newRow("binary garbage")
            << QByteArray("\xff\xfe\x00[Settings\x01\nMainLeft\x00=9", 25) << defaults;
    }

    void placementRead()
    {
        QFETCH(QByteArray, file);
        QFETCH(QRectF, placement);
        QTemporaryDir folder;
        QFile settingsFile(folder.filePath(QStringLiteral("Quorvel.ini")));
        QVERIFY(settingsFile.open(QIODevice::WriteOnly));
        settingsFile.write(file);
        settingsFile.close();
        QSettings settings(settingsFile.fileName(), QSettings::IniFormat);
        QCOMPARE(PlacementSettings(settings).read(), placement);
    }

    void toolHelpPage_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<bool>("shippedHelp"); // else an empty help folder
        QTest::addColumn<QString>("page");
        const QString start = QStringLiteral("Welcome to Quorvel Help.htm");
        QTest::newRow("Angles") << "Angles" << true << "Triangle Calculator.htm";
        QTest::newRow("CodeKeeper") << "CodeKeeper" << true << "Code Keeper.htm";
        QTest::newRow("Temperature")
            << "Temperature" << true << "Temperature and Thermal Expansion.htm";
        QTest::newRow("References")
            << "References" << true << "Reference - Angles, GD&T and Units.htm";
        QTest::newRow("RR") << "RR" << true << "Gage RR Study Window.htm";
        QTest::newRow("Uncertainty") << "Uncertainty" << true << "Machine and Part Uncertainty.htm";
        QTest::newRow("no tool in view") << "" << true << start;
        QTest::newRow("page not in the folder") << "Temperature" << false << start;
    }

    void toolHelpPage()
    {
        QFETCH(QString, tool);
        QFETCH(bool, shippedHelp);
        QFETCH(QString, page);
        QTemporaryDir empty;
        QCOMPARE(ToolHelp::topicFor(tool, shippedHelp ? AppPaths::helpFolder() : empty.path()),
                 page);
    }

    void ordinalDate_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("ordinal");
        QTest::newRow("century not a leap year") << QDate(2100, 3, 1) << "2100060";
        QTest::newRow("three digits") << QDate(2006, 1, 5) << "2006005";
        QTest::newRow("last day of a leap year") << QDate(2024, 12, 31) << "2024366";
    }

    void ordinalDate()
    {
        QFETCH(QDate, date);
        QFETCH(QString, ordinal);
        QCOMPARE(OrdinalDate(date), ordinal);
    }

    void splashAndAboutBoxClose_data()
    {
        QTest::addColumn<bool>("aboutMode");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QString>("clicked");
        QTest::addColumn<bool>("closed");

        QTest::newRow("splash: fifth tick") << false << 5 << "" << false;
        QTest::newRow("splash: sixth tick") << false << 6 << "" << true;
        QTest::newRow("splash: a label clicked") << false << 0 << "Label3" << true;
        QTest::newRow("splash: the frame clicked") << false << 0 << "fraMainFrame" << true;
        QTest::newRow("about: a label clicked") << true << 0 << "lblProductName" << false;
        QTest::newRow("about: OK") << true << 0 << "cmdOK" << true;
    }

    void splashAndAboutBoxClose()
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
        timer->stop();
        for (const char* button : {"cmdOK", "cmdSysInfo"})
            QCOMPARE(splash.findChild<QPushButton*>(button)->isVisible(), aboutMode);

        for (int tick = 0; tick < ticks; ++tick)
            QMetaObject::invokeMethod(&splash, "Timer1_Timer");
        if (!clicked.isEmpty())
            QTest::mouseClick(splash.findChild<QWidget*>(clicked), Qt::LeftButton, {},
                              QPoint(2, 2));
        QCOMPARE(splash.isVisible(), !closed);
    }

    void splashDesign()
    {
        frmSplash splash;
        QCOMPARE(splash.size(), Twips::size(7380, 4380));
        const QString misplaced =
            misplacedControls(splash, {{"fraMainFrame", 60, 60, 7260, 4260},
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
                                       {"cmdOK", 5880, 3660, 1140, 405}});
        QVERIFY2(misplaced.isEmpty(), qPrintable(misplaced));
    }

    void calendarShowsTheOrdinalDateOfTheDayChosen()
    {
        frmCalendar calendar;
        auto* ordinal = calendar.findChild<QLabel*>(QStringLiteral("lblOrd"));
        auto* month = calendar.findChild<QCalendarWidget*>(QStringLiteral("MonthView1"));
        QCOMPARE(month->selectedDate(), QDate::currentDate());
        QCOMPARE(ordinal->text(), OrdinalDate(QDate::currentDate()));
        month->setSelectedDate(QDate(2005, 12, 1));
        QCOMPARE(ordinal->text(), QStringLiteral("2005335"));
    }

    void printsOneDocumentPerCopy_data()
    {
        // copies: 0 is Cancel in the printer dialog.
        QTest::addColumn<int>("copies");
        QTest::addColumn<bool>("pdfChoiceCancelled");
        QTest::addColumn<FailingStep>("failing");
        QTest::addColumn<int>("printed");

        QTest::newRow("3 copies") << 3 << false << FailingStep() << 3;
        QTest::newRow("Cancel") << 0 << false << FailingStep() << 0;
        QTest::newRow("PDF file choice cancelled") << 3 << true << FailingStep() << 0;
        QTest::newRow("a copy cannot start: the others print")
            << 3 << false << FailingStep(RecordingPrintTarget::Step::Begin) << 2;
        QTest::newRow("a copy cannot end: the others print")
            << 3 << false << FailingStep(RecordingPrintTarget::Step::End) << 2;
    }

    void printsOneDocumentPerCopy()
    {
        QFETCH(int, copies);
        QFETCH(bool, pdfChoiceCancelled);
        QFETCH(FailingStep, failing);
        QFETCH(int, printed);
        ScriptedDialogs dialogs;
        RecordingPrinting printing;
        QWidget panel;
        panel.setFixedSize(300, 200);
        auto* marker = new QWidget(&panel); // a control on the panel, printed with it
        marker->setGeometry(40, 30, 20, 10);
        marker->setStyleSheet(QStringLiteral("background: red"));
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        QApplication::clipboard()->clear();
        if (pdfChoiceCancelled)
            printing.cancelNextAction();
        if (failing)
            printing.failNext(*failing, QStringLiteral("The printer is out of paper."));
        dialogs.queueModal([copies](QDialog* dialog) {
            QScrollBar* bar = dialog->findChild<QListWidget*>()->verticalScrollBar();
            for (int click = 1; click < copies; ++click)
                bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            const char* button = copies > 0 ? "cmdPrint" : "cmdCancel";
            QTest::mouseClick(dialog->findChild<QPushButton*>(button), Qt::LeftButton);
            return dialog->result();
        });

        modPrintForm::PrintForm(nullptr, &panel, QStringLiteral("Temperature"));

        QCOMPARE(dialogs.modalWindows(), QStringList{"frmPrinter"});
        QCOMPARE(QApplication::clipboard()->image().size(),
                 panel.size() * panel.devicePixelRatio());
        QStringList jobs;
        for (const RecordingPrinting::Action& action : printing.actions())
            jobs << QStringLiteral("%1 x%2").arg(action.documentName).arg(action.documents);
        QCOMPARE(jobs, copies > 0 ? QStringList{QStringLiteral("Temperature x%1").arg(copies)}
                                  : QStringList());
        QStringList messages;
        for (const ScriptedDialogs::Message& message : dialogs.messages())
            messages << message.title + '|' + message.text;
        QCOMPARE(messages, failing ? QStringList{"Printer Error!|The printer is out of paper."}
                                   : QStringList());
        int ended = 0;
        for (const RecordedDocument& document : printing.documents()) {
            if (!document.ended)
                continue;
            ++ended;
            QCOMPARE(document.pages.size(), 1);
            const QList<RecordedItem> images =
                document.pages.constFirst().ofKind(RecordedItem::Image);
            QCOMPARE(images.size(), 1);
            QCOMPARE(images.constFirst().bounds, QRectF(25, 25, 300 * 0.75, 200 * 0.75));
            const QImage picture = images.constFirst().image;
            const double scale = picture.width() / 300.0;
            QVERIFY2(scale > 3, "the panel is drawn at the print resolution");
            QCOMPARE(QColor(picture.pixel(int(50 * scale), int(35 * scale))), QColor(Qt::red));
            QVERIFY(QColor(picture.pixel(int(10 * scale), int(10 * scale))) != QColor(Qt::red));
        }
        QCOMPARE(ended, printed);
    }
};

QTEST_MAIN(tst_Shell)
#include "tst_Shell.moc"
