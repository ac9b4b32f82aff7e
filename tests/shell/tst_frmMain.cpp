#include "shell/frmMain.h"

#include "ScriptedDialogs.h"
#include "TestSettings.h"
#include "common/Twips.h"
#include "shell/HelpViewer.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <memory>

class tst_frmMain : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void startsMaximisedWithTheTriangleInView();
    void loadsTheSixToolWindowsInOrder();
    void toolButtonShowsExactlyOneToolWindow_data();
    void toolButtonShowsExactlyOneToolWindow();
    void toolWindowKeepsWhatTheUserTyped();
    void resizeAfterVisitingEveryToolKeepsTheToolInView();
    void dropDownChoiceOnlyRelabelsButton8_data();
    void dropDownChoiceOnlyRelabelsButton8();
    void firstRunUsesTheDefaultPlacement();
    void restoresTheStoredPlacement();
    void placementOffEveryScreenMovesOntoThePrimaryScreen();
    void closeStoresThePlacement();
    void closeWhileMinimisedLeavesThePlacement();
    void closeWithoutMovingKeepsTheStoredPlacement();
    void ctrlNumberChoosesTheToolAndFocusesItsFirstBox();
    void f1OpensHelpOnTheToolInView();
    void aboutBoxNeverClosesByItself();
    void onlyTheDatePanelOpensTheCalendar();
    void webPageWithoutABrowserSaysSo();
    void helpOpensTheStartTopic();
    void helpWithoutConfiguredHelpSaysSo();
    void helpWithMissingPagesShowsTheError();

private:
    std::unique_ptr<TestSettings> m_store;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<frmMain> m_window;

    void openWindow();
    void clickButton(const QString& key);
    void chooseFromButton8Menu(const QString& itemKey);
    QToolButton* button8() const;
    QString panel1() const;
    QList<QWidget*> visibleToolWindows() const;
};

void tst_frmMain::init()
{
    m_store = std::make_unique<TestSettings>();
    m_dialogs = std::make_unique<ScriptedDialogs>();
}

void tst_frmMain::cleanup()
{
    m_window.reset();
    m_dialogs.reset();
    m_store.reset();
}

void tst_frmMain::openWindow()
{
    m_window = std::make_unique<frmMain>(m_store->settings());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void tst_frmMain::clickButton(const QString& key)
{
    auto* toolBar = m_window->findChild<QToolBar*>(QStringLiteral("tbToolBar"));
    auto* action = m_window->findChild<QAction*>(key);
    QVERIFY2(action, qPrintable(key));
    QTest::mouseClick(toolBar->widgetForAction(action), Qt::LeftButton);
}

void tst_frmMain::chooseFromButton8Menu(const QString& itemKey)
{
    auto* item = m_window->findChild<QAction*>(QStringLiteral("Menu") + itemKey);
    QVERIFY2(item, qPrintable(itemKey));
    item->trigger();
}

QToolButton* tst_frmMain::button8() const
{
    return m_window->findChild<QToolButton*>(QStringLiteral("button8"));
}

QString tst_frmMain::panel1() const
{
    return m_window->findChild<QLabel*>(QStringLiteral("Panel1"))->text();
}

QList<QWidget*> tst_frmMain::visibleToolWindows() const
{
    QList<QWidget*> visible;
    for (QMdiSubWindow* subWindow : m_window->findChild<QMdiArea*>()->subWindowList())
        if (subWindow->isVisible())
            visible.append(subWindow->widget());
    return visible;
}

void tst_frmMain::startsMaximisedWithTheTriangleInView()
{
    openWindow();
    QVERIFY(m_window->isMaximized());
    QCOMPARE(panel1(), QStringLiteral("Angle Calculator"));
    const auto visible = visibleToolWindows();
    QCOMPARE(visible.size(), 1);
    QCOMPARE(visible.first()->objectName(), QStringLiteral("frmTriangle"));
    QCOMPARE(button8()->text(), QStringLiteral("Calculator"));
    QVERIFY(m_window->findChild<QAction*>(QStringLiteral("Angles"))->isChecked());
}

void tst_frmMain::loadsTheSixToolWindowsInOrder()
{
    openWindow();
    QStringList names;
    for (QMdiSubWindow* subWindow : m_window->findChild<QMdiArea*>()->subWindowList())
        names.append(subWindow->widget()->objectName());
    QCOMPARE(names, QStringList({"frmTriangle", "frmMPunc", "frmRR", "frmCodeKeeper", "frmTemp",
                                 "frmRef"}));
}

void tst_frmMain::toolButtonShowsExactlyOneToolWindow_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("status");

    QTest::newRow("Uncertainty") << "Uncertainty" << "frmMPunc" << "Machine / Part Uncertainty";
    QTest::newRow("RR") << "RR" << "frmRR" << "Gage R & R";
    QTest::newRow("CodeKeeper") << "CodeKeeper" << "frmCodeKeeper" << "Code Keeper";
    QTest::newRow("Temperature") << "Temperature" << "frmTemp" << "Temperature";
    QTest::newRow("References") << "References" << "frmRef" << "GD&T / References";
    QTest::newRow("Angles") << "Angles" << "frmTriangle" << "Angle Calculator";
}

void tst_frmMain::toolButtonShowsExactlyOneToolWindow()
{
    QFETCH(QString, key);
    QFETCH(QString, window);
    QFETCH(QString, status);
    openWindow();
    clickButton(QStringLiteral("Temperature"));
    clickButton(key);
    const auto visible = visibleToolWindows();
    QCOMPARE(visible.size(), 1);
    QCOMPARE(visible.first()->objectName(), window);
    QCOMPARE(m_window->activeToolWindow(), visible.first());
    QCOMPARE(panel1(), status);
    QVERIFY(m_window->findChild<QAction*>(key)->isChecked());
    QVERIFY(visible.first()->isVisible());
    QCOMPARE(visible.first()->parentWidget()->size(),
             m_window->findChild<QMdiArea*>()->viewport()->size());
}

void tst_frmMain::toolWindowKeepsWhatTheUserTyped()
{
    openWindow();
    QWidget* temperature = m_window->toolWindow(QStringLiteral("Temperature"));
    auto* box = new QLineEdit(temperature->findChild<QWidget*>(QStringLiteral("Picture1")));
    clickButton(QStringLiteral("Temperature"));
    QTest::keyClicks(box, QStringLiteral("212"));
    clickButton(QStringLiteral("RR"));
    QVERIFY(!box->isVisible());
    clickButton(QStringLiteral("Temperature"));
    QVERIFY(box->isVisible());
    QCOMPARE(box->text(), QStringLiteral("212"));
}

void tst_frmMain::resizeAfterVisitingEveryToolKeepsTheToolInView()
{
    openWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    for (const char* key :
         {"Uncertainty", "RR", "CodeKeeper", "References", "Angles", "Temperature"})
        clickButton(QLatin1String(key));
    m_window->showNormal();
    m_window->resize(700, 500);
    QCoreApplication::processEvents();
    QWidget* tool = m_window->toolWindow(QStringLiteral("Temperature"));
    QCOMPARE(tool->parentWidget()->size(), m_window->findChild<QMdiArea*>()->viewport()->size());
    QVERIFY(tool->isAncestorOf(QApplication::focusWidget()));
}

void tst_frmMain::dropDownChoiceOnlyRelabelsButton8_data()
{
    QTest::addColumn<QString>("itemKey");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("picture");

    QTest::newRow("Help") << "Contents" << "Help      " << 8;
    QTest::newRow("About") << "About" << "About     " << 9;
    QTest::newRow("Vorn Web") << "WEB" << "Vorn Web  " << 10;
    QTest::newRow("Print Form") << "Print" << "Print Form" << 11;
    QTest::newRow("Calculator") << "Calculator" << "Calculator" << 5;
}

void tst_frmMain::dropDownChoiceOnlyRelabelsButton8()
{
    QFETCH(QString, itemKey);
    QFETCH(QString, caption);
    QFETCH(int, picture);
    openWindow();
    chooseFromButton8Menu(QStringLiteral("Contents"));
    chooseFromButton8Menu(itemKey);
    QCOMPARE(button8()->text(), caption);
    QCOMPARE(button8()->property("picture").toInt(), picture);
    QVERIFY(m_dialogs->messages().isEmpty());
    QVERIFY(m_dialogs->modalWindows().isEmpty());
    QCOMPARE(panel1(), QStringLiteral("Angle Calculator"));
    QCOMPARE(visibleToolWindows().size(), 1);
}

void tst_frmMain::firstRunUsesTheDefaultPlacement()
{
    openWindow();
    QCOMPARE(m_window->normalGeometry(), Twips::rect(1000, 1000, 6500, 6500));
}

void tst_frmMain::restoresTheStoredPlacement()
{
    m_store->settings().setValue(QStringLiteral("Settings/MainLeft"), QStringLiteral("1500"));
    m_store->settings().setValue(QStringLiteral("Settings/MainTop"), QStringLiteral("750"));
    m_store->settings().setValue(QStringLiteral("Settings/MainWidth"), QStringLiteral("9000"));
    m_store->settings().setValue(QStringLiteral("Settings/MainHeight"), QStringLiteral("bad"));
    openWindow();
    QCOMPARE(m_window->normalGeometry(), Twips::rect(1500, 750, 9000, 6500));
}

void tst_frmMain::placementOffEveryScreenMovesOntoThePrimaryScreen()
{
    m_store->settings().setValue(QStringLiteral("Settings/MainLeft"), QStringLiteral("-900000"));
    m_store->settings().setValue(QStringLiteral("Settings/MainTop"), QStringLiteral("900000"));
    openWindow();
    const QRect placement = m_window->normalGeometry();
    QVERIFY(m_window->screen()->availableGeometry().intersects(placement));
    QCOMPARE(placement.size(), Twips::size(6500, 6500));
}

void tst_frmMain::closeStoresThePlacement()
{
    openWindow();
    m_window->showNormal();
    m_window->setGeometry(Twips::rect(1200, 1350, 9000, 7500));
    m_window->close();
    const auto stored = m_store->reopen();
    QCOMPARE(stored->value(QStringLiteral("Settings/MainLeft")).toString(), QStringLiteral("1200"));
    QCOMPARE(stored->value(QStringLiteral("Settings/MainTop")).toString(), QStringLiteral("1350"));
    QCOMPARE(stored->value(QStringLiteral("Settings/MainWidth")).toString(), QStringLiteral("9000"));
    QCOMPARE(stored->value(QStringLiteral("Settings/MainHeight")).toString(), QStringLiteral("7500"));
}

void tst_frmMain::closeWhileMinimisedLeavesThePlacement()
{
    m_store->settings().setValue(QStringLiteral("Settings/MainLeft"), QStringLiteral("2000"));
    openWindow();
    m_window->setWindowState(Qt::WindowMinimized);
    m_window->close();
    const auto stored = m_store->reopen();
    QCOMPARE(stored->value(QStringLiteral("Settings/MainLeft")).toString(), QStringLiteral("2000"));
    QVERIFY(!stored->contains(QStringLiteral("Settings/MainTop")));
}

void tst_frmMain::helpOpensTheStartTopic()
{
    QTemporaryDir helpFolder;
    QFile page(helpFolder.filePath(frmMain::startTopic()));
    QVERIFY(page.open(QIODevice::WriteOnly));
    page.write("<html><body><h1>Welcome</h1></body></html>");
    page.close();

    openWindow();
    m_window->setHelpFolder(helpFolder.path());
    chooseFromButton8Menu(QStringLiteral("Contents"));
    QVERIFY(!m_window->findChild<QTextBrowser*>(QStringLiteral("Browser")));
    clickButton(QStringLiteral("Calculator"));
    auto* browser = m_window->findChild<QTextBrowser*>(QStringLiteral("Browser"));
    QVERIFY(browser);
    QVERIFY(browser->isVisible());
    QVERIFY(browser->toPlainText().contains(QStringLiteral("Welcome")));
    QVERIFY(m_dialogs->messages().isEmpty());
}

void tst_frmMain::helpWithoutConfiguredHelpSaysSo()
{
    openWindow();
    m_window->setHelpFolder(QString());
    chooseFromButton8Menu(QStringLiteral("Contents"));
    clickButton(QStringLiteral("Calculator"));
    QCOMPARE(m_dialogs->messages().size(), 1);
    const auto message = m_dialogs->messages().first();
    QCOMPARE(message.text, QStringLiteral("Unable to display Help Contents. There is no Help "
                                          "associated with this project."));
    QCOMPARE(message.icon, Dialogs::Icon::Information);
    QCOMPARE(message.title, m_window->windowTitle());
}

void tst_frmMain::helpWithMissingPagesShowsTheError()
{
    QTemporaryDir emptyFolder;
    openWindow();
    m_window->setHelpFolder(emptyFolder.path());
    chooseFromButton8Menu(QStringLiteral("Contents"));
    clickButton(QStringLiteral("Calculator"));
    QCOMPARE(m_dialogs->messages().size(), 1);
    QCOMPARE(m_dialogs->messages().first().text, QStringLiteral("File not found"));
    QCOMPARE(m_dialogs->messages().first().icon, Dialogs::Icon::NoIcon);
}

void tst_frmMain::closeWithoutMovingKeepsTheStoredPlacement()
{
    openWindow(); // 1000 twips are 66.7 pixels, 6500 are 433.3
    m_window->close();
    const auto stored = m_store->reopen();
    QCOMPARE(stored->value(QStringLiteral("Settings/MainTop")).toString(), QLatin1String("1000"));
    QCOMPARE(stored->value(QStringLiteral("Settings/MainWidth")).toString(), QLatin1String("6500"));
}

void tst_frmMain::ctrlNumberChoosesTheToolAndFocusesItsFirstBox()
{
    openWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QTest::keyClick(m_window.get(), Qt::Key_3, Qt::ControlModifier);
    QCOMPARE(visibleToolWindows().constFirst()->objectName(), QStringLiteral("frmTemp"));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("txtTemp"));
    QCOMPARE(m_window->findChild<QAction*>(QStringLiteral("Temperature"))->toolTip(),
             QStringLiteral("Temperature (Ctrl+3)"));
}

void tst_frmMain::f1OpensHelpOnTheToolInView()
{
    QTemporaryDir helpFolder;
    const QString page = QStringLiteral("Temperature and Thermal Expansion.htm");
    for (const QString& name : {frmMain::startTopic(), page})
        QVERIFY(QFile(helpFolder.filePath(name)).open(QIODevice::WriteOnly));
    openWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    m_window->setHelpFolder(helpFolder.path());
    clickButton(QStringLiteral("Temperature"));
    QTest::keyClick(m_window.get(), Qt::Key_F1);
    QCOMPARE(m_window->findChild<HelpViewer*>()->currentTopic(), page);
    // A tool without a page of its own yet opens the start topic.
    clickButton(QStringLiteral("Uncertainty"));
    QTest::keyClick(m_window.get(), Qt::Key_F1);
    QCOMPARE(m_window->findChild<HelpViewer*>()->currentTopic(), frmMain::startTopic());
}

void tst_frmMain::aboutBoxNeverClosesByItself()
{
    openWindow();
    QWidget* owner = nullptr;
    bool ticking = true;
    bool openAfterClicks = false;
    m_dialogs->queueModal([&](QDialog* about) {
        owner = about->parentWidget();
        ticking = about->findChild<QTimer*>(QStringLiteral("Timer1"))->isActive();
        QTest::mouseClick(about->findChild<QLabel*>(QStringLiteral("Label1")), Qt::LeftButton);
        openAfterClicks = about->isVisible();
        QTest::mouseClick(about->findChild<QPushButton*>(QStringLiteral("cmdSysInfo")),
                          Qt::LeftButton);
        QTest::mouseClick(about->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
        return about->result();
    });
    QString copied;
    m_dialogs->queueModal([&](QDialog* information) {
        QTest::mouseClick(information->findChild<QPushButton*>(QStringLiteral("cmdCopy")),
                          Qt::LeftButton);
        copied = QGuiApplication::clipboard()->text();
        return information->result();
    });
    chooseFromButton8Menu(QStringLiteral("About"));
    clickButton(QStringLiteral("Calculator"));
    QCOMPARE(m_dialogs->modalWindows(), QStringList({"frmSplash", "frmSysInfo"}));
    QCOMPARE(owner, m_window.get());
    QVERIFY(!ticking);
    QVERIFY(openAfterClicks);
    QVERIFY(copied.contains(QStringLiteral("Qt version: ")));
}

void tst_frmMain::onlyTheDatePanelOpensTheCalendar()
{
    openWindow();
    for (const char* panel : {"Time", "Panel1"})
        QTest::mouseDClick(m_window->findChild<QLabel*>(QLatin1String(panel)), Qt::LeftButton);
    QVERIFY(m_dialogs->modalWindows().isEmpty());
    QString ordinal;
    m_dialogs->queueModal([&ordinal](QDialog* calendar) {
        calendar->findChild<QCalendarWidget*>()->setSelectedDate(QDate(2005, 12, 1));
        ordinal = calendar->findChild<QLabel*>(QStringLiteral("lblOrd"))->text();
        return calendar->result();
    });
    QTest::mouseDClick(m_window->findChild<QLabel*>(QStringLiteral("Calendar")), Qt::LeftButton);
    QCOMPARE(m_dialogs->modalWindows(), QStringList({"frmCalendar"}));
    QCOMPARE(ordinal, QStringLiteral("2005335"));
}

void tst_frmMain::webPageWithoutABrowserSaysSo()
{
    openWindow();
    chooseFromButton8Menu(QStringLiteral("WEB"));
    clickButton(QStringLiteral("Calculator")); // no browser on this platform
    QCOMPARE(m_dialogs->messages().size(), 1);
    const auto message = m_dialogs->messages().first();
    QCOMPARE(message.text, QStringLiteral("Could Not find associated Browser"));
    QCOMPARE(message.title, QStringLiteral("Browser Not Found"));
    QCOMPARE(message.icon, Dialogs::Icon::Warning);

}

QTEST_MAIN(tst_frmMain)
#include "tst_frmMain.moc"
