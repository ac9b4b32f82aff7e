#include "shell/Startup.h"

#include "shell/frmMain.h"

#include <QApplication>
#include <QSettings>

namespace {
frmMain* theMainWindow = nullptr;
}

frmMain* mainWindow()
{
    return theMainWindow;
}

int runQuorvel(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Quorvel"));
    QApplication::setApplicationName(QStringLiteral("Quorvel"));
    QApplication::setApplicationVersion(
        QStringLiteral("%1.%2").arg(QUORVEL_VERSION_MAJOR).arg(QUORVEL_VERSION_MINOR));

    QSettings settings;
    frmMain window(settings);
    theMainWindow = &window;
    window.show();
    const int exitCode = application.exec();
    theMainWindow = nullptr;
    return exitCode;
}
