#pragma once

#include <QIcon>
#include <QList>
#include <QMainWindow>
#include <QRect>

class HelpViewer;
class QAction;
class QActionGroup;
class QMdiArea;
class QMdiSubWindow;
class QSettings;
class QStatusBar;
class QToolBar;
class QToolButton;
class QLabel;

// The program's one top-level window: the tool bar that switches between the six
// tool windows and runs the utility actions, the status bar naming the tool in view,
// and the client area the tool windows live in.
class frmMain : public QMainWindow
{
    Q_OBJECT

public:
    // Loads the window (placement from the settings, all six tool windows).
    explicit frmMain(QSettings& settings, QWidget* parent = nullptr);
    ~frmMain() override;

    // The tool window in view, or nullptr.
    QWidget* activeToolWindow() const;
    QWidget* toolWindow(const QString& key) const;

    // The folder of the help pages; an empty text means no help is configured.
    void setHelpFolder(const QString& folder);

    static QString startTopic();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void tbToolBar_ButtonClick(const QString& key);
    void tbToolBar_ButtonMenuClick(const QString& text);
    void sbStatusBar_PanelDblClick(const QString& key);
    void updateClock();

private:
    struct ToolWindow {
        QString key;
        QString statusText;
        QWidget* window = nullptr;
        QMdiSubWindow* subWindow = nullptr;
    };

    void createToolBar();
    void createStatusBar();
    void MDIForm_Load();
    void MDIForm_Unload();
    void HideToolWindows();
    void loadToolWindows();
    void showToolWindow(const QString& key);
    void runButton8Action();
    void showHelp(const QString& topic);
    QString activeToolKey() const;
    void printForm();
    void showAboutBox();
    void restorePlacement();

    QSettings& m_settings;
    QMdiArea* m_mdiArea;
    QToolBar* tbToolBar = nullptr;
    QActionGroup* m_toolGroup = nullptr;
    QAction* m_button8 = nullptr;
    QToolButton* m_button8Widget = nullptr;
    QStatusBar* sbStatusBar = nullptr;
    QLabel* m_panelTool = nullptr;
    QLabel* m_panelDate = nullptr;
    QLabel* m_panelTime = nullptr;
    QList<QIcon> imlToolbarIcons;
    QList<ToolWindow> m_toolWindows;
    // The placement read from the settings, and the pixels it was shown at.
    QRectF m_placementRead;
    QRect m_placementShown;
    QString m_helpFolder;
    HelpViewer* m_helpViewer = nullptr;
};
