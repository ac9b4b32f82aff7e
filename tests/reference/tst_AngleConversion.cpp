#include "reference/AngleConversion.h"

#include <QTest>

using AngleConversion::Mode;

namespace {

// The seven boxes in the window's order: degrees, minutes, seconds; hours, minutes,
// seconds; decimal degrees.
AngleConversion::Boxes boxesOf(const QStringList& texts)
{
    return {texts[0], texts[1], texts[2], texts[3], texts[4], texts[5], texts[6]};
}

QStringList textsOf(const AngleConversion::Boxes& boxes)
{
    return {boxes.degD, boxes.degM, boxes.degS, boxes.caH, boxes.caM, boxes.caS, boxes.dd};
}

} // namespace

// Calculate of the angle converter, from the boxes as typed to the boxes as shown, and
// the angular error.
class tst_AngleConversion : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void calculate_data();
    void calculate();
    void readsAndWritesTheUserLocale();
    void angularError_data();
    void angularError();
};

void tst_AngleConversion::calculate_data()
{
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<float>("sweep"); // -1: no sweep

    const auto dms = Mode::DegreesMinutesSeconds;
    const auto clock = Mode::ClockTime;
    const auto dd = Mode::DecimalDegrees;
    const QStringList empty = {"", "", "", "", "", "", ""};

    QTest::newRow("dms: right angle is 3 o'clock")
        << dms << QStringList{"90", "0", "0", "", "", "", ""}
        << QStringList{"90", "0", "0", "3", "0", "0.0", "90.0"} << 90.0f;
    QTest::newRow("dms: just under a full turn")
        << dms << QStringList{"300", "59", "59", "", "", "", ""}
        << QStringList{"300", "59", "59", "10", "1", "59.9664", "300.999722"} << 300.999722f;
    QTest::newRow("dms: a minute past a full turn is refused")
        << dms << QStringList{"360", "1", "0", "", "", "", ""}
        << QStringList{"360", "1", "0", "", "", "", ""} << -1.0f;
    QTest::newRow("dms: only seconds fill the row with zeros")
        << dms << QStringList{"", "", "30", "", "", "", ""}
        << QStringList{"0", "0", "30", "0", "0", "0.99996", "0.008333"} << 0.008333f;
    QTest::newRow("dms: degrees are rounded to whole ones")
        << dms << QStringList{"45.6", "", "", "", "", "", ""}
        << QStringList{"46", "0", "0", "1", "31", "59.99988", "46.0"} << 46.0f;
    QTest::newRow("dms: beyond 16 bits is refused")
        << dms << QStringList{"40000", "", "x", "", "", "", ""}
        << QStringList{"40000", "0", "0", "", "", "", ""} << -1.0f;
    QTest::newRow("dms: nothing numeric changes nothing")
        << dms << QStringList{"", "abc", "", "", "", "", ""}
        << QStringList{"", "abc", "", "", "", "", ""} << -1.0f;
    QTest::newRow("dms: zero is 12 o'clock without a sweep")
        << dms << QStringList{"0", "", "", "", "", "", ""}
        << QStringList{"0", "0", "0", "12", "0", "0", "0"} << -1.0f;

    QTest::newRow("clock: 12 o'clock is a full turn")
        << clock << QStringList{"", "", "", "12", "0", "0", ""}
        << QStringList{"360", "0", "0.0", "12", "0", "0", "360.0"} << 360.0f;
    QTest::newRow("clock: a second past 12 is refused")
        << clock << QStringList{"", "", "", "12", "0", "1", ""}
        << QStringList{"", "", "", "12", "0", "1", ""} << -1.0f;
    QTest::newRow("clock: half past one")
        << clock << QStringList{"", "", "", "1", "30", "0", ""}
        << QStringList{"45", "0", "0.0", "1", "30", "0", "45.0"} << 45.0f;
    QTest::newRow("clock: only seconds")
        << clock << QStringList{"", "", "", "", "", "30", ""}
        << QStringList{"0", "15", "0.0", "0", "0", "30", "0.25"} << 0.25f;
    QTest::newRow("clock: zero without a sweep")
        << clock << QStringList{"", "", "", "0", "0", "0", ""}
        << QStringList{"0", "0", "0", "0", "0", "0", "0"} << -1.0f;

    QTest::newRow("decimal: zero") << dd << QStringList{"", "", "", "", "", "", "0"}
                                   << QStringList{"0", "0", "0", "12", "0", "0", "0"} << -1.0f;
    QTest::newRow("decimal: beyond a full turn is refused")
        << dd << QStringList{"", "", "", "", "", "", "360.5"}
        << QStringList{"", "", "", "", "", "", "360.5"} << -1.0f;
    QTest::newRow("decimal: negative is refused")
        << dd << QStringList{"", "", "", "", "", "", "-1"}
        << QStringList{"", "", "", "", "", "", "-1"} << -1.0f;
    QTest::newRow("decimal: empty is refused") << dd << empty << empty << -1.0f;
    QTest::newRow("decimal: three quarters of a degree")
        << dd << QStringList{"", "", "", "", "", "", "0.75"}
        << QStringList{"0", "45", "0.0", "0", "1", "30.0", "0.75"} << 0.75f;
    QTest::newRow("decimal: clock seconds from the shortest single")
        << dd << QStringList{"", "", "", "", "", "", "45.75"}
        << QStringList{"45", "45", "0.0", "1", "31", "30.0", "45.75"} << 45.75f;
    QTest::newRow("decimal: seconds that round to 60 carry into the minutes")
        << dd << QStringList{"", "", "", "", "", "", "0.016666666"}
        << QStringList{"0", "1", "0.0", "0", "0", "2.0", "0.016666666"} << 0.016666666f;
}

void tst_AngleConversion::calculate()
{
    QFETCH(Mode, mode);
    QFETCH(QStringList, typed);
    QFETCH(QStringList, shown);
    QFETCH(float, sweep);

    AngleConversion::Boxes boxes = boxesOf(typed);
    const auto target = AngleConversion::calculate(boxes, mode);
    QCOMPARE(textsOf(boxes), shown);
    QCOMPARE(target.value_or(-1.0f), sweep);
}

void tst_AngleConversion::readsAndWritesTheUserLocale()
{
    const QLocale german(QLocale::German, QLocale::Germany);
    AngleConversion::Boxes boxes = boxesOf({"", "", "", "", "", "", "45,75"});
    QCOMPARE(AngleConversion::calculate(boxes, Mode::DecimalDegrees, german), 45.75f);
    QCOMPARE(textsOf(boxes), (QStringList{"45", "45", "0,0", "1", "31", "30,0", "45,75"}));
}

void tst_AngleConversion::angularError_data()
{
    QTest::addColumn<QString>("distance");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("angle"); // empty: no angle

    QTest::newRow("equal legs") << "10"
                                << "10"
                                << "45.0";
    QTest::newRow("no distance") << "0"
                                 << "1"
                                 << "90.0";
    QTest::newRow("thirty degrees") << "1.7320508"
                                    << "1"
                                    << "30.0";
    QTest::newRow("no error: the limit") << "1"
                                         << "0"
                                         << "0.0";
    QTest::newRow("tiny error far out") << "1e30"
                                        << "1e-30"
                                        << "0.0";
    QTest::newRow("neither") << "0"
                             << "0"
                             << "";
    QTest::newRow("negative distance") << "-1"
                                       << "1"
                                       << "";
    QTest::newRow("negative error") << "1"
                                    << "-1"
                                    << "";
    QTest::newRow("empty error") << "1"
                                 << ""
                                 << "";
}

void tst_AngleConversion::angularError()
{
    QFETCH(QString, distance);
    QFETCH(QString, error);
    QFETCH(QString, angle);
    QCOMPARE(AngleConversion::angularErrorText(distance, error).value_or(QString()), angle);
}

QTEST_APPLESS_MAIN(tst_AngleConversion)
#include "tst_AngleConversion.moc"
