#pragma once

#include <QLocale>
#include <QString>

#include <optional>

// The five value boxes of the triangle window, as the text they hold.
struct TriangleBoxes {
    QString sideA;
    QString sideB;
    QString sideC; // the hypotenuse
    QString angleA; // degrees
    QString angleB; // degrees

    bool operator==(const TriangleBoxes&) const = default;
};

// The nine ways of solving a right triangle, in the order they are tried.
enum class TriangleCase {
    SidesAB,
    SidesAC,
    SidesBC,
    SideCAngleB,
    SideCAngleA,
    SideBAngleB,
    SideBAngleA,
    SideAAngleB,
    SideAAngleA,
};

struct TriangleSolution {
    TriangleBoxes boxes;
    // The case whose formulas produced the values; empty when nothing was computed
    // (no case applied, a leg not shorter than the hypotenuse, or an overflow).
    std::optional<TriangleCase> usedCase;
};

// Solves a right triangle (the right angle at C) from any two sides or one side and
// one angle, working on the box texts as the window holds them: the first of the nine
// cases whose two boxes hold positive numbers runs, each value it computes is written
// as plain text and read back by the steps after it, and the five boxes are then
// rewritten with "####0.0#######".
class TriangleSolver
{
public:
    explicit TriangleSolver(const QLocale& locale = QLocale());

    TriangleSolution solve(const TriangleBoxes& boxes) const;

private:
    using Box = QString TriangleBoxes::*;
    class Work;

    // Each case returns false when it writes nothing.
    static bool SolveSidesAB(Work& work);
    static bool SolveSidesAC(Work& work);
    static bool SolveSidesBC(Work& work);
    static bool SolveSideCAngleB(Work& work);
    static bool SolveSideCAngleA(Work& work);
    static bool SolveSideBAngleB(Work& work);
    static bool SolveSideBAngleA(Work& work);
    static bool SolveSideAAngleB(Work& work);
    static bool SolveSideAAngleA(Work& work);

    std::optional<double> positiveValue(const QString& text) const;
    void reformat(QString& text) const;

    QLocale m_locale;
};
