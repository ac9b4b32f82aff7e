#pragma once

#include "uncertainty/UncertaintyLengths.h"

// The tolerance a CMM can check: from the machine's accuracy figure after one of three
// acceptance conventions and the share of the tolerance its error may use, a positional
// tolerance with its distance from the datum and a diameter tolerance with its diameter;
// from its probing figure, the form tolerance. The tolerance is the machine's error at
// the size divided by that share, so at 10% a tolerance is ten times the error and at 20%
// five times. Works on the tab's field texts as the window holds them; when a calculation
// does not apply, nothing is written.
class PartTolerance
{
public:
    // The fields in the order they are loaded.
    enum Field : std::size_t {
        PositionalTolerance,
        Distance, // from the datum to the position
        Diameter,
        DiameterTolerance,
        LValue,
        BallbarLength,
        Volumetric,
        IsoE,
        VdiU3,
        FormTolerance,
        B89PointToPoint,
        VdiV3,
        IsoR,
    };

    enum class Convention { Iso, VdiVde, B89 };

    // Which edited value a recalculation starts from; it writes its partner.
    enum class Recalculation {
        FromDistance,
        FromDiameter,
        FromPositionalTolerance,
        FromDiameterTolerance
    };

    using Texts = UncertaintyLengths::Texts;
    using Unit = UncertaintyLengths::Unit;

    explicit PartTolerance(const QLocale& locale = QLocale());

    // The first proposal: both tolerances at a size equal to the (L) value (ISO, VDI/VDE)
    // or to the ballbar length (B89). True when it wrote results.
    bool calculate(Texts& texts, Convention convention, const QString& percentage, Unit unit);

    // Moves one proposal to the size or tolerance the user typed, with the values of the
    // last calculation: a figure never loaded, or a zero that would divide, writes nothing.
    void recalculate(Texts& texts, Recalculation from, Convention convention,
                     const QString& percentage, Unit unit) const;

    // `probingFigure` is IsoR, VdiV3 or B89PointToPoint.
    void calculateFormTolerance(Texts& texts, Field probingFigure, const QString& percentage,
                                Unit unit);

    const UncertaintyLengths::StoredLengths& stored() const { return m_stored; }

private:
    std::optional<double> toleranceAt(double size, Convention convention, double share) const;
    std::optional<double> sizeFor(double tolerance, Convention convention, double share) const;

    QLocale m_locale;
    UncertaintyLengths::StoredLengths m_stored;
};
