#include "rrstudy/ToleranceLimits.h"

#include "rrstudy/GageSheets.h"

#include <algorithm>

namespace ToleranceLimits {

const QStringList& acceptChoices()
{
    static const QStringList choices{QStringLiteral("5"),  QStringLiteral("10"), QStringLiteral("15"),
                                     QStringLiteral("20"), QStringLiteral("25"), QStringLiteral("30")};
    return choices;
}

const QStringList& unacceptChoices()
{
    static const QStringList choices = acceptChoices() + QStringList{QStringLiteral("35")};
    return choices;
}

QString defaultAccept()
{
    return acceptChoices().at(defaultAcceptIndex);
}

QString defaultUnaccept()
{
    return unacceptChoices().at(defaultUnacceptIndex);
}

int syncedUnacceptIndex(int acceptIndex, int unacceptIndex)
{
    return std::max(acceptIndex, unacceptIndex);
}

QString syncedUnaccept(const QString& accept, const QString& unaccept)
{
    const int index = syncedUnacceptIndex(int(acceptChoices().indexOf(accept)),
                                          int(unacceptChoices().indexOf(unaccept)));
    return unacceptChoices().value(index, unaccept);
}

QString cautionText(const QString& accept, const QString& unaccept)
{
    return accept + QStringLiteral(" to ") + unaccept;
}

LimitTexts limitTexts(const QString& accept, const QString& unaccept)
{
    return {accept, cautionText(accept, unaccept), unaccept};
}

} // namespace ToleranceLimits
