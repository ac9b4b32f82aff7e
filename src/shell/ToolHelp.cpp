#include "shell/ToolHelp.h"

#include <QDir>
#include <QFileInfo>

namespace ToolHelp {
namespace {

struct ToolPage
{
    const char* toolKey;
    const char* page;
};

// One line a tool: a tool that ships its help page adds it to the help folder under
// this name.
const ToolPage toolPages[] = {
    {"Angles", "Triangle Calculator.htm"},
    {"CodeKeeper", "Code Keeper.htm"},
    {"Temperature", "Temperature and Thermal Expansion.htm"},
    {"References", "Reference - Angles, GD&T and Units.htm"},
    {"RR", "Gage RR Study Window.htm"},
    {"Uncertainty", "Machine and Part Uncertainty.htm"},
};

QString pageOf(const QString& toolKey)
{
    for (const ToolPage& entry : toolPages)
        if (toolKey == QLatin1String(entry.toolKey))
            return QString::fromUtf8(entry.page);
    return {};
}

} // namespace

QString startTopic()
{
    return QStringLiteral("Welcome to Quorvel Help.htm");
}

QString topicFor(const QString& toolKey, const QString& helpFolder)
{
    const QString page = pageOf(toolKey);
    if (!page.isEmpty() && QFileInfo(QDir(helpFolder).filePath(page)).isFile())
        return page;
    return startTopic();
}

} // namespace ToolHelp
