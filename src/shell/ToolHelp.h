#pragma once

#include <QString>

// The help page of each tool, so F1 opens help on the tool in view. A tool whose page
// is not in the help folder (yet) opens the start topic instead.
namespace ToolHelp {

// "Welcome to Quorvel Help.htm": the help's first page.
QString startTopic();

// The page F1 opens for the tool with this tool-bar key ("Angles" ... "Uncertainty"):
// its own page when the help folder holds it, else the start topic.
QString topicFor(const QString& toolKey, const QString& helpFolder);

} // namespace ToolHelp
