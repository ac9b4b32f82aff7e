#include "shell/frmMain.h"

#include "RecordingPrintTarget.h"
#include "TestMainWindow.h"
#include "common/NumberText.h"
#include "common/Twips.h"
#include "frame/CalculatorFrame.h"
#include "shell/HelpViewer.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <memory>

namespace {
// A tool bar button at its position (6 is the separator), and the tool window and status
// text it shows (none for button 8, which starts the calculator and is not clicked here).
struct ToolBarButton
{
    int position;
    QString key, caption, toolTip, picture, toolWindow, panel1;
};
const ToolBarButton toolBar[] = {
    {0, "Angles", "Angle Calc  ", "Triangle Calculator (Ctrl+1)", "angle", "frmTriangle",
     "Angle Calculator"},
    {1, "CodeKeeper", "Code Keeper", "Programming Code Storage (Ctrl+2)", "codekeeper",
     "frmCodeKeeper", "Code Keeper"},
    {2, "Temperature", "Temperature", "Temperature (Ctrl+3)", "temperature", "frmTemp",
     "Temperature"},
    {3, "References", "GDT / Ref.  ", "GD&T / References (Ctrl+4)", "references", "frmRef",
     "GD&T / References"},
    {4, "RR", "Gage R&&R  ", "Gage R&R Calculator (Ctrl+5)", "gagerr", "frmRR", "Gage R & R"},
    {5, "Uncertainty", "Uncertainty", "Machine and Part Uncertainity (Ctrl+6)", "uncertainty",
     "frmMPunc", "Machine / Part Uncertainty"},
    {7, "Calculator", "Calculator", "Windows Calculator", "calculator", "", ""}};

// Choosing the menu item relabels button 8 and does nothing more; a click on the button
// then runs the action with the tool in view and the help folder (none configured, empty,
// or with the start topic); what it shows or prints. The message is text|title|icon.
struct Button8Action
{
    QString row, itemKey, caption;
    int picture;
    QString tool, helpFolder, helpTopic, message, modal, printed;
};
const QString noHelp = QStringLiteral("Unable to display Help Contents. There is no Help "
                                      "associated with this project.|Quorvel|information");
const QString noHelpFile = QStringLiteral("File not found|Quorvel|no icon");
const QString noBrowser =
    QStringLiteral("Could Not find associated Browser|Browser Not Found|warning");
const QString useFormButton =
    QStringLiteral("Use the print button on this form to print.|Quorvel|information");
const Button8Action button8Menu[] = {
    {"Calculator (not run)", "Calculator", "Calculator", 5, "", "", "", "", "", ""},
    {"Help", "Contents", "Help      ", 8, "Angles", "start", "Welcome to Quorvel Help.htm", "", "",
     ""},
    {"Help, none configured", "Contents", "Help      ", 8, "Angles", "none", "", noHelp, "", ""},
    {"Help, pages missing", "Contents", "Help      ", 8, "Angles", "empty", "", noHelpFile, "", ""},
    {"About", "About", "About     ", 9, "Angles", "start", "", "", "frmSplash", ""},
    {"Vorn Web, no browser", "WEB", "Vorn Web  ", 10, "Angles", "start", "", noBrowser, "", ""},
    {"Print Form: the panel, named by panel 1", "Print", "Print Form", 11, "Temperature", "start",
     "", "", "frmPrinter", "Temperature"},
    {"Print Form, Code Keeper", "Print", "Print Form", 11, "CodeKeeper", "start", "", useFormButton,
     "", ""}};
} // namespace

// The main window's wiring, one row per handler; the rules behind the handlers are
// tested on their own classes.
class tst_frmMain : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_main = std::make_unique<TestMainWindow>(); }
    void cleanup() { m_main.reset(); }

    void startsMaximisedWithTheTriangleInView()
    {
        QVERIFY(m_main->open());
        QVERIFY(window().isMaximized());
        QCOMPARE(m_main->visibleToolWindows(), QStringList{"frmTriangle"});
        QVERIFY(window().findChild<QAction*>(QStringLiteral("Angles"))->isChecked());
    }

    void toolBarButtons_data()
    {
        QTest::addColumn<ToolBarButton>("button");
        for (const ToolBarButton& button : toolBar)
            QTest::newRow(qPrintable(button.key)) << button;
    }

    void toolBarButtons()
    {
        QFETCH(ToolBarButton, button);
        QVERIFY(m_main->open());
        const QList<QAction*> actions = window().findChild<QToolBar*>()->actions();
        QCOMPARE(actions.size(), 8);
        QVERIFY(actions.at(6)->isSeparator());
        QAction* action = actions.at(button.position);
        QCOMPARE(action->objectName(), button.key);
        QCOMPARE(action->iconText(), button.caption);
        QCOMPARE(action->toolTip(), button.toolTip);
        QCOMPARE(action->icon().pixmap(32).toImage(),
                 QIcon(QStringLiteral(":/icons/%1.svg").arg(button.picture)).pixmap(32).toImage());
        if (button.toolWindow.isEmpty())
            return;

        m_main->clickButton(button.position == 2 ? QStringLiteral("RR")
                                                 : QStringLiteral("Temperature"));
        m_main->clickButton(action->objectName());
        QCOMPARE(m_main->visibleToolWindows(), QStringList{button.toolWindow});
        QCOMPARE(window().findChild<QLabel*>(QStringLiteral("Panel1"))->text(), button.panel1);
        QVERIFY(action->isChecked());
    }

    void button8Actions_data()
    {
        QTest::addColumn<Button8Action>("action");
        for (const Button8Action& action : button8Menu)
            QTest::newRow(qPrintable(action.row)) << action;
    }

    void button8Actions()
    {
        QFETCH(Button8Action, action);
        RecordingPrinting printing;
        QTemporaryDir folder;
        if (action.helpFolder == QLatin1String("start"))
            QVERIFY(QFile(folder.filePath(frmMain::startTopic())).open(QIODevice::WriteOnly));
        QVERIFY(m_main->open());
        window().setHelpFolder(action.helpFolder == QLatin1String("none") ? QString()
                                                                          : folder.path());
        m_main->chooseFromButton8Menu(action.itemKey == QLatin1String("About") ? "WEB" : "About");
        m_main->chooseFromButton8Menu(action.itemKey);
        QCOMPARE(button8()->text(), action.caption);
        QCOMPARE(button8()->property("picture").toInt(), action.picture);
        QVERIFY(m_main->dialogs.messages().isEmpty() && m_main->dialogs.modalWindows().isEmpty());
        if (action.tool.isEmpty())
            return;

        m_main->clickButton(action.tool);
        // The about box is owned by the main window, in about mode; the printer dialog prints.
        bool ownedInAboutMode = true;
        m_main->dialogs.queueModal([&](QDialog* dialog) {
            if (auto* timer = dialog->findChild<QTimer*>(QStringLiteral("Timer1")))
                ownedInAboutMode = dialog->parentWidget() == &window() && !timer->isActive() &&
                                   dialog->findChild<QPushButton*>("cmdOK")->isVisible();
            if (auto* print = dialog->findChild<QPushButton*>(QStringLiteral("cmdPrint")))
                QTest::mouseClick(print, Qt::LeftButton);
            return dialog->result();
        });
        m_main->clickButton(QStringLiteral("Calculator"));

        const auto* viewer = window().findChild<HelpViewer*>();
        QCOMPARE(viewer && viewer->isVisible() ? viewer->currentTopic() : QString(),
                 action.helpTopic);
        const auto listOf = [](const QString& one) {
            return one.isEmpty() ? QStringList() : QStringList{one};
        };
        QCOMPARE(m_main->dialogs.modalWindows(), listOf(action.modal));
        QVERIFY(ownedInAboutMode);
        const char* const icons[] = {"no icon", "information", "warning", "critical", "question"};
        QStringList shown;
        for (const ScriptedDialogs::Message& box : m_main->dialogs.messages())
            shown.append(box.text + '|' + box.title + '|' + icons[int(box.icon)]);
        QCOMPARE(shown, listOf(action.message));
        QStringList names;
        for (const RecordingPrinting::Action& job : printing.actions())
            names.append(job.documentName);
        QCOMPARE(names, listOf(action.printed));
        if (!action.printed.isEmpty()) { // the tool's panel, at its size on screen
            const QRectF place =
                printing.documents().constFirst().pages.constFirst().items.constFirst().bounds;
            const auto* frame = qobject_cast<CalculatorFrame*>(window().activeToolWindow());
            QCOMPARE(place.size(), QSizeF(frame->picture()->size()) * 0.75);
        }
    }

    void statusBarPanels_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QStringList>("texts"); // now or a minute later
        QTest::addColumn<bool>("opensCalendar");

        const QDateTime now = QDateTime::currentDateTime();
        QStringList dates, times;
        for (const QDateTime& at : {now, now.addSecs(60)}) {
            dates.append(QLocale::system().toString(at.date(), QLocale::ShortFormat));
            times.append(NumberText::formatTime(at.time()));
        }
        QTest::newRow("Panel1") << 0 << QStringList{"Angle Calculator"} << false;
        QTest::newRow("Calendar") << 1 << dates << true;
        QTest::newRow("Time") << 2 << times << false;
    }

    void statusBarPanels()
    {
        QFETCH(int, position);
        QFETCH(QStringList, texts);
        QFETCH(bool, opensCalendar);
        QVERIFY(m_main->open());
        QList<QLabel*> panels = window().findChild<QStatusBar*>()->findChildren<QLabel*>();
        std::sort(panels.begin(), panels.end(),
                  [](QLabel* a, QLabel* b) { return a->x() < b->x(); });
        QLabel* panel = panels.value(position);
        QVERIFY(panel);
        QCOMPARE(panel->objectName(), QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY2(texts.contains(panel->text()), qPrintable(panel->text()));

        QWidget* owner = nullptr;
        m_main->dialogs.queueModal([&owner](QDialog* dialog) {
            owner = dialog->parentWidget();
            return int(QDialog::Accepted);
        });
        QTest::mouseDClick(panel, Qt::LeftButton);
        QCOMPARE(m_main->dialogs.modalWindows(),
                 opensCalendar ? QStringList{"frmCalendar"} : QStringList{});
        QCOMPARE(owner, opensCalendar ? &window() : nullptr);
    }

    void placement_data()
    {
        // Texts stored under "Settings" (MainLeft, MainTop, MainWidth, MainHeight; empty:
        // none), the placement the window is shown at in twips, a move before closing (none
        // when null) or closing minimised, and what is stored afterwards.
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QRect>("shown");
        QTest::addColumn<QRect>("movedTo");
        QTest::addColumn<bool>("minimised");
        QTest::addColumn<QStringList>("storedAfter");

        // 1000 twips are 66.7 pixels, 6500 are 433.3: the twips read are stored back.
        QTest::newRow("moved and resized")
            << QStringList{"1500", "750", "9000", "7000"} << QRect(1500, 750, 9000, 7000)
            << QRect(1200, 1350, 9000, 7500) << false
            << QStringList{"1200", "1350", "9000", "7500"};
        QTest::newRow("off every screen: onto the primary screen")
            << QStringList{"-900000", "900000", "", ""} << QRect(0, 0, 6500, 6500) << QRect()
            << false << QStringList{"-900000", "900000", "6500", "6500"};
        QTest::newRow("closed minimised: nothing stored")
            << QStringList{"2000", "", "", ""} << QRect(2000, 1000, 6500, 6500) << QRect() << true
            << QStringList{"2000", "", "", ""};
    }

    void placement()
    {
        QFETCH(QStringList, stored);
        QFETCH(QRect, shown);
        QFETCH(QRect, movedTo);
        QFETCH(bool, minimised);
        QFETCH(QStringList, storedAfter);
        const QStringList keys{"Settings/MainLeft", "Settings/MainTop", "Settings/MainWidth",
                               "Settings/MainHeight"};
        const auto pixels = [](const QRect& t) {
            return Twips::rect(t.x(), t.y(), t.width(), t.height());
        };
        for (int i = 0; i < keys.size(); ++i)
            if (!stored.at(i).isEmpty())
                m_main->store.settings().setValue(keys.at(i), stored.at(i));
        QVERIFY(m_main->open());
        QCOMPARE(window().normalGeometry(), pixels(shown));
        if (!movedTo.isNull()) {
            window().showNormal();
            window().setGeometry(pixels(movedTo));
        }
        if (minimised)
            window().setWindowState(Qt::WindowMinimized);
        window().close();
        const auto reopened = m_main->store.reopen();
        for (int i = 0; i < keys.size(); ++i)
            QCOMPARE(reopened->value(keys.at(i)).toString(), storedAfter.at(i));
    }

    void resizeAfterVisitingEveryToolKeepsTheToolInView()
    {
        QVERIFY(m_main->open());
        QVERIFY(QTest::qWaitForWindowActive(&window()));
        for (const char* key :
             {"Uncertainty", "RR", "CodeKeeper", "References", "Angles", "Temperature"})
            m_main->clickButton(QLatin1String(key));
        window().showNormal();
        window().resize(700, 500);
        QCoreApplication::processEvents();
        QWidget* tool = window().toolWindow(QStringLiteral("Temperature"));
        QCOMPARE(tool->parentWidget()->size(), window().findChild<QMdiArea*>()->viewport()->size());
        QVERIFY(tool->isAncestorOf(QApplication::focusWidget()));
    }

    void keysChooseTheToolThatKeepsWhatWasTyped()
    {
        QTemporaryDir folder;
        const QString page = QStringLiteral("Temperature and Thermal Expansion.htm");
        QVERIFY(QFile(folder.filePath(page)).open(QIODevice::WriteOnly));
        QVERIFY(m_main->open());
        QVERIFY(QTest::qWaitForWindowActive(&window()));
        window().setHelpFolder(folder.path());
        QTest::keyClick(&window(), Qt::Key_3, Qt::ControlModifier);
        QCOMPARE(m_main->visibleToolWindows(), QStringList{"frmTemp"});
        auto* box = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QCOMPARE(box->objectName(), QStringLiteral("txtTemp"));
        QTest::keyClicks(box, QStringLiteral("212"));
        m_main->clickButton(QStringLiteral("RR"));
        QVERIFY(!box->isVisible());
        QTest::keyClick(&window(), Qt::Key_3, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), box);
        QCOMPARE(box->text(), QStringLiteral("212"));
        QTest::keyClick(&window(), Qt::Key_F1);
        QCOMPARE(window().findChild<HelpViewer*>()->currentTopic(), page);
    }

private:
    std::unique_ptr<TestMainWindow> m_main;

    frmMain& window() { return m_main->window(); }
    QToolButton* button8() { return window().findChild<QToolButton*>(QStringLiteral("button8")); }
};

QTEST_MAIN(tst_frmMain)
#include "tst_frmMain.moc"
