#include "shell/modInternet.h"

#include "common/Dialogs.h"

#include <QDesktopServices>
#include <QUrl>

void OpenWebPage(QWidget* owner, const QString& address)
{
    if (QDesktopServices::openUrl(QUrl(address, QUrl::StrictMode)))
        return;
    dialogs().message(owner, QStringLiteral("Could Not find associated Browser"),
                      QStringLiteral("Browser Not Found"), Dialogs::Icon::Warning);
}
