#include "batch/BatchRun.h"
#include "batch/SystemPath.h"
#include "rrstudy/GageChartScene.h"

#include <QApplication>
#include <QTextStream>

#include <cstdio>

namespace {

// Standard error carries the program's own messages; Qt's remarks on its environment
// (such as a missing runtime folder) would only garble them. Errors still get through.
void keepQtRemarksOut(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

} // namespace

int main(int argc, char** argv)
{
    qInstallMessageHandler(keepQtRemarksOut);
    // The sheets measure their fonts and the PDF is painted, and the charts are drawn
    // with Qt Charts, which takes an application with widgets; the offscreen platform
    // needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quorvel-rr"));
    QTextStream out(stdout);
    QTextStream errors(stderr);
    // File names are taken as the system's bytes, valid UTF-8 or not.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(SystemPath::fromArgument(QByteArray(argv[i])));
    return RunBatch(arguments, out, errors, DrawGageChartPage);
}
