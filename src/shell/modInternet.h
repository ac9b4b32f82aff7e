#pragma once

#include <QString>

class QWidget;

// Opens a web address in the user's default browser. When the system has no browser for
// it: "Could Not find associated Browser" (exclamation, title "Browser Not Found").
// No file is written to find the browser.
void OpenWebPage(QWidget* owner, const QString& address);
