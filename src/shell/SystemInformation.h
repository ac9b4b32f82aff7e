#pragma once

#include <QList>
#include <QString>

#include <functional>
#include <optional>

// What the system information of the about box reports where there is no system
// program to start, and how that program is found where there is one (Windows).
namespace SystemInformation {

struct Fact
{
    QString name;
    QString value;
};

// The operating system and its version, the processor architecture, the Qt version,
// each screen with its size and scaling, the program folder, the settings file and the
// Code Keeper folder.
QList<Fact> facts(const QString& settingsFile, const QString& codeKeeperFolder);

// The facts as text, one "name: value" line each, as Copy puts them on the clipboard.
QString text(const QList<Fact>& facts);

// Reads a text value of a machine-wide registry key (key, value name); empty when absent.
using MachineValueReader = std::function<std::optional<QString>(const QString&, const QString&)>;
using FileExists = std::function<bool(const QString&)>;

// The system information program: the "PATH" of the key
// "SOFTWARE\Microsoft\Shared Tools\MSINFO", else "MSINFO32.EXE" in the folder named by
// "MSINFO" of "SOFTWARE\Microsoft\Shared Tools Location" when that file exists.
std::optional<QString> windowsProgram(const MachineValueReader& readMachineValue,
                                      const FileExists& fileExists);

} // namespace SystemInformation
