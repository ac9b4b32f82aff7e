#include "common/NumberText.h"

#include <QDate>
#include <QRegularExpression>
#include <QTime>

#include <charconv>
#include <cmath>
#include <limits>

namespace NumberText {
namespace {

// The text rewritten in C form ('.' as the decimal point, '-' as the minus sign,
// no blanks), or an empty text when it is not numeric.
QString normalised(const QString& text, const QLocale& locale)
{
    QString candidate = text.trimmed();
    if (candidate.isEmpty())
        return {};
    const QString minus = locale.negativeSign();
    if (minus != QLatin1String("-") && candidate.startsWith(minus))
        candidate.replace(0, minus.size(), QLatin1String("-"));
    const QString point = locale.decimalPoint();
    if (point != QLatin1String(".")) {
        if (candidate.contains(QLatin1Char('.')))
            return {};
        candidate.replace(point, QLatin1String("."));
    }
    static const QRegularExpression numberPattern(
        QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?$"));
    if (!numberPattern.match(candidate).hasMatch())
        return {};
    return candidate;
}

// The decimal digits of |value| and the position of the decimal point within them
// (digits "2675", point 1 for 2.675), from the shortest text that reads back as value.
struct DecimalDigits {
    QByteArray digits;
    int pointPosition = 0;
};

DecimalDigits shortestDigits(double magnitude)
{
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific);
    const std::string_view text(buffer, result.ptr - buffer);
    const auto exponentAt = text.find('e');
    DecimalDigits out;
    for (char c : text.substr(0, exponentAt))
        if (c != '.')
            out.digits.append(c);
    out.pointPosition = 1 + std::stoi(std::string(text.substr(exponentAt + 1)));
    return out;
}

// Rounds the digits half away from zero, keeping `decimals` digits after the point.
// Returns the integer digits and the fraction digits.
std::pair<QByteArray, QByteArray> roundDigits(DecimalDigits number, int decimals)
{
    if (number.pointPosition < 0) {
        number.digits.prepend(QByteArray(-number.pointPosition, '0'));
        number.pointPosition = 0;
    }
    const int keep = number.pointPosition + decimals;
    if (number.digits.size() < keep)
        number.digits.append(QByteArray(keep - number.digits.size(), '0'));
    QByteArray kept = number.digits.left(keep);
    const bool roundUp = number.digits.size() > keep && number.digits.at(keep) >= '5';
    if (roundUp) {
        int i = kept.size() - 1;
        while (i >= 0 && kept[i] == '9') {
            kept[i] = '0';
            --i;
        }
        if (i >= 0) {
            kept[i] = char(kept[i] + 1);
        } else {
            kept.prepend('1');
            ++number.pointPosition;
        }
    }
    QByteArray integer = kept.left(number.pointPosition);
    while (integer.startsWith('0'))
        integer.remove(0, 1);
    return {integer, kept.mid(number.pointPosition)};
}

bool isDigitPlaceholder(QChar c)
{
    return c == QLatin1Char('0') || c == QLatin1Char('#');
}

} // namespace

bool isNumeric(const QString& text, const QLocale& locale)
{
    return !normalised(text, locale).isEmpty();
}

std::optional<double> toDouble(const QString& text, const QLocale& locale)
{
    const QString cText = normalised(text, locale);
    if (cText.isEmpty())
        return std::nullopt;
    bool ok = false;
    const double value = QLocale::c().toDouble(cText, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<float> toSingle(const QString& text, const QLocale& locale)
{
    const auto value = toDouble(text, locale);
    if (!value || std::fabs(*value) > std::numeric_limits<float>::max())
        return std::nullopt;
    return static_cast<float>(*value);
}

std::optional<qint16> toInt16(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double rounded = std::nearbyint(value);
    if (rounded < std::numeric_limits<qint16>::min() || rounded > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return static_cast<qint16>(rounded);
}

std::optional<qint16> toInt16(const QString& text, const QLocale& locale)
{
    const auto value = toDouble(text, locale);
    if (!value)
        return std::nullopt;
    return toInt16(*value);
}

QString formatNumber(double value, const QString& pattern, const QLocale& locale)
{
    if (!std::isfinite(value))
        return {};
    const qsizetype firstDigit = [&] {
        for (qsizetype i = 0; i < pattern.size(); ++i)
            if (isDigitPlaceholder(pattern[i]) || pattern[i] == QLatin1Char('.'))
                return i;
        return qsizetype(-1);
    }();
    if (firstDigit < 0)
        return pattern;
    qsizetype lastDigit = pattern.size() - 1;
    while (!isDigitPlaceholder(pattern[lastDigit]) && pattern[lastDigit] != QLatin1Char('.'))
        --lastDigit;
    const QString prefix = pattern.left(firstDigit);
    const QString suffix = pattern.mid(lastDigit + 1);
    const QString body = pattern.mid(firstDigit, lastDigit - firstDigit + 1);

    const qsizetype pointAt = body.indexOf(QLatin1Char('.'));
    const QString integerPart = pointAt < 0 ? body : body.left(pointAt);
    const QString fractionPart = pointAt < 0 ? QString() : body.mid(pointAt + 1);
    const int forcedIntegerDigits = int(integerPart.count(QLatin1Char('0')));
    int forcedDecimals = 0;
    while (forcedDecimals < fractionPart.size() && fractionPart[forcedDecimals] == QLatin1Char('0'))
        ++forcedDecimals;
    int maxDecimals = 0;
    for (QChar c : fractionPart)
        if (isDigitPlaceholder(c))
            ++maxDecimals;

    auto [integerDigits, fractionDigits] =
        value == 0.0 ? std::pair<QByteArray, QByteArray>{QByteArray(), QByteArray(maxDecimals, '0')}
                     : roundDigits(shortestDigits(std::fabs(value)), maxDecimals);
    const bool isZero = integerDigits.isEmpty() && fractionDigits.count('0') == fractionDigits.size();

    if (integerDigits.size() < forcedIntegerDigits)
        integerDigits.prepend(QByteArray(forcedIntegerDigits - integerDigits.size(), '0'));
    while (fractionDigits.size() > forcedDecimals && fractionDigits.endsWith('0'))
        fractionDigits.chop(1);

    QString text;
    if (value < 0 && !isZero)
        text += QLatin1Char('-');
    text += prefix;
    text += QString::fromLatin1(integerDigits);
    if (pointAt >= 0) {
        text += locale.decimalPoint();
        text += QString::fromLatin1(fractionDigits);
    }
    text += suffix;
    return text;
}

QString plainText(double value, const QLocale& locale)
{
    QString text = QString::number(value, 'g', 15);
    const double magnitude = std::fabs(value);
    if (text.contains(QLatin1Char('e')) && magnitude >= 1e-5 && magnitude < 1e15) {
        const int decimals = 14 - int(std::floor(std::log10(magnitude)));
        text = QString::number(value, 'f', decimals);
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    text.replace(QLatin1Char('e'), QLatin1Char('E'));
    text.replace(QLatin1Char('.'), locale.decimalPoint());
    return text;
}

QString formatDate(const QDate& date)
{
    return QLocale(QLocale::English, QLocale::UnitedStates).toString(date, QStringLiteral("dd-MMM-yy"));
}

QString formatTime(const QTime& time)
{
    return QLocale(QLocale::English, QLocale::UnitedStates).toString(time, QStringLiteral("hh:mm AP"));
}

} // namespace NumberText
