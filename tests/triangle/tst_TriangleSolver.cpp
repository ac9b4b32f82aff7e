#include "triangle/TriangleSolver.h"

#include <QTest>

namespace {

// The boxes a, b, c, A, B as blank-separated texts, "_" for an empty box.
TriangleBoxes boxes(const QString& texts)
{
    QStringList box = texts.split(QLatin1Char(' '));
    box.replaceInStrings(QStringLiteral("_"), QString());
    return {box[0], box[1], box[2], box[3], box[4]};
}

QString texts(const TriangleBoxes& boxes)
{
    QStringList box{boxes.sideA, boxes.sideB, boxes.sideC, boxes.angleA, boxes.angleB};
    for (QString& text : box)
        text = text.isEmpty() ? QStringLiteral("_") : text;
    return box.join(QLatin1Char(' '));
}

constexpr int noCase = -1;

} // namespace

// The solver from the texts of the five boxes to the texts written back, and the case
// whose formulas are shown.
class tst_TriangleSolver : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void solve_data()
    {
        QTest::addColumn<QString>("entered");
        QTest::addColumn<QString>("written");
        QTest::addColumn<int>("usedCase");
        const auto row = [](const char* name, const char* entered, const QString& written,
                            int usedCase) {
            QTest::newRow(name) << entered << written << usedCase;
        };
        const QString triangle345 = "3.0 4.0 5.0 36.86989765 53.13010235";
        using enum TriangleCase;

        // Each case on its own, in the order they are tried.
        row("1: a and b", "3 4 _ _ _", triangle345, int(SidesAB));
        row("2: a and c", "3 _ 5 _ _", triangle345, int(SidesAC));
        row("3: b and c", "_ 4 5 _ _", triangle345, int(SidesBC));
        row("4: c and B", "_ _ 10 _ 30", "8.66025404 5.0 10.0 60.0 30.0", int(SideCAngleB));
        row("5: c and A", "_ _ 10 30 _", "5.0 8.66025404 10.0 30.0 60.0", int(SideCAngleA));
        row("6: b and B", "_ 5 _ _ 30", "8.66025404 5.0 10.0 60.0 30.0", int(SideBAngleB));
        row("7: b and A", "_ 10 _ 30 _", "5.77350269 10.0 11.54700538 30.0 60.0", int(SideBAngleA));
        row("8: a and B", "10 _ _ _ 60", "10.0 17.32050808 20.0 30.0 60.0", int(SideAAngleB));
        row("9: a and A", "10 _ _ 30 _", "10.0 17.32050808 20.0 30.0 60.0", int(SideAAngleA));

        // Which case wins, and what happens when none can run.
        row("all five filled: case 1 recomputes c, A, B", "2.5 6 99 1 2",
            "2.5 6.0 6.5 22.61986495 67.38013505", int(SidesAB));
        row("zero a falls through to case 3", "0 4 5 _ _", triangle345, int(SidesBC));
        row("text in an unknown box is overwritten", "3 4 long _ x", triangle345, int(SidesAB));
        row("one box only: nothing changes", "3 _ _ _ _", "3 _ _ _ _", noCase);
        row("a zero angle does not count", "_ _ 10 0 _", "_ _ 10 0 _", noCase);

        // Legs not shorter than the hypotenuse: nothing computed, the boxes still reformatted.
        row("a equal to c", "5 _ 5 _ _", "5.0 _ 5.0 _ _", noCase);
        row("a longer than c keeps other text", "6 note 5 _ _", "6.0 note 5.0 _ _", noCase);
        row("b equal to c", "_ 5 5 _ _", "_ 5.0 5.0 _ _", noCase);

        // Angles are used as entered, even at 90 degrees or more; pi is 3.14159265358979, so
        // cos 90 degrees is 1.6e-15, not 6.1e-17.
        row("A of 120 degrees", "_ _ 10 120 _", "8.66025404 -5.0 10.0 120.0 -30.0",
            int(SideCAngleA));
        row("pi is the fifteen-digit literal", "_ _ 1e10 90 _",
            "10000000000.0 0.00001616 10000000000.0 90.0 0.0", int(SideCAngleA));

        // A case whose arithmetic leaves the range of a double writes nothing.
        row("square of a beyond a double", "1e200 1 _ _ _",
            "1" + QString(200, QLatin1Char('0')) + ".0 1.0 _ _ _", noCase);
        row("quotient beyond a double", "_ 1e300 _ _ 1e-300",
            "_ 1" + QString(300, QLatin1Char('0')) + ".0 _ _ 0.0", noCase);
    }

    void solve()
    {
        QFETCH(QString, entered);
        QFETCH(QString, written);
        QFETCH(int, usedCase);
        const TriangleSolution solution = TriangleSolver().solve(boxes(entered));
        QCOMPARE(texts(solution.boxes), written);
        QCOMPARE(solution.usedCase ? int(*solution.usedCase) : noCase, usedCase);
    }
};

QTEST_GUILESS_MAIN(tst_TriangleSolver)
#include "tst_TriangleSolver.moc"
