#pragma once

#include <QString>
#include <QStringList>

struct LimitTexts;

// The two verdict limits of the study window, in percent of the tolerance: the values
// its lists offer, their defaults, and the rule that keeps the unacceptable limit at
// or above the acceptable one. The two lists share their first six values, so list
// position and value rise together.
namespace ToleranceLimits {

const QStringList& acceptChoices();    // "5" to "30"
const QStringList& unacceptChoices();  // "5" to "35"
constexpr int defaultAcceptIndex = 1;    // "10"
constexpr int defaultUnacceptIndex = 5;  // "30"
QString defaultAccept();
QString defaultUnaccept();

// The unaccept list's position once the accept list's position is chosen.
int syncedUnacceptIndex(int acceptIndex, int unacceptIndex);
// The same for the limits' texts, both values of their lists.
QString syncedUnaccept(const QString& accept, const QString& unaccept);

// "10 to 30": the caution band between the two limits.
QString cautionText(const QString& accept, const QString& unaccept);
// The texts the summary sheet prints for the limits.
LimitTexts limitTexts(const QString& accept, const QString& unaccept);

} // namespace ToleranceLimits
