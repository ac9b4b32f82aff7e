#include "common/NumberText.h"

#include <QDate>
#include <QTime>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>

namespace NumberText {
namespace {

// True when the text in C form is an optional sign, digits with at most one decimal
// point (at least one digit in all) and an optional exponent.
bool matchesNumberGrammar(std::string_view text)
{
    std::size_t i = 0;
    const auto skipSign = [&] {
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
    };
    const auto skipDigits = [&] {
        const std::size_t start = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9')
            ++i;
        return i - start;
    };
    skipSign();
    std::size_t mantissaDigits = skipDigits();
    if (i < text.size() && text[i] == '.') {
        ++i;
        mantissaDigits += skipDigits();
    }
    if (mantissaDigits == 0)
        return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        skipSign();
        if (skipDigits() == 0)
            return false;
    }
    return i == text.size();
}

// Writes the text in C form ('.' as the decimal point, '-' as the minus sign, no
// blanks) into `out`; false when it is not numeric. Files are read cell by cell
// through here, so the C locale takes no locale strings and `out` keeps its buffer.
bool normalise(const QString& text, const QLocale& locale, std::string& out)
{
    out.clear();
    QStringView candidate = QStringView(text).trimmed();
    if (candidate.isEmpty())
        return false;
    const bool cLocale = locale.language() == QLocale::C;
    if (!cLocale) {
        const QString minus = locale.negativeSign();
        if (minus != QLatin1String("-") && candidate.startsWith(minus)) {
            out += '-';
            candidate = candidate.mid(minus.size());
        }
    }
    const QString point = cLocale ? QString() : locale.decimalPoint();
    const bool foreignPoint = !cLocale && point != QLatin1String(".");
    for (qsizetype i = 0; i < candidate.size();) {
        if (foreignPoint && candidate.mid(i).startsWith(point)) {
            out += '.';
            i += point.size();
            continue;
        }
        const char16_t c = candidate[i].unicode();
        if (c > 0x7f || (foreignPoint && c == u'.'))
            return false;
        out += char(c);
        ++i;
    }
    return matchesNumberGrammar(out);
}

// The buffer numbers are normalised into, kept from one conversion to the next.
std::string& scratch()
{
    thread_local std::string buffer;
    return buffer;
}

// The decimal digits of |value| and the position of the decimal point within them
// (digits "2675", point 1 for 2.675), from the shortest text that reads back as value.
// Plain strings: sheets format hundreds of thousands of numbers through here.
struct DecimalDigits {
    std::string digits;
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
    out.digits.reserve(exponentAt);
    for (char c : text.substr(0, exponentAt))
        if (c != '.')
            out.digits += c;
    int exponent = 0;
    std::string_view digits = text.substr(exponentAt + 1);
    if (!digits.empty() && digits.front() == '+')
        digits.remove_prefix(1);
    std::from_chars(digits.data(), digits.data() + digits.size(), exponent);
    out.pointPosition = 1 + exponent;
    return out;
}

// Rounds the digits half away from zero, keeping `decimals` digits after the point.
// Returns the integer digits and the fraction digits.
std::pair<std::string, std::string> roundDigits(DecimalDigits number, int decimals)
{
    if (number.pointPosition < 0) {
        number.digits.insert(0, std::size_t(-number.pointPosition), '0');
        number.pointPosition = 0;
    }
    const std::size_t keep = std::size_t(number.pointPosition + decimals);
    if (number.digits.size() < keep)
        number.digits.append(keep - number.digits.size(), '0');
    std::string kept = number.digits.substr(0, keep);
    const bool roundUp = number.digits.size() > keep && number.digits[keep] >= '5';
    if (roundUp) {
        std::size_t i = kept.size();
        while (i > 0 && kept[i - 1] == '9')
            kept[--i] = '0';
        if (i > 0) {
            ++kept[i - 1];
        } else {
            kept.insert(kept.begin(), '1');
            ++number.pointPosition;
        }
    }
    std::string integer = kept.substr(0, std::size_t(number.pointPosition));
    integer.erase(0, std::min(integer.find_first_not_of('0'), integer.size()));
    return {std::move(integer), kept.substr(std::size_t(number.pointPosition))};
}

bool isDigitPlaceholder(QChar c)
{
    return c == QLatin1Char('0') || c == QLatin1Char('#');
}

} // namespace

bool isNumeric(const QString& text, const QLocale& locale)
{
    return normalise(text, locale, scratch());
}

namespace {

// Whether a text that matches the number grammar lies below 1 in magnitude: its first
// significant digit stands after the decimal point once the exponent is applied.
bool belowOne(std::string_view cText)
{
    const std::size_t exponentAt = cText.find_first_of("eE");
    const std::string_view mantissa = cText.substr(0, exponentAt);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t firstDigit = mantissa.find_first_of("123456789");
    if (firstDigit == std::string_view::npos)
        return true;
    // The power of ten of the first significant digit, before the exponent.
    long long power = firstDigit < point ? (long long)(point - firstDigit) - 1 : -(long long)(firstDigit - point);
    if (exponentAt != std::string_view::npos) {
        std::string_view exponent = cText.substr(exponentAt + 1);
        const bool negative = !exponent.empty() && exponent.front() == '-';
        if (!exponent.empty() && (exponent.front() == '-' || exponent.front() == '+'))
            exponent.remove_prefix(1);
        long long magnitude = 0;
        for (char digit : exponent)
            magnitude = std::min(magnitude * 10 + (digit - '0'), 1'000'000'000LL);
        power += negative ? -magnitude : magnitude;
    }
    return power < 0;
}

// The value of a text that matches the number grammar. A value too small for a double
// reads as the nearest one, 0, as any number parser reads it; one too large is no
// value.
std::optional<double> grammarValue(std::string_view cText)
{
    const char* first = cText.data();
    const char* last = first + cText.size();
    if (*first == '+')
        ++first;
    double value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error == std::errc::result_out_of_range && end == last && belowOne(cText))
        return 0.0;
    if (error != std::errc() || end != last || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// The common file cell: an optional sign and at most 15 digits with at most one point,
// no exponent. Its digits and the power of ten are then exact doubles, so one division
// gives the correctly rounded value, the value from_chars gives. False for any other
// text, which takes the full road.
bool simpleDecimal(std::string_view text, double& value)
{
    static constexpr double powersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                             1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    std::size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+'))
        ++i;
    std::uint64_t digits = 0;
    int digitCount = 0;
    int decimals = 0;
    bool point = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            if (++digitCount > 15)
                return false;
            digits = digits * 10 + std::uint64_t(c - '0');
            decimals += point ? 1 : 0;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    if (digitCount == 0)
        return false;
    value = double(digits) / powersOfTen[decimals];
    if (negative)
        value = -value;
    return true;
}

} // namespace

std::optional<double> toDouble(const QString& text, const QLocale& locale)
{
    std::string& cText = scratch();
    if (!normalise(text, locale, cText))
        return std::nullopt;
    return grammarValue(cText);
}

std::optional<double> cNumber(QLatin1StringView text)
{
    // Blanks as a text box trims them, the no-break space among them.
    const auto isBlank = [](char c) { return QChar::isSpace(static_cast<unsigned char>(c)); };
    std::string_view cText(text.data(), std::size_t(text.size()));
    while (!cText.empty() && isBlank(cText.front()))
        cText.remove_prefix(1);
    while (!cText.empty() && isBlank(cText.back()))
        cText.remove_suffix(1);
    if (cText.empty())
        return std::nullopt;
    if (double value = 0; simpleDecimal(cText, value))
        return value;
    if (std::any_of(cText.begin(), cText.end(), [](char c) { return static_cast<unsigned char>(c) > 0x7f; })
        || !matchesNumberGrammar(cText))
        return std::nullopt;
    return grammarValue(cText);
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

namespace {

// A format pattern taken apart: literal text before and after the digits, and what the
// digit placeholders ask for.
struct NumberPattern {
    bool hasDigits = false;
    QString prefix;
    QString suffix;
    bool hasPoint = false;
    int forcedIntegerDigits = 0;
    int forcedDecimals = 0;
    int maxDecimals = 0;
};

NumberPattern parsePattern(const QString& pattern)
{
    NumberPattern parsed;
    qsizetype firstDigit = -1;
    for (qsizetype i = 0; i < pattern.size() && firstDigit < 0; ++i)
        if (isDigitPlaceholder(pattern[i]) || pattern[i] == QLatin1Char('.'))
            firstDigit = i;
    if (firstDigit < 0)
        return parsed;
    parsed.hasDigits = true;
    qsizetype lastDigit = pattern.size() - 1;
    while (!isDigitPlaceholder(pattern[lastDigit]) && pattern[lastDigit] != QLatin1Char('.'))
        --lastDigit;
    parsed.prefix = pattern.left(firstDigit);
    parsed.suffix = pattern.mid(lastDigit + 1);
    const QStringView body = QStringView(pattern).mid(firstDigit, lastDigit - firstDigit + 1);

    const qsizetype pointAt = body.indexOf(QLatin1Char('.'));
    parsed.hasPoint = pointAt >= 0;
    const QStringView integerPart = pointAt < 0 ? body : body.left(pointAt);
    const QStringView fractionPart = pointAt < 0 ? QStringView() : body.mid(pointAt + 1);
    parsed.forcedIntegerDigits = int(integerPart.count(QLatin1Char('0')));
    while (parsed.forcedDecimals < fractionPart.size() && fractionPart[parsed.forcedDecimals] == QLatin1Char('0'))
        ++parsed.forcedDecimals;
    for (QChar c : fractionPart)
        if (isDigitPlaceholder(c))
            ++parsed.maxDecimals;
    return parsed;
}

// Sheets format long columns through a handful of patterns: the last one is kept.
const NumberPattern& patternOf(const QString& pattern)
{
    thread_local QString lastPattern;
    thread_local NumberPattern lastParsed;
    if (pattern != lastPattern || lastPattern.isNull()) {
        lastParsed = parsePattern(pattern);
        lastPattern = pattern.isNull() ? QLatin1String("") : pattern;
    }
    return lastParsed;
}

} // namespace

QString formatNumber(double value, const QString& pattern, const QLocale& locale)
{
    if (!std::isfinite(value))
        return {};
    const NumberPattern& parsed = patternOf(pattern);
    if (!parsed.hasDigits)
        return pattern;

    auto [integerDigits, fractionDigits] =
        value == 0.0 ? std::pair<std::string, std::string>{std::string(), std::string(std::size_t(parsed.maxDecimals), '0')}
                     : roundDigits(shortestDigits(std::fabs(value)), parsed.maxDecimals);
    const bool isZero = integerDigits.empty() && fractionDigits.find_first_not_of('0') == std::string::npos;

    if (integerDigits.size() < std::size_t(parsed.forcedIntegerDigits))
        integerDigits.insert(0, std::size_t(parsed.forcedIntegerDigits) - integerDigits.size(), '0');
    while (fractionDigits.size() > std::size_t(parsed.forcedDecimals) && fractionDigits.back() == '0')
        fractionDigits.pop_back();

    QString text;
    text.reserve(parsed.prefix.size() + integerDigits.size() + fractionDigits.size() + parsed.suffix.size() + 2);
    if (value < 0 && !isZero)
        text += QLatin1Char('-');
    text += parsed.prefix;
    text += QLatin1StringView(integerDigits.data(), qsizetype(integerDigits.size()));
    if (parsed.hasPoint) {
        if (locale.language() == QLocale::C)
            text += QLatin1Char('.');
        else
            text += locale.decimalPoint();
        text += QLatin1StringView(fractionDigits.data(), qsizetype(fractionDigits.size()));
    }
    text += parsed.suffix;
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
