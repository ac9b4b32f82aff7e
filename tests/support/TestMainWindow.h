#pragma once

#include "ScriptedDialogs.h"
#include "TestSettings.h"
#include "shell/frmMain.h"

#include <QStringList>

#include <memory>

// The main window over a temporary settings store, with the dialogs seam scripted.
// Settings written before open() are what the window reads at its start.
class TestMainWindow
{
public:
    TestSettings store;
    ScriptedDialogs dialogs;

    // Creates and shows the window; false when it is never exposed.
    bool open();
    frmMain& window() { return *m_window; }
    // A click on the tool bar's button with this key ("Temperature", "Calculator" for
    // button 8).
    void clickButton(const QString& key);
    // The item of button 8's drop-down menu with this key ("Contents", "About" ...).
    void chooseFromButton8Menu(const QString& itemKey);
    // The tool windows in view, by objectName.
    QStringList visibleToolWindows() const;

private:
    std::unique_ptr<frmMain> m_window;
};
