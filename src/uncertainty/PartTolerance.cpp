#include "uncertainty/PartTolerance.h"

#include "common/NumberText.h"

using namespace UncertaintyLengths;

namespace {

struct Recalculated
{
    PartTolerance::Field source;
    PartTolerance::Field target;
    bool sizeToTolerance;
};

// In the order of PartTolerance::Recalculation.
constexpr Recalculated recalculations[] = {
    {PartTolerance::Distance, PartTolerance::PositionalTolerance, true},
    {PartTolerance::Diameter, PartTolerance::DiameterTolerance, true},
    {PartTolerance::PositionalTolerance, PartTolerance::Distance, false},
    {PartTolerance::DiameterTolerance, PartTolerance::Diameter, false},
};

} // namespace

PartTolerance::PartTolerance(const QLocale& locale) : m_locale(locale) {}

// ISO and VDI/VDE: the machine's error at a size s is A + (s / K) / 1000, so
// t = (A + (s / K) / 1000) / share and s = 1000 x K x (t x share - A).
// B89: the error is Vb x s / B, so t = Vb x s / B / share and s = B x (t x share) / Vb.
std::optional<double> PartTolerance::toleranceAt(double size, Convention convention,
                                                 double share) const
{
    if (convention == Convention::B89) {
        const auto volumetric = m_stored.value(Volumetric);
        const auto ballbar = m_stored.value(BallbarLength);
        if (!volumetric || !ballbar || *ballbar == 0)
            return std::nullopt;
        return *volumetric * size / *ballbar / share;
    }
    const auto accuracy = m_stored.value(convention == Convention::Iso ? IsoE : VdiU3);
    const auto lValue = m_stored.value(LValue);
    if (!accuracy || !lValue || *lValue == 0)
        return std::nullopt;
    return (*accuracy + (size / *lValue) / 1000) / share;
}

std::optional<double> PartTolerance::sizeFor(double tolerance, Convention convention,
                                             double share) const
{
    if (convention == Convention::B89) {
        const auto volumetric = m_stored.value(Volumetric);
        const auto ballbar = m_stored.value(BallbarLength);
        if (!volumetric || !ballbar || *volumetric == 0)
            return std::nullopt;
        return *ballbar * (tolerance * share) / *volumetric;
    }
    const auto accuracy = m_stored.value(convention == Convention::Iso ? IsoE : VdiU3);
    const auto lValue = m_stored.value(LValue);
    if (!accuracy || !lValue)
        return std::nullopt;
    return 1000 * *lValue * (tolerance * share - *accuracy);
}

bool PartTolerance::calculate(Texts& texts, Convention convention, const QString& percentage,
                              Unit unit)
{
    m_stored.load(texts, unit, m_locale);
    const auto share = toleranceShare(percentage, m_locale);
    if (!share)
        return false;
    const Field figure = convention == Convention::Iso      ? IsoE
                         : convention == Convention::VdiVde ? VdiU3
                                                            : Volumetric;
    const Field length = convention == Convention::B89 ? BallbarLength : LValue;
    if (!m_stored.isPositive(figure) || !m_stored.isPositive(length))
        return false;

    const double size = *m_stored.value(length);
    const auto tolerance = toleranceAt(size, convention, *share);
    // Only an ISO length is written with three decimals.
    const QString sizeFormat =
        convention == Convention::Iso ? QStringLiteral("0.000") : millimetreFormat;
    bool wrote = writeLength(texts[Diameter], size, unit, m_locale, sizeFormat);
    wrote = writeLength(texts[Distance], size, unit, m_locale, sizeFormat) || wrote;
    wrote = writeLength(texts[PositionalTolerance], *tolerance, unit, m_locale) || wrote;
    return writeLength(texts[DiameterTolerance], *tolerance, unit, m_locale) || wrote;
}

void PartTolerance::recalculate(Texts& texts, Recalculation from, Convention convention,
                                const QString& percentage, Unit unit) const
{
    const auto share = toleranceShare(percentage, m_locale);
    const Recalculated& fields = recalculations[static_cast<int>(from)];
    const auto typed = NumberText::toDouble(texts[fields.source], m_locale);
    if (!share || !typed)
        return;
    const double source = unit == Unit::Millimetre ? *typed : *typed * millimetresPerInch;
    const auto result = fields.sizeToTolerance ? toleranceAt(source, convention, *share)
                                               : sizeFor(source, convention, *share);
    if (result)
        writeLength(texts[fields.target], *result, unit, m_locale);
}

void PartTolerance::calculateFormTolerance(Texts& texts, Field probingFigure,
                                           const QString& percentage, Unit unit)
{
    m_stored.load(texts, unit, m_locale);
    const auto share = toleranceShare(percentage, m_locale);
    if (!share || !m_stored.isPositive(probingFigure))
        return;
    writeLength(texts[FormTolerance], *m_stored.value(probingFigure) / *share, unit, m_locale);
}
