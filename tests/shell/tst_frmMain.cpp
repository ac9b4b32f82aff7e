#include "shell/frmMain.h"

#include "RecordingPrintTarget.h"
#include "TestMainWindow.h"
#include "common/NumberText.h"
#include "common/Twips.h"
#include "frame/CalculatorFrame.h"
#include "shell/HelpViewer.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
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

#include <functional>
#include <memory>

// The main window's wiring: each tool bar button, menu item and status bar panel does its
// one thing; the rules behind them are tested on their own classes.
class tst_frmMain : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void startsMaximisedWithTheTriangleInView();
    void toolBarButtons_data();
    void toolBarButtons();
    void button8MenuOnlyRelabelsTheButton_data();
    void button8MenuOnlyRelabelsTheButton();
    void statusBarPanels_data();
    void statusBarPanels();
    void placement_data();
    void placement();
    void toolWindowKeepsWhatTheUserTyped();
    void resizeAfterVisitingEveryToolKeepsTheToolInView();
    void ctrlNumberChoosesTheToolAndFocusesItsFirstBox();
    void helpButton_data();
    void helpButton();
    void f1OpensHelpOnTheToolInView();
    void aboutButtonShowsTheAboutBox();
    void webButtonWithoutABrowserSaysSo();
    void printFormButton_data();
    void printFormButton();

private:
    std::unique_ptr<TestMainWindow> m_main;

    frmMain& window() { return m_main->window(); }
    QString panelText(const char* name) { return window().findChild<QLabel*>(name)->text(); }
    QToolButton* button8() { return window().findChild<QToolButton*>(QStringLiteral("button8")); }
};

void tst_frmMain::init()
{
    m_main = std::make_unique<TestMainWindow>();
}

void tst_frmMain::cleanup()
{
    m_main.reset();
}

void tst_frmMain::startsMaximisedWithTheTriangleInView()
{
    QVERIFY(m_main->open());
    QVERIFY(window().isMaximized());
    QStringList loaded;
    for (QMdiSubWindow* subWindow : window().findChild<QMdiArea*>()->subWindowList())
        loaded.append(subWindow->widget()->objectName());
    QCOMPARE(loaded, QStringList({"frmTriangle", "frmMPunc", "frmRR", "frmCodeKeeper", "frmTemp",
                                  "frmRef"}));
    QCOMPARE(m_main->visibleToolWindows(), QStringList{"frmTriangle"});
    QCOMPARE(panelText("Panel1"), QStringLiteral("Angle Calculator"));
    QVERIFY(window().findChild<QAction*>(QStringLiteral("Angles"))->isChecked());
    QCOMPARE(button8()->property("picture").toInt(), 5);
}

void tst_frmMain::toolBarButtons_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("toolWindow");
    QTest::addColumn<QString>("panel1");

    QTest::newRow("Angles") << 0 << "Angle Calc  "
                            << "Triangle Calculator (Ctrl+1)"
                            << "angle"
                            << "frmTriangle"
                            << "Angle Calculator";
    QTest::newRow("CodeKeeper") << 1 << "Code Keeper"
                                << "Programming Code Storage (Ctrl+2)"
                                << "codekeeper"
                                << "frmCodeKeeper"
                                << "Code Keeper";
    QTest::newRow("Temperature") << 2 << "Temperature"
                                 << "Temperature (Ctrl+3)"
                                 << "temperature"
                                 << "frmTemp"
                                 << "Temperature";
    QTest::newRow("References") << 3 << "GDT / Ref.  "
                                << "GD&T / References (Ctrl+4)"
                                << "references"
                                << "frmRef"
                                << "GD&T / References";
    QTest::newRow("RR") << 4 << "Gage R&&R  "
                        << "Gage R&R Calculator (Ctrl+5)"
                        << "gagerr"
                        << "frmRR"
                        << "Gage R & R";
    QTest::newRow("Uncertainty") << 5 << "Uncertainty"
                                 << "Machine and Part Uncertainity (Ctrl+6)"
                                 << "uncertainty"
                                 << "frmMPunc"
                                 << "Machine / Part Uncertainty";
    // Position 6 is the separator; button 8 starts the calculator (not clicked here).
    QTest::newRow("Calculator") << 7 << "Calculator"
                                << "Windows Calculator"
                                << "calculator"
                                << ""
                                << "";
}

void tst_frmMain::toolBarButtons()
{
    QFETCH(int, position);
    QFETCH(QString, caption);
    QFETCH(QString, toolTip);
    QFETCH(QString, picture);
    QFETCH(QString, toolWindow);
    QFETCH(QString, panel1);
    QVERIFY(m_main->open());
    const QList<QAction*> buttons = window().findChild<QToolBar*>()->actions();
    QCOMPARE(buttons.size(), 8);
    QVERIFY(buttons.at(6)->isSeparator());
    QAction* button = buttons.at(position);
    QCOMPARE(button->objectName(), QString::fromLatin1(QTest::currentDataTag()));
    QCOMPARE(button->iconText(), caption);
    QCOMPARE(button->toolTip(), toolTip);
    const QImage shown = button->icon().pixmap(32, 32).toImage();
    QCOMPARE(shown, QIcon(QStringLiteral(":/icons/%1.svg").arg(picture)).pixmap(32, 32).toImage());
    if (toolWindow.isEmpty())
        return;

    m_main->clickButton(QStringLiteral("Temperature") == button->objectName()
                            ? QStringLiteral("RR")
                            : QStringLiteral("Temperature"));
    m_main->clickButton(button->objectName());
    QCOMPARE(m_main->visibleToolWindows(), QStringList{toolWindow});
    QCOMPARE(panelText("Panel1"), panel1);
    QVERIFY(button->isChecked());
    QWidget* tool = window().activeToolWindow();
    QCOMPARE(tool->objectName(), toolWindow);
    QCOMPARE(tool->parentWidget()->size(), window().findChild<QMdiArea*>()->viewport()->size());
}

void tst_frmMain::button8MenuOnlyRelabelsTheButton_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("itemKey");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("picture");

    QTest::newRow("Calculator") << 0 << "Calculator"
                                << "Calculator" << 5;
    QTest::newRow("Help") << 1 << "Contents"
                          << "Help      " << 8;
    QTest::newRow("About") << 2 << "About"
                           << "About     " << 9;
    QTest::newRow("Vorn Web") << 3 << "WEB"
                              << "Vorn Web  " << 10;
    QTest::newRow("Print Form") << 4 << "Print"
                                << "Print Form" << 11;
}

void tst_frmMain::button8MenuOnlyRelabelsTheButton()
{
    QFETCH(int, position);
    QFETCH(QString, itemKey);
    QFETCH(QString, caption);
    QFETCH(int, picture);
    QVERIFY(m_main->open());
    QAction* item = window().findChild<QMenu*>("button8Menu")->actions().value(position);
    QVERIFY(item);
    QCOMPARE(item->objectName(), QStringLiteral("Menu") + itemKey);
    QCOMPARE(item->text(), QString::fromLatin1(QTest::currentDataTag()));

    m_main->chooseFromButton8Menu(position == 1 ? QStringLiteral("About")
                                                : QStringLiteral("Contents"));
    m_main->chooseFromButton8Menu(itemKey);
    QCOMPARE(button8()->text(), caption);
    QCOMPARE(button8()->property("picture").toInt(), picture);
    QVERIFY(m_main->dialogs.messages().isEmpty());
    QVERIFY(m_main->dialogs.modalWindows().isEmpty());
    QCOMPARE(m_main->visibleToolWindows(), QStringList{"frmTriangle"});
}

using PanelText = std::function<QString(const QDateTime&)>;

void tst_frmMain::statusBarPanels_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<PanelText>("text");
    QTest::addColumn<bool>("opensCalendar");

    QTest::newRow("Panel1") << 0 << PanelText([](const QDateTime&) {
        return QStringLiteral("Angle Calculator");
    }) << false;
    QTest::newRow("Calendar") << 1 << PanelText([](const QDateTime& now) {
        return QLocale::system().toString(now.date(), QLocale::ShortFormat);
    }) << true;
    QTest::newRow("Time") << 2 << PanelText([](const QDateTime& now) {
        return NumberText::formatTime(now.time());
    }) << false;
}

void tst_frmMain::statusBarPanels()
{
    QFETCH(int, position);
    QFETCH(PanelText, text);
    QFETCH(bool, opensCalendar);
    const QDateTime before = QDateTime::currentDateTime();
    QVERIFY(m_main->open());
    const QDateTime after = QDateTime::currentDateTime();
    QList<QLabel*> panels = window().findChild<QStatusBar*>()->findChildren<QLabel*>();
    std::sort(panels.begin(), panels.end(), [](QLabel* a, QLabel* b) { return a->x() < b->x(); });
    QLabel* panel = panels.value(position);
    QVERIFY(panel);
    QCOMPARE(panel->objectName(), QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY2(panel->text() == text(before) || panel->text() == text(after),
             qPrintable(panel->text()));

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

void tst_frmMain::placement_data()
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
    QTest::newRow("first run, closed where it opened")
        << QStringList{"", "", "", ""} << QRect(1000, 1000, 6500, 6500) << QRect() << false
        << QStringList{"1000", "1000", "6500", "6500"};
    QTest::newRow("moved and resized")
        << QStringList{"1500", "750", "9000", "7000"} << QRect(1500, 750, 9000, 7000)
        << QRect(1200, 1350, 9000, 7500) << false << QStringList{"1200", "1350", "9000", "7500"};
    QTest::newRow("off every screen: onto the primary screen")
        << QStringList{"-900000", "900000", "", ""} << QRect(0, 0, 6500, 6500) << QRect() << false
        << QStringList{"-900000", "900000", "6500", "6500"};
    QTest::newRow("closed minimised: nothing stored")
        << QStringList{"2000", "", "", ""} << QRect(2000, 1000, 6500, 6500) << QRect() << true
        << QStringList{"2000", "", "", ""};
}

void tst_frmMain::placement()
{
    QFETCH(QStringList, stored);
    QFETCH(QRect, shown);
    QFETCH(QRect, movedTo);
    QFETCH(bool, minimised);
    QFETCH(QStringList, storedAfter);
    const QStringList keys{"Settings/MainLeft", "Settings/MainTop", "Settings/MainWidth",
                           "Settings/MainHeight"};
    for (int i = 0; i < keys.size(); ++i)
        if (!stored.at(i).isEmpty())
            m_main->store.settings().setValue(keys.at(i), stored.at(i));
    QVERIFY(m_main->open());
    QCOMPARE(window().normalGeometry(),
             Twips::rect(shown.x(), shown.y(), shown.width(), shown.height()));

    if (!movedTo.isNull()) {
        window().showNormal();
        window().setGeometry(
            Twips::rect(movedTo.x(), movedTo.y(), movedTo.width(), movedTo.height()));
    }
    if (minimised)
        window().setWindowState(Qt::WindowMinimized);
    window().close();
    const auto reopened = m_main->store.reopen();
    for (int i = 0; i < keys.size(); ++i)
        QCOMPARE(reopened->value(keys.at(i)).toString(), storedAfter.at(i));
}

void tst_frmMain::toolWindowKeepsWhatTheUserTyped()
{
    QVERIFY(m_main->open());
    m_main->clickButton(QStringLiteral("Temperature"));
    auto* box =
        window().toolWindow(QStringLiteral("Temperature"))->findChild<QLineEdit*>("txtTemp");
    QTest::keyClicks(box, QStringLiteral("212"));
    m_main->clickButton(QStringLiteral("RR"));
    QVERIFY(!box->isVisible());
    m_main->clickButton(QStringLiteral("Temperature"));
    QVERIFY(box->isVisible());
    QCOMPARE(box->text(), QStringLiteral("212"));
}

void tst_frmMain::resizeAfterVisitingEveryToolKeepsTheToolInView()
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

void tst_frmMain::ctrlNumberChoosesTheToolAndFocusesItsFirstBox()
{
    QVERIFY(m_main->open());
    QVERIFY(QTest::qWaitForWindowActive(&window()));
    QTest::keyClick(&window(), Qt::Key_3, Qt::ControlModifier);
    QCOMPARE(m_main->visibleToolWindows(), QStringList{"frmTemp"});
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("txtTemp"));
}

void tst_frmMain::helpButton_data()
{
    QTest::addColumn<bool>("configured");
    QTest::addColumn<bool>("withStartTopic");
    QTest::addColumn<QString>("message");
    QTest::addColumn<Dialogs::Icon>("icon");

    QTest::newRow("start topic") << true << true << "" << Dialogs::Icon::NoIcon;
    QTest::newRow("no help configured")
        << false << false
        << "Unable to display Help Contents. There is no Help associated with this project."
        << Dialogs::Icon::Information;
    QTest::newRow("pages missing") << true << false << "File not found" << Dialogs::Icon::NoIcon;
}

void tst_frmMain::helpButton()
{
    QFETCH(bool, configured);
    QFETCH(bool, withStartTopic);
    QFETCH(QString, message);
    QFETCH(Dialogs::Icon, icon);
    QTemporaryDir folder;
    if (withStartTopic) {
        QFile page(folder.filePath(frmMain::startTopic()));
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.write("<html><body><h1>Welcome</h1></body></html>");
    }
    QVERIFY(m_main->open());
    window().setHelpFolder(configured ? folder.path() : QString());
    m_main->chooseFromButton8Menu(QStringLiteral("Contents"));
    QVERIFY(!window().findChild<HelpViewer*>());
    m_main->clickButton(QStringLiteral("Calculator"));

    auto* viewer = window().findChild<HelpViewer*>();
    QCOMPARE(viewer && viewer->isVisible(), message.isEmpty());
    if (message.isEmpty()) {
        QCOMPARE(viewer->currentTopic(), frmMain::startTopic());
        QVERIFY(m_main->dialogs.messages().isEmpty());
        return;
    }
    QCOMPARE(m_main->dialogs.messages().size(), 1);
    QCOMPARE(m_main->dialogs.messages().constFirst().text, message);
    QCOMPARE(m_main->dialogs.messages().constFirst().title, QStringLiteral("Quorvel"));
    QCOMPARE(m_main->dialogs.messages().constFirst().icon, icon);
}

void tst_frmMain::f1OpensHelpOnTheToolInView()
{
    QTemporaryDir folder;
    const QString page = QStringLiteral("Temperature and Thermal Expansion.htm");
    for (const QString& name : {frmMain::startTopic(), page})
        QVERIFY(QFile(folder.filePath(name)).open(QIODevice::WriteOnly));
    QVERIFY(m_main->open());
    QVERIFY(QTest::qWaitForWindowActive(&window()));
    window().setHelpFolder(folder.path());
    m_main->clickButton(QStringLiteral("Temperature"));
    QTest::keyClick(&window(), Qt::Key_F1);
    QCOMPARE(window().findChild<HelpViewer*>()->currentTopic(), page);
}

void tst_frmMain::aboutButtonShowsTheAboutBox()
{
    QVERIFY(m_main->open());
    QWidget* owner = nullptr;
    bool aboutMode = false;
    m_main->dialogs.queueModal([&](QDialog* about) {
        owner = about->parentWidget();
        aboutMode = !about->findChild<QTimer*>(QStringLiteral("Timer1"))->isActive() &&
                    about->findChild<QPushButton*>(QStringLiteral("cmdOK"))->isVisible();
        return int(QDialog::Accepted);
    });
    m_main->chooseFromButton8Menu(QStringLiteral("About"));
    m_main->clickButton(QStringLiteral("Calculator"));
    QCOMPARE(m_main->dialogs.modalWindows(), QStringList{"frmSplash"});
    QCOMPARE(owner, &window());
    QVERIFY(aboutMode);
}

void tst_frmMain::webButtonWithoutABrowserSaysSo()
{
    QVERIFY(m_main->open());
    m_main->chooseFromButton8Menu(QStringLiteral("WEB"));
    m_main->clickButton(QStringLiteral("Calculator")); // no browser on this platform
    QCOMPARE(m_main->dialogs.messages().size(), 1);
    const ScriptedDialogs::Message message = m_main->dialogs.messages().constFirst();
    QCOMPARE(message.text, QStringLiteral("Could Not find associated Browser"));
    QCOMPARE(message.title, QStringLiteral("Browser Not Found"));
    QCOMPARE(message.icon, Dialogs::Icon::Warning);
}

void tst_frmMain::printFormButton_data()
{
    QTest::addColumn<QString>("tool");
    QTest::addColumn<QStringList>("printed");
    QTest::addColumn<QString>("message");

    QTest::newRow("a framed tool: its panel, named by panel 1")
        << "Temperature" << QStringList{"Temperature"} << "";
    QTest::newRow("Code Keeper: its own print button")
        << "CodeKeeper" << QStringList{} << "Use the print button on this form to print.";
}

void tst_frmMain::printFormButton()
{
    QFETCH(QString, tool);
    QFETCH(QStringList, printed);
    QFETCH(QString, message);
    RecordingPrinting printing;
    QVERIFY(m_main->open());
    m_main->clickButton(tool);
    m_main->dialogs.queueModal([](QDialog* dialog) {
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdPrint")),
                          Qt::LeftButton);
        return dialog->result();
    });
    m_main->chooseFromButton8Menu(QStringLiteral("Print"));
    m_main->clickButton(QStringLiteral("Calculator"));

    QStringList names;
    for (const RecordingPrinting::Action& action : printing.actions())
        names.append(action.documentName);
    QCOMPARE(names, printed);
    QCOMPARE(printing.documents().size(), printed.size());
    if (!printed.isEmpty()) {
        // The tool's panel, at its size on screen (0.75 point to a pixel).
        const auto* tool = qobject_cast<CalculatorFrame*>(window().activeToolWindow());
        const QList<RecordedItem> images =
            printing.documents().constFirst().pages.constFirst().ofKind(RecordedItem::Image);
        QCOMPARE(images.size(), 1);
        QCOMPARE(images.constFirst().bounds.size(), QSizeF(tool->picture()->size()) * 0.75);
    }
    QCOMPARE(m_main->dialogs.messages().size(), message.isEmpty() ? 0 : 1);
    if (message.isEmpty())
        return;
    QCOMPARE(m_main->dialogs.messages().constFirst().text, message);
    QCOMPARE(m_main->dialogs.messages().constFirst().title, QStringLiteral("Quorvel"));
    QCOMPARE(m_main->dialogs.messages().constFirst().icon, Dialogs::Icon::Information);
    QVERIFY(m_main->dialogs.modalWindows().isEmpty());
}

QTEST_MAIN(tst_frmMain)
#include "tst_frmMain.moc"
