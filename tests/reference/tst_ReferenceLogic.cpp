#include "reference/AngleConversion.h"
#include "reference/ClockFace.h"
#include "reference/InchMillimetre.h"
#include "reference/SizeComparison.h"

#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTest>

using AngleConversion::Mode;
using InchMillimetre::Direction;

namespace {

// The seven boxes in the window's order, blank-separated, "_" for an empty box: degrees,
// minutes, seconds; hours, minutes, seconds; decimal degrees.
QStringList texts(const QString& boxes)
{
    QStringList list = boxes.split(QLatin1Char(' '));
    list.replaceInStrings(QRegularExpression(QStringLiteral("^_$")), QString());
    return list;
}

} // namespace

// The rules of the reference window's logic: the angle converter from the boxes as typed
// to the boxes as shown, the angular error, inch/mm, the size comparison's scale, the
// clock face's sweep.
class tst_ReferenceLogic : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void calculate_data()
    {
        QTest::addColumn<Mode>("mode");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<float>("sweep"); // -1: no sweep

        const auto row = [](const char* name, Mode mode, const char* typed, const char* shown,
                            float sweep) {
            QTest::newRow(name) << mode << typed << shown << sweep;
        };
        const auto dms = Mode::DegreesMinutesSeconds;
        row("dms: under a full turn", dms, "300 59 59 _ _ _ _", "300 59 59 10 1 59.9664 300.999722",
            300.999722f);
        row("dms: a minute past a turn", dms, "360 1 0 _ _ _ _", "360 1 0 _ _ _ _", -1);
        row("dms: only seconds", dms, "_ _ 30 _ _ _ _", "0 0 30 0 0 0.99996 0.008333", 0.008333f);
        row("dms: whole degrees", dms, "45.6 _ _ _ _ _ _", "46 0 0 1 31 59.99988 46.0", 46);
        row("dms: beyond 16 bits", dms, "40000 _ x _ _ _ _", "40000 0 0 _ _ _ _", -1);
        row("dms: nothing numeric", dms, "_ abc _ _ _ _ _", "_ abc _ _ _ _ _", -1);
        row("dms: zero", dms, "0 _ _ _ _ _ _", "0 0 0 12 0 0 0", -1);
        const auto clock = Mode::ClockTime;
        row("clock: 12 o'clock", clock, "_ _ _ 12 0 0 _", "360 0 0.0 12 0 0 360.0", 360);
        row("clock: a second past 12", clock, "_ _ _ 12 0 1 _", "_ _ _ 12 0 1 _", -1);
        row("clock: half past one", clock, "_ _ _ 1 30 0 _", "45 0 0.0 1 30 0 45.0", 45);
        row("clock: only seconds", clock, "_ _ _ _ _ 30 _", "0 15 0.0 0 0 30 0.25", 0.25f);
        const auto dd = Mode::DecimalDegrees;
        row("decimal: zero", dd, "_ _ _ _ _ _ 0", "0 0 0 12 0 0 0", -1);
        row("decimal: past a full turn", dd, "_ _ _ _ _ _ 360.5", "_ _ _ _ _ _ 360.5", -1);
        row("decimal: clock from the shortest single", dd, "_ _ _ _ _ _ 45.75",
            "45 45 0.0 1 31 30.0 45.75", 45.75f);
        row("decimal: 60 seconds carry into the minutes", dd, "_ _ _ _ _ _ 0.016666666",
            "0 1 0.0 0 0 2.0 0.016666666", 0.016666666f);
    }

    void calculate()
    {
        QFETCH(Mode, mode);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(float, sweep);

        std::optional<float> target;
        QCOMPARE(calculated(typed, mode, target), texts(shown));
        QCOMPARE(target.value_or(-1.0f), sweep);
    }

    void oneFigure_data()
    {
        QTest::addColumn<QString>("converter"); // angle: distance|error; mm or in: a length
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("result"); // empty: the result stays as it was

        const auto row = [](const char* name, const char* converter, const char* typed,
                            const char* result) {
            QTest::newRow(name) << converter << typed << result;
        };
        row("angle: equal legs", "angle", "10|10", "45.0");
        row("angle: no distance", "angle", "0|1", "90.0");
        row("angle: no error, the limit", "angle", "1|0", "0.0");
        row("angle: neither", "angle", "0|0", "");
        row("angle: negative distance", "angle", "-1|1", "");
        row("an inch", "mm", "1", "25.4");
        row("a millimetre: seven decimals", "in", "1", "0.0393701");
        row("beyond the range of a number", "mm", "1e308", "");
    }

    void oneFigure()
    {
        QFETCH(QString, converter);
        QFETCH(QString, typed);
        QFETCH(QString, result);
        const auto figure =
            converter == QLatin1String("angle")
                ? AngleConversion::angularErrorText(typed.section('|', 0, 0), typed.section('|', 1))
                : InchMillimetre::resultText(typed, converter == QLatin1String("mm")
                                                        ? Direction::InchToMillimetre
                                                        : Direction::MillimetreToInch);
        QCOMPARE(figure.value_or(QString()), result);
    }

    // The radii as fractions of the drawing's height: the largest size drawn fills it.
    void sizeRadii()
    {
        for (const auto& [selected, fractions] :
             {std::pair{SizeComparison::Selection{true, true, true, true, true, true},
                        QList<float>{0.45f, 0.045f, 0.0045f, 0.177165f, 0.0177165f, 0.00177165f}},
              {SizeComparison::Selection{false, false, false, true, false, false},
               QList<float>{0, 0, 0, 0.45f, 0, 0}}}) {
            const float height = 5355;
            const SizeComparison::Radii radii = SizeComparison::radii(selected, height);
            for (int i = 0; i < SizeComparison::sizeCount; ++i) {
                QCOMPARE(radii[i].has_value(), fractions[i] > 0);
                if (radii[i])
                    QVERIFY(qAbs(*radii[i] / height - fractions[i]) < 1e-5f);
            }
        }
    }

    // One line a whole degree from 1 up to the target, at least the first.
    void sweep()
    {
        for (const auto& [target, lines] :
             {std::pair{90.0f, 90}, {360.0f, 360}, {0.25f, 1}, {45.75f, 45}}) {
            QImage dial(100, 100, QImage::Format_ARGB32);
            QPainter painter(&dial);
            ClockFace clock;
            clock.placeOn(QSizeF(1500, 1500));
            clock.startSweep(target);
            int drawn = 1;
            while (clock.drawSweepLine(painter) && drawn <= 400)
                ++drawn;
            QCOMPARE(drawn, lines);
        }
    }

private:
    static QStringList calculated(const QString& typed, Mode mode, std::optional<float>& sweep);
};

QStringList tst_ReferenceLogic::calculated(const QString& typed, Mode mode,
                                           std::optional<float>& sweep)
{
    const QStringList in = texts(typed);
    AngleConversion::Boxes boxes{in[0], in[1], in[2], in[3], in[4], in[5], in[6]};
    sweep = AngleConversion::calculate(boxes, mode);
    return {boxes.degD, boxes.degM, boxes.degS, boxes.caH, boxes.caM, boxes.caS, boxes.dd};
}

QTEST_MAIN(tst_ReferenceLogic)
#include "tst_ReferenceLogic.moc"
