#include "triangle/TriangleSolver.h"

#include <QTest>

Q_DECLARE_METATYPE(TriangleBoxes)

namespace {

// Boxes in the order a, b, c, A, B.
TriangleBoxes boxes(const char* a, const char* b, const char* c, const char* angleA,
                    const char* angleB)
{
    return {QString::fromLatin1(a), QString::fromLatin1(b), QString::fromLatin1(c),
            QString::fromLatin1(angleA), QString::fromLatin1(angleB)};
}

QString hugeNumber(int zeros)
{
    return QLatin1Char('1') + QString(zeros, QLatin1Char('0')) + QStringLiteral(".0");
}

constexpr int noCase = -1;

} // namespace

class tst_TriangleSolver : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void solve_data();
    void solve();
    void readsAndWritesTheUserNumberFormat();
};

void tst_TriangleSolver::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void tst_TriangleSolver::solve_data()
{
    QTest::addColumn<TriangleBoxes>("entered");
    QTest::addColumn<TriangleBoxes>("expected");
    QTest::addColumn<int>("usedCase");

    // Each case on its own, in the order they are tried.
    QTest::newRow("1: a and b") << boxes("3", "4", "", "", "")
                                << boxes("3.0", "4.0", "5.0", "36.86989765", "53.13010235")
                                << int(TriangleCase::SidesAB);
    QTest::newRow("2: a and c") << boxes("3", "", "5", "", "")
                                << boxes("3.0", "4.0", "5.0", "36.86989765", "53.13010235")
                                << int(TriangleCase::SidesAC);
    QTest::newRow("3: b and c") << boxes("", "4", "5", "", "")
                                << boxes("3.0", "4.0", "5.0", "36.86989765", "53.13010235")
                                << int(TriangleCase::SidesBC);
    QTest::newRow("4: c and B") << boxes("", "", "10", "", "30")
                                << boxes("8.66025404", "5.0", "10.0", "60.0", "30.0")
                                << int(TriangleCase::SideCAngleB);
    QTest::newRow("5: c and A") << boxes("", "", "10", "30", "")
                                << boxes("5.0", "8.66025404", "10.0", "30.0", "60.0")
                                << int(TriangleCase::SideCAngleA);
    QTest::newRow("6: b and B") << boxes("", "5", "", "", "30")
                                << boxes("8.66025404", "5.0", "10.0", "60.0", "30.0")
                                << int(TriangleCase::SideBAngleB);
    QTest::newRow("7: b and A") << boxes("", "10", "", "30", "")
                                << boxes("5.77350269", "10.0", "11.54700538", "30.0", "60.0")
                                << int(TriangleCase::SideBAngleA);
    QTest::newRow("8: a and B") << boxes("10", "", "", "", "60")
                                << boxes("10.0", "17.32050808", "20.0", "30.0", "60.0")
                                << int(TriangleCase::SideAAngleB);
    QTest::newRow("9: a and A") << boxes("10", "", "", "30", "")
                                << boxes("10.0", "17.32050808", "20.0", "30.0", "60.0")
                                << int(TriangleCase::SideAAngleA);

    // Which case wins, and what happens when none can run.
    QTest::newRow("all five filled: case 1 recomputes c, A, B")
        << boxes("2.5", "6", "99", "1", "2")
        << boxes("2.5", "6.0", "6.5", "22.61986495", "67.38013505") << int(TriangleCase::SidesAB);
    QTest::newRow("zero a falls through to case 3")
        << boxes("0", "4", "5", "", "") << boxes("3.0", "4.0", "5.0", "36.86989765", "53.13010235")
        << int(TriangleCase::SidesBC);
    QTest::newRow("negative a falls through to case 3")
        << boxes("-3", "4", "5", "", "") << boxes("3.0", "4.0", "5.0", "36.86989765", "53.13010235")
        << int(TriangleCase::SidesBC);
    QTest::newRow("text in an unknown box is overwritten")
        << boxes("3", "4", "long", "", "x")
        << boxes("3.0", "4.0", "5.0", "36.86989765", "53.13010235") << int(TriangleCase::SidesAB);
    QTest::newRow("one box only: nothing changes")
        << boxes("3", "", "", "", "") << boxes("3", "", "", "", "") << noCase;
    QTest::newRow("a zero angle does not count")
        << boxes("", "", "10", "0", "") << boxes("", "", "10", "0", "") << noCase;

    // Legs not shorter than the hypotenuse: the case runs but computes nothing, and the
    // boxes are still reformatted.
    QTest::newRow("a equal to c") << boxes("5", "", "5", "", "") << boxes("5.0", "", "5.0", "", "")
                                  << noCase;
    QTest::newRow("a longer than c keeps other text")
        << boxes("6", "note", "5", "", "") << boxes("6.0", "note", "5.0", "", "") << noCase;
    QTest::newRow("b equal to c") << boxes("", "5", "5", "", "") << boxes("", "5.0", "5.0", "", "")
                                  << noCase;

    // Angles are used as entered, even at 90 degrees or more.
    QTest::newRow("A of 120 degrees")
        << boxes("", "", "10", "120", "") << boxes("8.66025404", "-5.0", "10.0", "120.0", "-30.0")
        << int(TriangleCase::SideCAngleA);
    // With pi taken as 3.14159265358979 cos 90 degrees is 1.6e-15, not 6.1e-17.
    QTest::newRow("pi is the fifteen-digit literal")
        << boxes("", "", "1e10", "90", "")
        << boxes("10000000000.0", "0.00001616", "10000000000.0", "90.0", "0.0")
        << int(TriangleCase::SideCAngleA);

    // A case whose arithmetic leaves the range of a double writes nothing.
    QTest::newRow("square of a beyond a double")
        << boxes("1e200", "1", "", "", "") << TriangleBoxes{hugeNumber(200), "1.0", "", "", ""}
        << noCase;
    QTest::newRow("quotient beyond a double")
        << boxes("", "1e300", "", "", "1e-300") << TriangleBoxes{"", hugeNumber(300), "", "", "0.0"}
        << noCase;

    QTest::newRow("results round at the eighth decimal")
        << boxes("1", "3", "", "", "")
        << boxes("1.0", "3.0", "3.16227766", "18.43494882", "71.56505118")
        << int(TriangleCase::SidesAB);
}

void tst_TriangleSolver::solve()
{
    QFETCH(TriangleBoxes, entered);
    QFETCH(TriangleBoxes, expected);
    QFETCH(int, usedCase);

    const TriangleSolution solution = TriangleSolver().solve(entered);
    const auto texts = [](const TriangleBoxes& boxes) {
        return QStringList{boxes.sideA, boxes.sideB, boxes.sideC, boxes.angleA, boxes.angleB};
    };
    QCOMPARE(texts(solution.boxes), texts(expected));
    QCOMPARE(solution.usedCase ? int(*solution.usedCase) : noCase, usedCase);
}

void tst_TriangleSolver::readsAndWritesTheUserNumberFormat()
{
    const TriangleSolver solver(QLocale(QLocale::German, QLocale::Germany));
    const TriangleSolution solution = solver.solve(boxes("3", "4", "", "", ""));
    QCOMPARE(solution.boxes, boxes("3,0", "4,0", "5,0", "36,86989765", "53,13010235"));

    // A point is not a decimal separator there: "1.5" is not a number, so only b and c count.
    const TriangleSolution pointText = solver.solve(boxes("1.5", "4", "5", "", ""));
    QCOMPARE(pointText.boxes, boxes("3,0", "4,0", "5,0", "36,86989765", "53,13010235"));
    QVERIFY(pointText.usedCase == TriangleCase::SidesBC);
}

QTEST_GUILESS_MAIN(tst_TriangleSolver)
#include "tst_TriangleSolver.moc"
