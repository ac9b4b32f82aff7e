#include "TwipPlacement.h"

#include "common/Twips.h"

#include <QStringList>
#include <QWidget>

namespace {

QString describe(const QRect& rect)
{
    return QStringLiteral("%1,%2 %3x%4").arg(rect.x()).arg(rect.y()).arg(rect.width()).arg(rect.height());
}

// The one widget the path names below `root`, or the reason there is not exactly one.
const QWidget* findByPath(const QWidget& root, const QString& path, QString& problem)
{
    const QWidget* found = &root;
    for (const QString& name : path.split(QLatin1Char('/'))) {
        const QList<QWidget*> matches = found->findChildren<QWidget*>(name);
        if (matches.size() != 1) {
            problem = matches.isEmpty() ? QStringLiteral("missing")
                                        : QStringLiteral("%1 controls of that name").arg(matches.size());
            return nullptr;
        }
        found = matches.first();
    }
    return found;
}

} // namespace

QString misplacedControls(const QWidget& window, std::initializer_list<TwipPlacement> design)
{
    QStringList faults;
    for (const TwipPlacement& row : design) {
        const QString path = QLatin1String(row.name);
        QString problem;
        const QWidget* control = findByPath(window, path, problem);
        const QRect designed = Twips::rect(row.left, row.top, row.width, row.height);
        if (!control)
            faults << path + QStringLiteral(": ") + problem;
        else if (control->geometry() != designed)
            faults << QStringLiteral("%1 at %2, designed %3")
                          .arg(path, describe(control->geometry()), describe(designed));
    }
    return faults.join(QLatin1Char('\n'));
}
