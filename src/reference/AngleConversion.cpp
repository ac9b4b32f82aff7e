#include "reference/AngleConversion.h"

#include "common/NumberText.h"

#include <charconv>
#include <cmath>

namespace AngleConversion {
namespace {

const double pi = 3.14159265358979;
const QString decimalDegreePattern = QStringLiteral("##0.0#####");

// The single as the shortest decimal that reads back as it (45.75f / 30 is 1.525, not
// 1.5249999762), so the ten decimals of a split show what the user would compute.
double shortestDecimal(float value)
{
    char buffer[32];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
    double decimal = 0;
    std::from_chars(buffer, written.ptr, decimal);
    return decimal;
}

constexpr qint64 powerOfTen(int exponent)
{
    qint64 power = 1;
    while (exponent-- > 0)
        power *= 10;
    return power;
}

struct Sexagesimal
{
    QString whole, minutes, seconds;
};

// A non-negative value split into its whole part, minutes and seconds through text: the
// value written with ten decimals, its fraction times 60 the minutes, the minutes written
// with `minuteDecimals` decimals (7 or 10) and their fraction times 60 the seconds,
// "#0.0####". The texts are decimal, so the arithmetic is done exactly on their digits.
// Seconds that round to 60 carry into the minutes and minutes of 60 into the whole part,
// so a field never shows a full sixty.
Sexagesimal split(float value, int minuteDecimals, const QLocale& locale)
{
    const QString tenDecimals = NumberText::formatNumber(
        shortestDecimal(value), QStringLiteral("0.0000000000"), QLocale::c());
    const qsizetype point = tenDecimals.indexOf(QLatin1Char('.'));
    qint64 whole = tenDecimals.left(point).toLongLong();
    const qint64 fraction = tenDecimals.mid(point + 1).toLongLong();

    const qint64 minuteUnit = powerOfTen(10 - minuteDecimals);
    const qint64 minutesWritten = (60 * fraction + minuteUnit / 2) / minuteUnit;
    const qint64 perMinute = powerOfTen(minuteDecimals);
    qint64 minutes = minutesWritten / perMinute;
    const qint64 secondUnit = powerOfTen(minuteDecimals - 5);
    qint64 hundredThousandthsOfSeconds =
        (60 * (minutesWritten % perMinute) + secondUnit / 2) / secondUnit;

    if (hundredThousandthsOfSeconds == 60 * 100000) {
        hundredThousandthsOfSeconds = 0;
        ++minutes;
    }
    if (minutes == 60) {
        minutes = 0;
        ++whole;
    }
    return {QString::number(whole), QString::number(minutes),
            NumberText::formatNumber(double(hundredThousandthsOfSeconds) / 100000,
                                     QStringLiteral("#0.0####"), locale)};
}

// Every box of the row that is not numeric becomes "0"; false when none was numeric.
bool fillRow(QString& first, QString& second, QString& third, const QLocale& locale)
{
    const bool any = NumberText::isNumeric(first, locale) ||
                     NumberText::isNumeric(second, locale) || NumberText::isNumeric(third, locale);
    if (!any)
        return false;
    for (QString* box : {&first, &second, &third})
        if (!NumberText::isNumeric(*box, locale))
            *box = QStringLiteral("0");
    return true;
}

// A row of two whole numbers (halves to even, 16 bits) and a single of seconds.
struct Row
{
    qint16 whole = 0;
    qint16 minutes = 0;
    float seconds = 0;

    bool withinLimits(int wholeLimit) const
    {
        return whole >= 0 && minutes >= 0 && seconds >= 0 && whole <= wholeLimit && minutes <= 60 &&
               seconds <= 60 && whole + minutes / 60.0 + seconds / 3600.0 <= wholeLimit;
    }
    bool isZero() const { return whole + minutes + seconds == 0; }
};

std::optional<Row> readRow(const QString& first, const QString& second, const QString& third,
                           const QLocale& locale)
{
    const auto whole = NumberText::toInt16(first, locale);
    const auto minutes = NumberText::toInt16(second, locale);
    const auto seconds = NumberText::toSingle(third, locale);
    if (!whole || !minutes || !seconds)
        return std::nullopt;
    return Row{*whole, *minutes, *seconds};
}

void writeClock(Boxes& boxes, const Sexagesimal& clock)
{
    boxes.caH = clock.whole;
    boxes.caM = clock.minutes;
    boxes.caS = clock.seconds;
}

void writeDegrees(Boxes& boxes, const Sexagesimal& degrees)
{
    boxes.degD = degrees.whole;
    boxes.degM = degrees.minutes;
    boxes.degS = degrees.seconds;
}

// The angle is read back from the decimal degree text, so the rows agree with what the
// decimal box shows (six decimals, single precision).
std::optional<float> decimalDegrees(const Boxes& boxes, const QLocale& locale)
{
    return NumberText::toSingle(boxes.dd, locale);
}

std::optional<float> fromDegreesMinutesSeconds(Boxes& boxes, const QLocale& locale)
{
    if (!fillRow(boxes.degD, boxes.degM, boxes.degS, locale))
        return std::nullopt;
    const auto row = readRow(boxes.degD, boxes.degM, boxes.degS, locale);
    if (!row || !row->withinLimits(360))
        return std::nullopt;
    if (row->isZero()) {
        boxes.dd = QStringLiteral("0");
        writeClock(boxes, {QStringLiteral("12"), QStringLiteral("0"), QStringLiteral("0")});
        return std::nullopt;
    }
    boxes.degD = QString::number(row->whole);
    boxes.degM = QString::number(row->minutes);
    const double degrees = row->minutes * (1.0 / 60) + row->whole + row->seconds * (1.0 / 3600);
    boxes.dd = NumberText::formatNumber(degrees, decimalDegreePattern, locale);
    const auto angle = decimalDegrees(boxes, locale);
    writeClock(boxes, split(*angle / 30, 7, locale));
    return angle;
}

std::optional<float> fromClockTime(Boxes& boxes, const QLocale& locale)
{
    if (!fillRow(boxes.caH, boxes.caM, boxes.caS, locale))
        return std::nullopt;
    const auto row = readRow(boxes.caH, boxes.caM, boxes.caS, locale);
    if (!row || !row->withinLimits(12))
        return std::nullopt;
    if (row->isZero()) {
        boxes.dd = QStringLiteral("0");
        writeDegrees(boxes, {QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")});
        return std::nullopt;
    }
    boxes.caH = QString::number(row->whole);
    boxes.caM = QString::number(row->minutes);
    const double degrees =
        (30.0 / 60) * row->minutes + 30.0 * row->whole + row->seconds * (30.0 / 3600);
    boxes.dd = NumberText::formatNumber(degrees, decimalDegreePattern, locale);
    const auto angle = decimalDegrees(boxes, locale);
    writeDegrees(boxes, split(*angle, 10, locale));
    return angle;
}

std::optional<float> fromDecimalDegrees(Boxes& boxes, const QLocale& locale)
{
    const auto angle = decimalDegrees(boxes, locale);
    if (!angle || *angle < 0 || *angle > 360)
        return std::nullopt;
    if (*angle == 0) {
        writeDegrees(boxes, {QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")});
        writeClock(boxes, {QStringLiteral("12"), QStringLiteral("0"), QStringLiteral("0")});
        return std::nullopt;
    }
    writeClock(boxes, split(*angle / 30, 10, locale));
    writeDegrees(boxes, split(*angle, 10, locale));
    return angle;
}

} // namespace

std::optional<float> calculate(Boxes& boxes, Mode mode, const QLocale& locale)
{
    switch (mode) {
    case Mode::DegreesMinutesSeconds:
        return fromDegreesMinutesSeconds(boxes, locale);
    case Mode::ClockTime:
        return fromClockTime(boxes, locale);
    case Mode::DecimalDegrees:
        return fromDecimalDegrees(boxes, locale);
    }
    return std::nullopt;
}

std::optional<QString> angularErrorText(const QString& distance, const QString& error,
                                        const QLocale& locale)
{
    const auto d = NumberText::toSingle(distance, locale);
    const auto e = NumberText::toSingle(error, locale);
    if (!d || !e || *d < 0 || *e < 0 || (*d == 0 && *e == 0))
        return std::nullopt;
    const double angle = *e == 0 ? 0.0 : 90 - (180 / pi) * std::atan(double(*d / *e));
    return NumberText::formatNumber(angle, QStringLiteral("#0.0#####"), locale);
}

} // namespace AngleConversion
