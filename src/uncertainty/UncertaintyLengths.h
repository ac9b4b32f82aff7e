#pragma once

#include <QLocale>
#include <QString>

#include <array>
#include <cstddef>
#include <optional>

// What both tabs of the uncertainty window share: lengths typed and shown in the unit
// chosen on the tab but kept in millimetres, the percentage of the tolerance the machine
// error may use, and the fixed formats results are written with.
namespace UncertaintyLengths {

enum class Unit { Millimetre, Inch };

constexpr double millimetresPerInch = 25.4;
constexpr std::size_t fieldCount = 13;

// A tab's thirteen fields (text boxes and result captions), in the order they are loaded.
using Texts = std::array<QString, fieldCount>;

inline const QString millimetreFormat = QStringLiteral("0.0000");
inline const QString inchFormat = QStringLiteral("0.00000");

// The share (0..1] of the tolerance that the percentage text allows: a number above 0
// and below 100.001, so 100 itself is accepted. Empty when the text is no such number.
std::optional<double> toleranceShare(const QString& percentage, const QLocale& locale);

// Writes a length given in millimetres into `text` as the unit shows it: millimetres
// with `millimetrePattern`, inches divided by 25.4 with "0.00000". A length that is not
// finite is not written and the text keeps what it held (false).
bool writeLength(QString& text, double millimetres, Unit unit, const QLocale& locale,
                 const QString& millimetrePattern = millimetreFormat);

// Every field whose text is a number is rewritten for the unit just chosen: into inches
// with "0.00000", into millimetres with "0.0000". Other texts, and numbers whose
// conversion would not be finite, are left as they are.
void convertTexts(Texts& texts, Unit newUnit, const QLocale& locale);

// The millimetre values a tab keeps, one per field, refreshed only when a calculation
// loads them. A field whose text is not a number keeps its earlier value, so a value
// outlives the emptying of its box; a value never loaded counts as missing.
class StoredLengths
{
public:
    void load(const Texts& texts, Unit unit, const QLocale& locale);

    std::optional<double> value(std::size_t field) const { return m_values[field]; }
    // Never loaded counts as not greater than 0.
    bool isPositive(std::size_t field) const { return m_values[field].value_or(0) > 0; }

private:
    std::array<std::optional<double>, fieldCount> m_values;
};

} // namespace UncertaintyLengths
