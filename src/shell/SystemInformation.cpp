#include "shell/SystemInformation.h"

#include "common/AppPaths.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QSysInfo>

namespace SystemInformation {

QList<Fact> facts(const QString& settingsFile, const QString& codeKeeperFolder)
{
    QList<Fact> found = {
        {QStringLiteral("Operating system"), QSysInfo::prettyProductName()},
        {QStringLiteral("Kernel"),
         QSysInfo::kernelType() + QLatin1Char(' ') + QSysInfo::kernelVersion()},
        {QStringLiteral("Processor architecture"), QSysInfo::currentCpuArchitecture()},
        {QStringLiteral("Qt version"), QString::fromLatin1(qVersion())},
    };
    const auto screens = QGuiApplication::screens();
    for (int i = 0; i < screens.size(); ++i) {
        const QScreen* screen = screens.at(i);
        const QSize size = screen->size();
        found.append({QStringLiteral("Screen %1").arg(i + 1),
                      QStringLiteral("%1: %2 x %3, scaled %4 (%5 dpi)")
                          .arg(screen->name())
                          .arg(size.width())
                          .arg(size.height())
                          .arg(screen->devicePixelRatio())
                          .arg(qRound(screen->logicalDotsPerInch()))});
    }
    found.append(
        {QStringLiteral("Program folder"), QDir::toNativeSeparators(AppPaths::programFolder())});
    found.append({QStringLiteral("Settings"), QDir::toNativeSeparators(settingsFile)});
    found.append(
        {QStringLiteral("Code Keeper folder"), QDir::toNativeSeparators(codeKeeperFolder)});
    return found;
}

QString text(const QList<Fact>& facts)
{
    QString lines;
    for (const Fact& fact : facts)
        lines += fact.name + QStringLiteral(": ") + fact.value + QLatin1Char('\n');
    return lines;
}

std::optional<QString> windowsProgram(const MachineValueReader& readMachineValue,
                                      const FileExists& fileExists)
{
    const auto path = readMachineValue(QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
                                       QStringLiteral("PATH"));
    if (path && !path->trimmed().isEmpty())
        return path->trimmed();
    const auto folder = readMachineValue(
        QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"), QStringLiteral("MSINFO"));
    if (!folder || folder->isEmpty())
        return std::nullopt;
    const QString program = *folder + QStringLiteral("\\MSINFO32.EXE");
    if (!fileExists(program))
        return std::nullopt;
    return program;
}

} // namespace SystemInformation
