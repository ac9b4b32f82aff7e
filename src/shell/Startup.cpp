#include "shell/Startup.h"

#include "common/Dialogs.h"
#include "shell/ProductInfo.h"
#include "shell/frmMain.h"
#include "shell/frmSplash.h"

#include <QApplication>
#include <QSettings>

#include <memory>

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
    QApplication::setApplicationVersion(ProductInfo::version());

    // The splash screen first: it closes itself after six seconds or on a click.
    auto splash = std::make_unique<frmSplash>();
    dialogs().exec(splash.get());
    QSettings settings;
    frmMain window(settings);
    theMainWindow = &window;
    splash.reset();
    window.show();
    const int exitCode = application.exec();
    theMainWindow = nullptr;
    return exitCode;
}
