#pragma once

#include <QString>

// The program's own folder, where the d2 table and the help pages lie. Tests and
// tools may point it elsewhere.
namespace AppPaths {

QString programFolder();
void setProgramFolder(const QString& folder);

QString helpFolder();

} // namespace AppPaths
