#include "frame/FrameLayout.h"

#include <QTest>

using FrameLayout::compute;
using FrameLayout::Input;

namespace {
// The temperature window's panel.
constexpr float panelWidth = 10575;
constexpr float panelHeight = 6975;

Input client(float width, float height)
{
    return Input{width, height, panelWidth, panelHeight};
}
} // namespace

class tst_FrameLayout : public QObject
{
    Q_OBJECT

private slots:
    void centredWithoutBarsWhenItFits();
    void exactWidthShowsABarWithMaxZero();
    void narrowerButTaller();
    void shorterButWider();
    void shortClientAreaUsesTheFallbackHeight();
    void barStepsFollowThePanel_data();
    void barStepsFollowThePanel();
    void hugePanelHoldsTheBarRange();
    void noRoomForTheHorizontalBarHidesIt();
};

void tst_FrameLayout::centredWithoutBarsWhenItFits()
{
    const auto layout = compute(client(15000, 9000));
    QCOMPARE(layout.pictureLeft, 2212.5f);
    QCOMPARE(layout.pictureTop, 1012.5f);
    QVERIFY(!layout.horizontal.visible);
    QVERIFY(!layout.vertical.visible);
    QVERIFY(!layout.cornerVisible);
}

void tst_FrameLayout::exactWidthShowsABarWithMaxZero()
{
    const auto layout = compute(client(panelWidth, 9000));
    QCOMPARE(layout.pictureLeft, 0.0f);
    QVERIFY(layout.horizontal.visible);
    QCOMPARE(layout.horizontal.maximum, qint16(0));
    QCOMPARE(layout.horizontal.offset, 9000.0f - 255);
    QCOMPARE(layout.horizontal.length, panelWidth - 255);
    QVERIFY(layout.cornerVisible);
}

void tst_FrameLayout::narrowerButTaller()
{
    const auto layout = compute(client(8000, 9000));
    QCOMPARE(layout.pictureLeft, 0.0f);
    QCOMPARE(layout.pictureTop, 1012.5f);
    QVERIFY(layout.horizontal.visible);
    QCOMPARE(layout.horizontal.maximum, qint16(2575));
    QVERIFY(!layout.vertical.visible);
    QVERIFY(layout.cornerVisible);
    QCOMPARE(layout.cornerLeft, 8000.0f - 255);
    QCOMPARE(layout.cornerTop, 9000.0f - 255);
}

void tst_FrameLayout::shorterButWider()
{
    const auto layout = compute(client(12000, 5000));
    QCOMPARE(layout.pictureLeft, 712.5f);
    QCOMPARE(layout.pictureTop, 0.0f);
    QVERIFY(!layout.horizontal.visible);
    QVERIFY(layout.vertical.visible);
    QCOMPARE(layout.vertical.offset, 12000.0f - 255);
    QCOMPARE(layout.vertical.length, 5000.0f - 255);
    QCOMPARE(layout.vertical.maximum, qint16(1975));
}

void tst_FrameLayout::shortClientAreaUsesTheFallbackHeight()
{
    QCOMPARE(compute(client(12000, 255)).vertical.length, 225.0f);
    QCOMPARE(compute(client(12000, 200)).vertical.length, 225.0f);
    QCOMPARE(compute(client(12000, 256)).vertical.length, 1.0f);
}

void tst_FrameLayout::barStepsFollowThePanel_data()
{
    QTest::addColumn<float>("extent");
    QTest::addColumn<qint16>("largeChange");
    QTest::addColumn<qint16>("smallChange");

    QTest::newRow("temperature panel") << 10575.0f << qint16(1058) << qint16(106);
    QTest::newRow("half goes to even, down") << 250.0f << qint16(25) << qint16(2);
    QTest::newRow("half goes to even, up") << 350.0f << qint16(35) << qint16(4);
    QTest::newRow("large step half to even") << 1025.0f << qint16(102) << qint16(10);
}

void tst_FrameLayout::barStepsFollowThePanel()
{
    QFETCH(float, extent);
    QFETCH(qint16, largeChange);
    QFETCH(qint16, smallChange);
    const auto layout = compute(Input{100, 100, extent, extent});
    QCOMPARE(layout.horizontal.largeChange, largeChange);
    QCOMPARE(layout.horizontal.smallChange, smallChange);
    QCOMPARE(layout.vertical.largeChange, largeChange);
    QCOMPARE(layout.vertical.smallChange, smallChange);
}

void tst_FrameLayout::hugePanelHoldsTheBarRange()
{
    const auto layout = compute(Input{1000, 1000, 60000, 500});
    QCOMPARE(layout.horizontal.maximum, qint16(32767));
}

void tst_FrameLayout::noRoomForTheHorizontalBarHidesIt()
{
    const auto layout = compute(client(255, 9000));
    QVERIFY(!layout.horizontal.visible);
    QCOMPARE(layout.pictureLeft, 0.0f);
    QVERIFY(!layout.cornerVisible);
}

QTEST_GUILESS_MAIN(tst_FrameLayout)
#include "tst_FrameLayout.moc"
