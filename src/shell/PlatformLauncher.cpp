#include "shell/PlatformLauncher.h"

#include <QProcess>
#include <QStandardPaths>

namespace PlatformLauncher {

QStringList calculatorCandidates()
{
#ifdef Q_OS_WIN
    return {QStringLiteral("Calc.exe")};
#else
    return {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"), QStringLiteral("mate-calc"),
            QStringLiteral("galculator"), QStringLiteral("qalculate-gtk"), QStringLiteral("xcalc")};
#endif
}

bool startCalculator()
{
    for (const QString& candidate : calculatorCandidates()) {
        const QString program = QStandardPaths::findExecutable(candidate);
        if (!program.isEmpty())
            return QProcess::startDetached(program, {});
    }
    return false;
}

} // namespace PlatformLauncher
