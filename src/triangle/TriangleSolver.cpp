#include "triangle/TriangleSolver.h"

#include "common/NumberText.h"

#include <cmath>

namespace {

// Degrees and radians are converted with pi as this fifteen-digit literal, so results
// agree digit for digit with the figures users check them against.
constexpr double pi = 3.14159265358979;

double toRadians(double degrees)
{
    return degrees * (pi / 180);
}

double toDegrees(double radians)
{
    return radians * (180 / pi);
}

double arcsine(double x)
{
    return std::atan(x / std::sqrt(-x * x + 1));
}

const QString resultPattern = QStringLiteral("####0.0#######");

} // namespace

// The boxes as a case works on them: every value is written as plain text at once and
// read back from that text by the later steps. A value that is not finite (squares or
// quotients beyond the range of a double) spoils the whole case, which then writes
// nothing rather than an infinite or not-a-number text.
class TriangleSolver::Work
{
public:
    Work(const TriangleBoxes& boxes, const QLocale& locale) : m_boxes(boxes), m_locale(locale) {}

    double operator[](Box box) const
    {
        return NumberText::toDouble(m_boxes.*box, m_locale).value_or(std::nan(""));
    }

    void write(Box box, double value)
    {
        if (!std::isfinite(value)) {
            m_overflow = true;
            return;
        }
        m_boxes.*box = NumberText::plainText(value, m_locale);
    }

    bool succeeded() const { return !m_overflow; }
    const TriangleBoxes& boxes() const { return m_boxes; }

private:
    TriangleBoxes m_boxes;
    const QLocale& m_locale;
    bool m_overflow = false;
};

TriangleSolver::TriangleSolver(const QLocale& locale) : m_locale(locale) {}

TriangleSolution TriangleSolver::solve(const TriangleBoxes& boxes) const
{
    struct Case {
        TriangleCase id;
        Box first;
        Box second;
        bool (*run)(Work&);
    };
    static const Case cases[] = {
        {TriangleCase::SidesAB, &TriangleBoxes::sideA, &TriangleBoxes::sideB, &SolveSidesAB},
        {TriangleCase::SidesAC, &TriangleBoxes::sideA, &TriangleBoxes::sideC, &SolveSidesAC},
        {TriangleCase::SidesBC, &TriangleBoxes::sideB, &TriangleBoxes::sideC, &SolveSidesBC},
        {TriangleCase::SideCAngleB, &TriangleBoxes::sideC, &TriangleBoxes::angleB, &SolveSideCAngleB},
        {TriangleCase::SideCAngleA, &TriangleBoxes::sideC, &TriangleBoxes::angleA, &SolveSideCAngleA},
        {TriangleCase::SideBAngleB, &TriangleBoxes::sideB, &TriangleBoxes::angleB, &SolveSideBAngleB},
        {TriangleCase::SideBAngleA, &TriangleBoxes::sideB, &TriangleBoxes::angleA, &SolveSideBAngleA},
        {TriangleCase::SideAAngleB, &TriangleBoxes::sideA, &TriangleBoxes::angleB, &SolveSideAAngleB},
        {TriangleCase::SideAAngleA, &TriangleBoxes::sideA, &TriangleBoxes::angleA, &SolveSideAAngleA},
    };

    for (const Case& candidate : cases) {
        if (!positiveValue(boxes.*candidate.first) || !positiveValue(boxes.*candidate.second))
            continue;
        TriangleSolution solution{boxes, std::nullopt};
        Work work(boxes, m_locale);
        if (candidate.run(work) && work.succeeded()) {
            solution.boxes = work.boxes();
            solution.usedCase = candidate.id;
        }
        for (Box box : {&TriangleBoxes::sideA, &TriangleBoxes::sideB, &TriangleBoxes::sideC,
                        &TriangleBoxes::angleA, &TriangleBoxes::angleB})
            reformat(solution.boxes.*box);
        return solution;
    }
    return {boxes, std::nullopt};
}

std::optional<double> TriangleSolver::positiveValue(const QString& text) const
{
    const auto value = NumberText::toDouble(text, m_locale);
    if (!value || *value <= 0)
        return std::nullopt;
    return value;
}

void TriangleSolver::reformat(QString& text) const
{
    if (const auto value = NumberText::toDouble(text, m_locale))
        text = NumberText::formatNumber(*value, resultPattern, m_locale);
}

bool TriangleSolver::SolveSidesAB(Work& work)
{
    const double a = work[&TriangleBoxes::sideA];
    const double b = work[&TriangleBoxes::sideB];
    work.write(&TriangleBoxes::sideC, std::sqrt(a * a + b * b));
    work.write(&TriangleBoxes::angleA, toDegrees(std::atan(a / b)));
    work.write(&TriangleBoxes::angleB, 90 - work[&TriangleBoxes::angleA]);
    return true;
}

bool TriangleSolver::SolveSidesAC(Work& work)
{
    const double a = work[&TriangleBoxes::sideA];
    const double c = work[&TriangleBoxes::sideC];
    const double ratio = a / c;
    if (!(ratio < 1))
        return false;
    work.write(&TriangleBoxes::sideB, std::sqrt(c * c - a * a));
    work.write(&TriangleBoxes::angleA, toDegrees(arcsine(ratio)));
    work.write(&TriangleBoxes::angleB, 90 - work[&TriangleBoxes::angleA]);
    return true;
}

bool TriangleSolver::SolveSidesBC(Work& work)
{
    const double b = work[&TriangleBoxes::sideB];
    const double c = work[&TriangleBoxes::sideC];
    const double ratio = b / c;
    if (!(ratio < 1))
        return false;
    work.write(&TriangleBoxes::sideA, std::sqrt(c * c - b * b));
    work.write(&TriangleBoxes::angleB, toDegrees(arcsine(ratio)));
    work.write(&TriangleBoxes::angleA, 90 - work[&TriangleBoxes::angleB]);
    return true;
}

bool TriangleSolver::SolveSideCAngleB(Work& work)
{
    const double c = work[&TriangleBoxes::sideC];
    const double angleB = toRadians(work[&TriangleBoxes::angleB]);
    work.write(&TriangleBoxes::sideB, c * std::sin(angleB));
    work.write(&TriangleBoxes::sideA, c * std::cos(angleB));
    work.write(&TriangleBoxes::angleA, 90 - work[&TriangleBoxes::angleB]);
    return true;
}

bool TriangleSolver::SolveSideCAngleA(Work& work)
{
    const double c = work[&TriangleBoxes::sideC];
    const double angleA = toRadians(work[&TriangleBoxes::angleA]);
    work.write(&TriangleBoxes::sideB, c * std::cos(angleA));
    work.write(&TriangleBoxes::sideA, c * std::sin(angleA));
    work.write(&TriangleBoxes::angleB, 90 - work[&TriangleBoxes::angleA]);
    return true;
}

bool TriangleSolver::SolveSideBAngleB(Work& work)
{
    const double b = work[&TriangleBoxes::sideB];
    const double angleB = toRadians(work[&TriangleBoxes::angleB]);
    work.write(&TriangleBoxes::sideC, b / std::sin(angleB));
    work.write(&TriangleBoxes::sideA, b * (1 / std::tan(angleB)));
    work.write(&TriangleBoxes::angleA, 90 - work[&TriangleBoxes::angleB]);
    return true;
}

bool TriangleSolver::SolveSideBAngleA(Work& work)
{
    const double b = work[&TriangleBoxes::sideB];
    const double angleA = toRadians(work[&TriangleBoxes::angleA]);
    work.write(&TriangleBoxes::sideC, b / std::cos(angleA));
    work.write(&TriangleBoxes::sideA, b * std::tan(angleA));
    work.write(&TriangleBoxes::angleB, 90 - work[&TriangleBoxes::angleA]);
    return true;
}

bool TriangleSolver::SolveSideAAngleB(Work& work)
{
    const double a = work[&TriangleBoxes::sideA];
    const double angleB = toRadians(work[&TriangleBoxes::angleB]);
    work.write(&TriangleBoxes::sideC, a / std::cos(angleB));
    work.write(&TriangleBoxes::sideB, a * std::tan(angleB));
    work.write(&TriangleBoxes::angleA, 90 - work[&TriangleBoxes::angleB]);
    return true;
}

bool TriangleSolver::SolveSideAAngleA(Work& work)
{
    const double a = work[&TriangleBoxes::sideA];
    const double angleA = toRadians(work[&TriangleBoxes::angleA]);
    work.write(&TriangleBoxes::sideC, a / std::sin(angleA));
    work.write(&TriangleBoxes::sideB, a * (1 / std::tan(angleA)));
    work.write(&TriangleBoxes::angleB, 90 - work[&TriangleBoxes::angleA]);
    return true;
}
