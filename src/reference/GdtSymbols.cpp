#include "reference/GdtSymbols.h"

namespace GdtSymbols {

namespace {

Symbol symbol(const char* name, const char* description, const char* picture)
{
    return {QString::fromUtf8(name), QString::fromUtf8(description),
            QStringLiteral(":/reference/symbols/%1.svg").arg(QLatin1String(picture))};
}

} // namespace

const std::array<Symbol, symbolCount>& symbols()
{
    // The descriptions are the reference's own texts, spellings and blanks as they are.
    static const std::array<Symbol, symbolCount> table = {{
        symbol("Diameter", "A circular feature indicating a diametrical tolerance", "diameter"),
        symbol("Circularity",
               "Points of a feature at an equal distance from center at a given plane.",
               "circularity"),
        symbol("Cylindricity", "Points of a feature at an equal distance from a common axis.",
               "cylindricity"),
        symbol("Profile of a surface",
               "Points on a surface vary unilaterally or bilaterally from the surface.",
               "profile-of-a-surface"),
        symbol("Profile of a line",
               "Points along a line vary unilaterally or bilaterally along a line.",
               "profile-of-a-line"),
        symbol("Flatness", "The amount the points on a surface vary from each other.", "flatness"),
        symbol("Straightness", "Points of a feature combine to form a straigt line to each other.",
               "straightness"),
        symbol("Angularity", "Angle variation from one feature to another.", "angularity"),
        symbol("Perpendicularity", "Features locate 90 degress from each other",
               "perpendicularity"),
        symbol("Position",
               "Zone within a features actual position may vary from the theoretical position",
               "position"),
        symbol("Concentricity / Coaxiality", "Features that have the same centerline.",
               "concentricity"),
        symbol("Symmetry", "Features are symmetrically disposed about a datum feature.",
               "symmetry"),
        symbol("Total runout",
               "Control of all points at circular and profile measuring positions as the "
               "features are totated through 360 degrees.",
               "total-runout"),
        symbol("Circular runout",
               "Deviation of form through one full rotation of featrue along the datum axis.",
               "circular-runout"),
        symbol("Parallelism", "Features that run 0 degrees to each other.", "parallelism"),
        symbol("Radius", "Information defining Radius", "radius"),
        symbol("Arc length", "Information defining length of an arc.", "arc-length"),
        symbol("Countersink", "Information defining a countersink.", "countersink"),
        symbol("Depth", "Information defining a depth.", "depth"),
        symbol("Slope", "Information defining a slope.", "slope"),
        symbol("Conical taper", "Information defining a conical taper.", "conical-taper"),
        symbol("All around profile",
               "Points can vary unilaterally or bilaterally from all features controled by "
               "symbol.",
               "all-around"),
        symbol("Dimension origin", "Information defining a dimension origin.", "dimension-origin"),
        symbol("Spherical radius", "Information defining a spherical radius.", "spherical-radius"),
        symbol("Spherical Diameter", "A spherical feature indicating a diametrical tolerance",
               "spherical-diameter"),
        symbol("Counterbore / Spotface", "Information defining a counterbore or spotface.",
               "counterbore"),
        symbol("Square (Shape)", "Information defining a shape.", "square"),
        symbol("Dimension not to scale", "Information indicating a dimension not to scale.",
               "not-to-scale"),
        symbol("Max material condition",
               "Condition of a feature where it contains the maximum amount of material within "
               "a stated limit of size.",
               "maximum-material"),
        symbol("Least material condition",
               "Condition of a feature where it contains the minimum amount of material within "
               "a stated limit of size.",
               "least-material"),
        symbol("Projected tolerance zone",
               "A projected zone of tolerance above the surface of the feature to the "
               "functional length of the mating part.",
               "projected-zone"),
        symbol("Number of times / places",
               "Information indicating a multiple times or places of features.",
               "number-of-places"),
        symbol("Reference dimension", "A dimension used for informational purposes.",
               "reference-dimension"),
        symbol("Basic dimension", "A theoretical exact value used to describe a feature.",
               "basic-dimension"),
        symbol("Target point", "Information defining  a point.", "target-point"),
        symbol("Datum target", "Information defining a datum target.", "datum-target"),
        symbol("Datum feature", "Information defining a datum feature.", "datum-feature"),
        symbol("Feature control frame",
               "Rectangular box containing geometry characteristics and datum references of a "
               "feature.",
               "feature-control-frame"),
    }};
    return table;
}

} // namespace GdtSymbols
