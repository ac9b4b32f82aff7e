#pragma once

#include <QDate>
#include <QString>

// The ordinal date the calendar shows: the year followed by the day of the year with at
// least three digits (1 December 2005 is "2005335"). Empty for an invalid date.
QString OrdinalDate(const QDate& date);
