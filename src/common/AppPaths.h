#pragma once

#include <QString>

// Where the program's own files lie. Tests and tools may point it elsewhere.
namespace AppPaths {

// The executable's folder (or the folder set by setProgramFolder).
QString programFolder();
void setProgramFolder(const QString& folder);

// The folder of the files the program reads: the d2 table and the help pages. Beside the
// executable when they are there (a portable copy, the build folder), otherwise
// ../share/quorvel next to it (an installed copy); the program folder when neither holds
// them, so a message names the place a user would look first.
QString dataFolder();

QString helpFolder();

} // namespace AppPaths
