#pragma once

#include <QLocale>
#include <QString>

#include <optional>

// Conversion of a length between inches and millimetres, 25.4 millimetres to the inch.
namespace InchMillimetre {

enum class Direction { InchToMillimetre, MillimetreToInch };

// The converted length as the window shows it, "#0.0######" with no unit. None when the
// text is not a number or the result is beyond the range of a number.
std::optional<QString> resultText(const QString& length, Direction direction,
                                  const QLocale& locale = QLocale());

} // namespace InchMillimetre
