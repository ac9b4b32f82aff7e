// Renders the main window with each tool in view to PNG files, offscreen, so anyone
// can look at what a change did to the screen.
#include "shell/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QToolBar>

namespace {

struct Shot {
    const char* toolKey;
    const char* fileName;
};

const Shot shots[] = {
    {"Angles", "main-window.png"},       {"Uncertainty", "uncertainty.png"},
    {"RR", "gage-rr.png"},               {"CodeKeeper", "code-keeper.png"},
    {"Temperature", "temperature.png"},  {"References", "references.png"},
};

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const QDir output(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    QTemporaryDir settingsFolder;
    QSettings settings(settingsFolder.filePath(QStringLiteral("Quorvel.ini")), QSettings::IniFormat);

    frmMain window(settings);
    window.showNormal();
    window.resize(1024, 640);
    QTest::qWait(50);

    auto* toolBar = window.findChild<QToolBar*>(QStringLiteral("tbToolBar"));
    QTextStream out(stdout);
    for (const Shot& shot : shots) {
        auto* action = window.findChild<QAction*>(QLatin1String(shot.toolKey));
        QTest::mouseClick(toolBar->widgetForAction(action), Qt::LeftButton);
        QTest::qWait(20);
        const QString path = output.filePath(QLatin1String(shot.fileName));
        if (!window.grab().save(path)) {
            out << "could not write " << path << Qt::endl;
            return 1;
        }
        out << path << Qt::endl;
    }
    return 0;
}
