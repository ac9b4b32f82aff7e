#include "common/AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace AppPaths {
namespace {

QString& overriddenFolder()
{
    static QString folder;
    return folder;
}

bool holdsProgramFiles(const QDir& folder)
{
    return QFileInfo::exists(folder.filePath(QStringLiteral("tbld2.txt")))
        || QFileInfo(folder.filePath(QStringLiteral("help"))).isDir();
}

} // namespace

QString programFolder()
{
    if (!overriddenFolder().isEmpty())
        return overriddenFolder();
    return QCoreApplication::applicationDirPath();
}

void setProgramFolder(const QString& folder)
{
    overriddenFolder() = folder;
}

QString dataFolder()
{
    const QDir beside(programFolder());
    if (holdsProgramFiles(beside))
        return beside.path();
    const QDir installed(QDir::cleanPath(beside.filePath(QStringLiteral("../share/quorvel"))));
    return holdsProgramFiles(installed) ? installed.path() : beside.path();
}

QString helpFolder()
{
    return QDir(dataFolder()).filePath(QStringLiteral("help"));
}

} // namespace AppPaths
