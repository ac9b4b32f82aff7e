#pragma once

#include <QLocale>
#include <QString>

#include <optional>

// Conversion of an angle between degrees-minutes-seconds, clock time (30 degrees to the
// hour on a 12-hour dial) and decimal degrees, on the texts of the converter's boxes, and
// the angle that an error from nominal makes at a distance from a datum.
namespace AngleConversion {

// The option that says which row the user typed in.
enum class Mode { DegreesMinutesSeconds, ClockTime, DecimalDegrees };

// The seven boxes of the converter, as texts.
struct Boxes
{
    QString degD, degM, degS; // degrees, minutes, seconds of arc
    QString caH, caM, caS;    // hours, minutes, seconds of clock time
    QString dd;               // decimal degrees
};

// Calculate: reads the row of `mode`, fills and rewrites its boxes and writes the other
// two rows, as the window shows them. Returns the angle to sweep out on the dial when a
// conversion was made; none when the row was refused (nothing numeric, out of range) or
// the angle is zero, which writes the zero results without a sweep. A refused row may
// still have had its empty boxes filled with "0".
std::optional<float> calculate(Boxes& boxes, Mode mode, const QLocale& locale = QLocale());

// The angle whose tangent is error / distance, "#0.0#####" degrees. None when either text
// is not a number or is negative, or both are zero (no angle). An error of zero at a
// positive distance is the limit of the angle, 0.
std::optional<QString> angularErrorText(const QString& distance, const QString& error,
                                        const QLocale& locale = QLocale());

} // namespace AngleConversion
