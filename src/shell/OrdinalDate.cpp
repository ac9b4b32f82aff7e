#include "shell/OrdinalDate.h"

QString OrdinalDate(const QDate& date)
{
    if (!date.isValid())
        return {};
    // QDate counts in the Gregorian calendar: February has 29 days in years divisible
    // by 4, except centuries not divisible by 400.
    return QString::number(date.year()) +
           QStringLiteral("%1").arg(date.dayOfYear(), 3, 10, QLatin1Char('0'));
}
