#pragma once

#include "uncertainty/UncertaintyLengths.h"

// The accuracy a CMM needs to check a part: from the part's tightest positional or
// diameter tolerance and the share of it the machine error may use, the required ISO (E),
// VDI/VDE (U3) and B89 volumetric figures; from its tightest form tolerance, the required
// probing figures. Works on the tab's field texts as the window holds them and writes
// its results into them; when a calculation does not apply, nothing is written.
class MachineAccuracy
{
public:
    // The fields in the order they are loaded.
    enum Field : std::size_t {
        PositionalTolerance,
        Diameter,
        Distance, // from the datum to the position
        DiameterTolerance,
        IsoE,
        VdiU3,
        Volumetric,
        LValue,
        BallbarLength,
        IsoR,
        B89PointToPoint,
        VdiV3,
        FormTolerance,
    };

    using Texts = UncertaintyLengths::Texts;
    using Unit = UncertaintyLengths::Unit;

    explicit MachineAccuracy(const QLocale& locale = QLocale());

    void calculateAccuracy(Texts& texts, const QString& percentage, Unit unit);
    void calculateProbing(Texts& texts, const QString& percentage, Unit unit);

    const UncertaintyLengths::StoredLengths& stored() const { return m_stored; }

private:
    // Tolerance over size when both fields hold numbers greater than 0.
    std::optional<double> ratio(const Texts& texts, Field tolerance, Field size) const;

    QLocale m_locale;
    UncertaintyLengths::StoredLengths m_stored;
};
