// Number text: any text read as a number in the C locale of files and in locales with a
// comma for a point, a minus sign that is not ASCII, or digits of another script; the
// file cell's fast road against the full one; any value written through any pattern and
// through the fixed patterns the tools use, and read back.
//
// The input: one byte choosing the locale, eight bytes of a double, then the text (as
// UTF-8 for the conversions and the pattern, as Latin-1 bytes for the file cell).
#include "FuzzSupport.h"

#include "common/NumberText.h"

#include <QDate>
#include <QTime>

#include <cmath>
#include <cstring>
#include <limits>

namespace {

const QLocale& chosenLocale(std::uint8_t choice)
{
    static const QLocale locales[] = {
        QLocale::c(),
        QLocale(QLocale::English, QLocale::UnitedStates),
        QLocale(QLocale::German, QLocale::Germany),
        QLocale(QLocale::French, QLocale::France),
        QLocale(QLocale::Swedish, QLocale::Sweden),
        QLocale(QLocale::Arabic, QLocale::Egypt),
        QLocale(QLocale::Persian, QLocale::Iran),
        QLocale(QLocale::Hindi, QLocale::India),
    };
    return locales[choice % std::size(locales)];
}

bool sameNumber(std::optional<double> a, std::optional<double> b)
{
    return a.has_value() == b.has_value() && (!a || std::memcmp(&*a, &*b, sizeof(double)) == 0);
}

void checkConversions(const QString& text, const QLocale& locale)
{
    const std::optional<double> value = NumberText::toDouble(text, locale);
    Fuzz::check(!value || (NumberText::isNumeric(text, locale) && std::isfinite(*value)),
                "a converted text is numeric and finite", text);
    const std::optional<float> single = NumberText::toSingle(text, locale);
    Fuzz::check(!single || (value && float(*value) == *single), "a single is the double narrowed",
                text);
    const std::optional<qint16> whole = NumberText::toInt16(text, locale);
    Fuzz::check(whole == (value ? NumberText::toInt16(*value) : std::nullopt),
                "an integer is the double rounded", text);
}

void checkFileCell(const QByteArray& bytes)
{
    const QLatin1StringView cell(bytes);
    Fuzz::check(
        sameNumber(NumberText::cNumber(cell), NumberText::toDouble(QString(cell), QLocale::c())),
        "a file cell reads as the C locale reads its text", QString(cell));
}

// Written and read back in the same locale, a value comes back within the pattern's
// rounding, or the 15 significant digits a text box keeps.
void checkWrittenValue(double value, const QString& pattern, const QLocale& locale)
{
    NumberText::formatNumber(value, pattern, locale);
    if (!std::isfinite(value))
        return;
    const auto readBack = [&](const QString& text, double allowed, const char* property) {
        const std::optional<double> back = NumberText::toDouble(text, locale);
        Fuzz::check(back && std::fabs(*back - value) <= allowed, property,
                    text + QStringLiteral(" from %1").arg(value, 0, 'g', 17));
    };
    readBack(NumberText::formatNumber(value, QStringLiteral("0.000"), locale),
             0.0005 + std::fabs(value) * 1e-15, "a value written as 0.000 reads back");
    // Fifteen digits of a value this close to the largest double round beyond it.
    const double largestReadable = 1.79769313486231e308;
    if (std::fabs(value) >= std::numeric_limits<double>::min() &&
        std::fabs(value) <= largestReadable)
        readBack(NumberText::plainText(value, locale), std::fabs(value) * 1e-14,
                 "a value as a text box holds it reads back");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    constexpr std::size_t head = 1 + sizeof(double);
    if (size < head)
        return 0;
    const QLocale& locale = chosenLocale(data[0]);
    double value = 0;
    std::memcpy(&value, data + 1, sizeof value);
    const QByteArray bytes(reinterpret_cast<const char*>(data + head), qsizetype(size - head));
    const QString text = QString::fromUtf8(bytes);

    checkConversions(text, locale);
    checkConversions(text, QLocale::c());
    checkFileCell(bytes);
    checkWrittenValue(value, text, locale);

    int year = 0;
    std::memcpy(&year, data + 1, sizeof year);
    NumberText::formatDate(QDate(year % 10000, data[5] % 14, data[6] % 33));
    NumberText::formatTime(QTime(data[5] % 25, data[6] % 61, data[7] % 61));
    return 0;
}
