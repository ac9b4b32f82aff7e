#include "codekeeper/CodeFolder.h"

#include "common/AppPaths.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString& overriddenFolder()
{
    static QString folder;
    return folder;
}

const QString folderName = QStringLiteral("CK");

} // namespace

QString CodeFolder()
{
    if (!overriddenFolder().isEmpty())
        return overriddenFolder();
    const QFileInfo beside(QDir(AppPaths::programFolder()).filePath(folderName));
    const bool besideUsable = beside.exists() ? beside.isDir() && beside.isWritable()
                                              : QFileInfo(AppPaths::programFolder()).isWritable();
    if (besideUsable)
        return beside.absoluteFilePath();
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(folderName);
}

void setCodeFolder(const QString& folder)
{
    overriddenFolder() = folder;
}
