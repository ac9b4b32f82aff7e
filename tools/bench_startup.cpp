// Measures the time from the program's entry to the main window shown (no splash),
// over several runs in one process. Run with `make bench`.
#include "codekeeper/CodeFolder.h"
#include "shell/frmMain.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <algorithm>
#include <vector>

int main(int argc, char** argv)
{
    QElapsedTimer sinceEntry;
    sinceEntry.start();
    QApplication application(argc, argv);
    QTemporaryDir settingsFolder;
    QSettings settings(settingsFolder.filePath(QStringLiteral("Quorvel.ini")), QSettings::IniFormat);
    setCodeFolder(settingsFolder.filePath(QStringLiteral("CK")));
    QTextStream out(stdout);

    std::vector<double> milliseconds;
    for (int run = 0; run < 10; ++run) {
        QElapsedTimer timer;
        timer.start();
        {
            frmMain window(settings);
            window.show();
            if (!QTest::qWaitForWindowExposed(&window))
                return 1;
            const double elapsed = timer.nsecsElapsed() / 1e6;
            // The first run also pays for starting the application object.
            milliseconds.push_back(run == 0 ? sinceEntry.nsecsElapsed() / 1e6 : elapsed);
        }
    }
    out << "entry to main window shown, first run: " << milliseconds.front() << " ms\n";
    std::sort(milliseconds.begin() + 1, milliseconds.end());
    out << "main window shown again, median of 9: " << milliseconds[5] << " ms\n";
    return 0;
}
