#pragma once

#include <QString>
#include <QStringList>

// Everything that starts another program of the operating system, one branch per
// platform. Programs are started with argument lists, never through a shell.
namespace PlatformLauncher {

// The system calculator programs tried in order, the first found on PATH wins.
QStringList calculatorCandidates();

// Starts the system calculator; returns false when none could be started.
bool startCalculator();

} // namespace PlatformLauncher
