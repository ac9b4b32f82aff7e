#include "shell/frmMain.h"

#include "codekeeper/frmCodeKeeper.h"
#include "common/AppError.h"
#include "common/AppPaths.h"
#include "common/Dialogs.h"
#include "common/NumberText.h"
#include "common/Twips.h"
#include "reference/frmRef.h"
#include "rrstudy/frmRR.h"
#include "frame/CalculatorFrame.h"
#include "shell/HelpViewer.h"
#include "shell/PlacementSettings.h"
#include "shell/PlatformLauncher.h"
#include "shell/ToolHelp.h"
#include "shell/frmCalendar.h"
#include "shell/frmSplash.h"
#include "shell/modInternet.h"
#include "shell/ProductInfo.h"
#include "shell/modPrintForm.h"
#include "thermal/frmTemp.h"
#include "triangle/frmTriangle.h"
#include "uncertainty/frmMPunc.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDate>
#include <QGuiApplication>
#include <QMdiArea>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTime>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace {

struct ToolButton {
    const char* caption;
    const char* key;
    const char* toolTip;
    int picture;
};

// Trailing blanks even out the button widths; "&&" shows as one "&".
const ToolButton toolButtons[] = {
    {"Angle Calc  ", "Angles", "Triangle Calculator", 1},
    {"Code Keeper", "CodeKeeper", "Programming Code Storage", 7},
    {"Temperature", "Temperature", "Temperature", 4},
    {"GDT / Ref.  ", "References", "GD&T / References", 2},
    {"Gage R&&R  ", "RR", "Gage R&R Calculator", 3},
    {"Uncertainty", "Uncertainty", "Machine and Part Uncertainity", 6},
};

struct Button8Action {
    const char* itemText;
    const char* itemKey;
    const char* caption;
    int picture;
};

// Button 8's caption is the action a click on it performs.
const Button8Action button8Actions[] = {
    {"Calculator", "Calculator", "Calculator", 5},
    {"Help", "Contents", "Help      ", 8},
    {"About", "About", "About     ", 9},
    {"Vorn Web", "WEB", "Vorn Web  ", 10},
    {"Print Form", "Print", "Print Form", 11},
};

const char* const iconFiles[] = {"angle",       "references", "gagerr", "temperature",
                                 "calculator",  "uncertainty", "codekeeper", "help",
                                 "about",       "web",        "print"};

} // namespace

frmMain::frmMain(QSettings& settings, QWidget* parent)
    : QMainWindow(parent), m_settings(settings), m_mdiArea(new QMdiArea(this)),
      m_helpFolder(AppPaths::helpFolder())
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(applicationTitle());
    for (const char* name : iconFiles)
        imlToolbarIcons.append(QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name))));
    setWindowIcon(imlToolbarIcons.at(0));

    m_mdiArea->setObjectName(QStringLiteral("mdiArea"));
    m_mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_mdiArea->setBackground(palette().brush(QPalette::Dark));
    setCentralWidget(m_mdiArea);

    createToolBar();
    createStatusBar();
    MDIForm_Load();
}

frmMain::~frmMain() = default;

void frmMain::createToolBar()
{
    tbToolBar = addToolBar(QStringLiteral("Tools"));
    tbToolBar->setObjectName(QStringLiteral("tbToolBar"));
    tbToolBar->setMovable(false);
    tbToolBar->setFloatable(false);
    tbToolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    tbToolBar->setIconSize(QSize(32, 32));
    tbToolBar->toggleViewAction()->setEnabled(false);

    m_toolGroup = new QActionGroup(this);
    m_toolGroup->setExclusive(true);
    for (const ToolButton& button : toolButtons) {
        const QString key = QLatin1String(button.key);
        auto* action = new QAction(imlToolbarIcons.at(button.picture - 1),
                                   QLatin1String(button.caption), this);
        action->setObjectName(key);
        // An explicit icon text keeps the trailing blanks the tool button shows.
        action->setIconText(QLatin1String(button.caption));
        // Ctrl+1 to Ctrl+6 choose the tools in the tool bar's order.
        const QKeySequence shortcut(Qt::CTRL | Qt::Key(Qt::Key_1 + m_toolGroup->actions().size()));
        action->setShortcut(shortcut);
        const QString keys = shortcut.toString(QKeySequence::NativeText);
        action->setToolTip(QStringLiteral("%1 (%2)").arg(QLatin1String(button.toolTip), keys));
        action->setCheckable(true);
        m_toolGroup->addAction(action);
        tbToolBar->addAction(action);
        connect(action, &QAction::triggered, this, [this, key] { tbToolBar_ButtonClick(key); });
    }
    m_toolGroup->actions().constFirst()->setChecked(true);
    tbToolBar->addSeparator();

    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("button8Menu"));
    for (const Button8Action& item : button8Actions) {
        const QString text = QLatin1String(item.itemText);
        QAction* menuAction = menu->addAction(imlToolbarIcons.at(item.picture - 1), text);
        menuAction->setObjectName(QStringLiteral("Menu") + QLatin1String(item.itemKey));
        connect(menuAction, &QAction::triggered, this,
                [this, text] { tbToolBar_ButtonMenuClick(text); });
    }
    m_button8 = new QAction(imlToolbarIcons.at(4), QStringLiteral("Calculator"), this);
    m_button8->setObjectName(QStringLiteral("Calculator"));
    m_button8->setIconText(m_button8->text());
    m_button8->setToolTip(QStringLiteral("Windows Calculator"));
    m_button8->setMenu(menu);
    tbToolBar->addAction(m_button8);
    m_button8Widget = qobject_cast<QToolButton*>(tbToolBar->widgetForAction(m_button8));
    m_button8Widget->setObjectName(QStringLiteral("button8"));
    m_button8Widget->setPopupMode(QToolButton::MenuButtonPopup);
    m_button8Widget->setProperty("picture", 5);
    connect(m_button8, &QAction::triggered, this,
            [this] { tbToolBar_ButtonClick(QStringLiteral("Calculator")); });

    auto* toolHelp = new QAction(this);
    toolHelp->setObjectName(QStringLiteral("ToolHelp"));
    toolHelp->setShortcut(QKeySequence::HelpContents);
    addAction(toolHelp);
    connect(toolHelp, &QAction::triggered, this,
            [this] { showHelp(ToolHelp::topicFor(activeToolKey(), m_helpFolder)); });
}

void frmMain::createStatusBar()
{
    sbStatusBar = statusBar();
    sbStatusBar->setObjectName(QStringLiteral("sbStatusBar"));
    sbStatusBar->setSizeGripEnabled(true);
    const auto addPanel = [this](const QString& name, const QString& text) {
        auto* panel = new QLabel(text, this);
        panel->setObjectName(name);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setContentsMargins(4, 0, 4, 0);
        return panel;
    };
    m_panelTool = addPanel(QStringLiteral("Panel1"), QStringLiteral("Angle Calculator"));
    m_panelDate = addPanel(QStringLiteral("Calendar"), QString());
    m_panelTime = addPanel(QStringLiteral("Time"), QString());
    for (QLabel* panel : {m_panelTool, m_panelDate, m_panelTime})
        panel->installEventFilter(this);
    sbStatusBar->addWidget(m_panelTool, 1);
    sbStatusBar->addPermanentWidget(m_panelDate);
    sbStatusBar->addPermanentWidget(m_panelTime);

    updateClock();
    auto* clock = new QTimer(this);
    clock->setInterval(1000);
    connect(clock, &QTimer::timeout, this, &frmMain::updateClock);
    clock->start();
}

void frmMain::updateClock()
{
    // The user's own short date, as the desktop's clock shows it.
    m_panelDate->setText(QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
    m_panelTime->setText(NumberText::formatTime(QTime::currentTime()));
}

void frmMain::MDIForm_Load()
{
    restorePlacement();
    HideToolWindows();
    QCoreApplication::processEvents();
    showToolWindow(QStringLiteral("Angles"));
    setWindowState(Qt::WindowMaximized);
}

void frmMain::restorePlacement()
{
    m_placementRead = PlacementSettings(m_settings).read();
    const QRectF& twips = m_placementRead;
    QRect placement = Twips::rect(twips.left(), twips.top(), twips.width(), twips.height());
    const auto screens = QGuiApplication::screens();
    const bool onSomeScreen = std::any_of(screens.begin(), screens.end(), [&](QScreen* screen) {
        return screen->availableGeometry().intersects(placement);
    });
    if (!onSomeScreen && QGuiApplication::primaryScreen()) {
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        placement.setSize(placement.size().boundedTo(available.size()));
        placement.moveTopLeft(available.topLeft());
    }
    setGeometry(placement);
    m_placementShown = placement;
}

void frmMain::closeEvent(QCloseEvent* event)
{
    MDIForm_Unload();
    QMainWindow::closeEvent(event);
    if (m_helpViewer)
        m_helpViewer->close();
}

void frmMain::MDIForm_Unload()
{
    if (isMinimized())
        return;
    const QRect placement = normalGeometry().isValid() ? normalGeometry() : geometry();
    // Twips rarely fall on whole pixels: a window that was neither moved nor resized
    // keeps the twips it was placed from, instead of drifting by a pixel at each run.
    if (placement == m_placementShown) {
        PlacementSettings(m_settings).write(m_placementRead);
        return;
    }
    PlacementSettings(m_settings)
        .write(QRectF(Twips::fromPixels(placement.x()), Twips::fromPixels(placement.y()),
                      Twips::fromPixels(placement.width()), Twips::fromPixels(placement.height())));
}

void frmMain::loadToolWindows()
{
    // The order in which the six tool windows are loaded, each running its own load
    // handler once.
    const auto add = [this](const QString& key, const QString& statusText, QWidget* window) {
        QMdiSubWindow* subWindow = m_mdiArea->addSubWindow(window, Qt::FramelessWindowHint);
        subWindow->setObjectName(window->objectName() + QStringLiteral("_subWindow"));
        subWindow->hide();
        m_toolWindows.append({key, statusText, window, subWindow});
    };
    add(QStringLiteral("Angles"), QStringLiteral("Angle Calculator"), new frmTriangle);
    add(QStringLiteral("Uncertainty"), QStringLiteral("Machine / Part Uncertainty"), new frmMPunc);
    add(QStringLiteral("RR"), QStringLiteral("Gage R & R"), new frmRR);
    add(QStringLiteral("CodeKeeper"), QStringLiteral("Code Keeper"), new frmCodeKeeper);
    add(QStringLiteral("Temperature"), QStringLiteral("Temperature"), new frmTemp);
    add(QStringLiteral("References"), QStringLiteral("GD&T / References"), new frmRef);
}

void frmMain::HideToolWindows()
{
    if (m_toolWindows.isEmpty())
        loadToolWindows();
    for (const ToolWindow& tool : std::as_const(m_toolWindows))
        tool.subWindow->hide();
}

void frmMain::showToolWindow(const QString& key)
{
    for (const ToolWindow& tool : std::as_const(m_toolWindows)) {
        if (tool.key != key)
            continue;
        tool.subWindow->showMaximized();
        m_mdiArea->setActiveSubWindow(tool.subWindow);
        // The tool's first input box (a tool names it as its focus proxy).
        tool.window->setFocus(Qt::OtherFocusReason);
        return;
    }
}

QWidget* frmMain::activeToolWindow() const
{
    for (const ToolWindow& tool : m_toolWindows)
        if (tool.subWindow->isVisible())
            return tool.window;
    return nullptr;
}

QString frmMain::activeToolKey() const
{
    for (const ToolWindow& tool : m_toolWindows)
        if (tool.subWindow->isVisible())
            return tool.key;
    return {};
}

QWidget* frmMain::toolWindow(const QString& key) const
{
    for (const ToolWindow& tool : m_toolWindows)
        if (tool.key == key)
            return tool.window;
    return nullptr;
}

void frmMain::tbToolBar_ButtonClick(const QString& key)
{
    if (key == QLatin1String("Calculator")) {
        runButton8Action();
        return;
    }
    for (const ToolWindow& tool : std::as_const(m_toolWindows)) {
        if (tool.key != key)
            continue;
        HideToolWindows();
        showToolWindow(key);
        m_panelTool->setText(tool.statusText);
        if (QAction* action = findChild<QAction*>(key))
            action->setChecked(true);
        return;
    }
}

void frmMain::tbToolBar_ButtonMenuClick(const QString& text)
{
    for (const Button8Action& item : button8Actions) {
        if (text != QLatin1String(item.itemText))
            continue;
        m_button8->setText(QLatin1String(item.caption));
        m_button8->setIconText(QLatin1String(item.caption));
        m_button8->setIcon(imlToolbarIcons.at(item.picture - 1));
        m_button8Widget->setProperty("picture", item.picture);
        return;
    }
}

void frmMain::runButton8Action()
{
    const QString caption = m_button8->text();
    if (caption == QLatin1String("Calculator"))
        PlatformLauncher::startCalculator();
    else if (caption == QLatin1String("Help      "))
        showHelp(startTopic());
    else if (caption == QLatin1String("About     "))
        showAboutBox();
    else if (caption == QLatin1String("Vorn Web  "))
        OpenWebPage(this, ProductInfo::makerWebPage());
    else if (caption == QLatin1String("Print Form"))
        printForm();
}

void frmMain::showAboutBox()
{
    frmSplash about(this);
    about.setAboutMode();
    dialogs().exec(&about);
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonDblClick)
        sbStatusBar_PanelDblClick(watched->objectName());
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::sbStatusBar_PanelDblClick(const QString& key)
{
    if (key != QLatin1String("Calendar"))
        return;
    frmCalendar calendar(this);
    dialogs().exec(&calendar);
}

void frmMain::printForm()
{
    if (m_panelTool->text() == QLatin1String("Code Keeper")) {
        dialogs().message(this, QStringLiteral("Use the print button on this form to print."),
                          windowTitle(), Dialogs::Icon::Information);
        return;
    }
    // Only the framed tool windows print as a picture of their panel.
    auto* tool = qobject_cast<CalculatorFrame*>(activeToolWindow());
    if (!tool)
        return;
    modPrintForm::PrintForm(this, tool->picture(), m_panelTool->text());
}

QString frmMain::startTopic()
{
    return ToolHelp::startTopic();
}

void frmMain::setHelpFolder(const QString& folder)
{
    m_helpFolder = folder;
}

void frmMain::showHelp(const QString& topic)
{
    if (m_helpFolder.isEmpty()) {
        dialogs().message(this,
                          QStringLiteral("Unable to display Help Contents. There is no Help "
                                         "associated with this project."),
                          windowTitle(), Dialogs::Icon::Information);
        return;
    }
    if (!m_helpViewer)
        m_helpViewer = new HelpViewer(this);
    if (!m_helpViewer->openTopic(m_helpFolder, topic)) {
        dialogs().message(this, AppError(AppError::FileNotFound).description(), applicationTitle());
        return;
    }
    m_helpViewer->show();
    m_helpViewer->raise();
    m_helpViewer->activateWindow();
}

