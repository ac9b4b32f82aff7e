#include "common/AppPaths.h"

#include <QCoreApplication>
#include <QDir>

namespace AppPaths {
namespace {
QString& overriddenFolder()
{
    static QString folder;
    return folder;
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

QString helpFolder()
{
    return QDir(programFolder()).filePath(QStringLiteral("help"));
}

} // namespace AppPaths
