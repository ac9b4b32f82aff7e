#pragma once

class frmMain;

// The main window of this run, once the start-up routine has created it.
frmMain* mainWindow();

// The program's start-up and run: creates the main window into `mainWindow()`,
// shows it and runs the event loop until it closes.
int runQuorvel(int argc, char** argv);
