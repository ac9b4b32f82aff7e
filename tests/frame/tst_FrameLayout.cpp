#include "frame/FrameLayout.h"

#include <QPoint>
#include <QTest>

namespace {
// What a row expects of a scroll bar; offset, length, maximum and value only when shown.
struct Bar
{
    bool visible = false;
    float offset = 0;
    float length = 0;
    qint16 maximum = 0;
    qint16 value = 0;
};
const Bar hidden;
} // namespace

// The frame's arithmetic in twips: where the panel goes and which bars show.
class tst_FrameLayout : public QObject
{
    Q_OBJECT

private slots:
    void layout_data();
    void layout();
    void barSteps_data();
    void barSteps();
};

void tst_FrameLayout::layout_data()
{
    QTest::addColumn<QSizeF>("client");
    QTest::addColumn<QSizeF>("panel");
    QTest::addColumn<QPoint>("values"); // the bars' values before the resize
    QTest::addColumn<QPointF>("panelAt");
    QTest::addColumn<Bar>("horizontal");
    QTest::addColumn<Bar>("vertical");

    const QSizeF temperature(10575, 6975);
    QTest::newRow("fits: centred, no bars") << QSizeF(15000, 9000) << temperature << QPoint()
                                            << QPointF(2212.5, 1012.5) << hidden << hidden;
    QTest::newRow("exactly as wide: a bar with maximum 0")
        << QSizeF(10575, 9000) << temperature << QPoint() << QPointF(0, 1012.5)
        << Bar{true, 8745, 10320, 0, 0} << hidden;
    QTest::newRow("narrower, scrolled past the new end")
        << QSizeF(8000, 9000) << temperature << QPoint(3000, 0) << QPointF(-2575, 1012.5)
        << Bar{true, 8745, 7745, 2575, 2575} << hidden;
    QTest::newRow("shorter") << QSizeF(12000, 5000) << temperature << QPoint(0, 500)
                             << QPointF(712.5, -500) << hidden << Bar{true, 11745, 4745, 1975, 500};
    QTest::newRow("no higher than a bar: 225 high")
        << QSizeF(12000, 255) << temperature << QPoint() << QPointF(712.5, 0) << hidden
        << Bar{true, 11745, 225, 6720, 0};
    QTest::newRow("one twip higher") << QSizeF(12000, 256) << temperature << QPoint()
                                     << QPointF(712.5, 0) << hidden << Bar{true, 11745, 1, 6719, 0};
    QTest::newRow("no wider than a bar: no bar of no width")
        << QSizeF(255, 9000) << temperature << QPoint() << QPointF(0, 1012.5) << hidden << hidden;
    QTest::newRow("beyond 16 bits: the range is held")
        << QSizeF(1000, 1000) << QSizeF(60000, 500) << QPoint() << QPointF(0, 250)
        << Bar{true, 745, 745, 32767, 0} << hidden;
}

void tst_FrameLayout::layout()
{
    QFETCH(QSizeF, client);
    QFETCH(QSizeF, panel);
    QFETCH(QPoint, values);
    QFETCH(QPointF, panelAt);
    QFETCH(Bar, horizontal);
    QFETCH(Bar, vertical);
    const FrameLayout::Result result =
        FrameLayout::compute({float(client.width()), float(client.height()), float(panel.width()),
                              float(panel.height()), qint16(values.x()), qint16(values.y())});
    QCOMPARE(QPointF(result.pictureLeft, result.pictureTop), panelAt);
    const QList<std::pair<FrameLayout::ScrollBar, Bar>> bars{{result.horizontal, horizontal},
                                                             {result.vertical, vertical}};
    for (const auto& [actual, expected] : bars) {
        QCOMPARE(actual.visible, expected.visible);
        if (!expected.visible)
            continue;
        QCOMPARE(actual.offset, expected.offset);
        QCOMPARE(actual.length, expected.length);
        QCOMPARE(actual.maximum, expected.maximum);
        QCOMPARE(actual.value, expected.value);
    }
    QCOMPARE(result.cornerVisible, horizontal.visible || vertical.visible);
    if (result.cornerVisible)
        QCOMPARE(QPointF(result.cornerLeft, result.cornerTop),
                 QPointF(client.width() - 255, client.height() - 255));
}

void tst_FrameLayout::barSteps_data()
{
    QTest::addColumn<float>("extent");
    QTest::addColumn<qint16>("largeChange");
    QTest::addColumn<qint16>("smallChange");

    QTest::newRow("temperature panel") << 10575.0f << qint16(1058) << qint16(106);
    QTest::newRow("half goes to even, down") << 250.0f << qint16(25) << qint16(2);
    QTest::newRow("half goes to even, up") << 350.0f << qint16(35) << qint16(4);
    QTest::newRow("large step half to even") << 1025.0f << qint16(102) << qint16(10);
}

void tst_FrameLayout::barSteps()
{
    QFETCH(float, extent);
    QFETCH(qint16, largeChange);
    QFETCH(qint16, smallChange);
    const auto layout = FrameLayout::compute({100, 100, extent, extent, 0, 0});
    for (const FrameLayout::ScrollBar& bar : {layout.horizontal, layout.vertical}) {
        QCOMPARE(bar.largeChange, largeChange);
        QCOMPARE(bar.smallChange, smallChange);
    }
}

QTEST_GUILESS_MAIN(tst_FrameLayout)
#include "tst_FrameLayout.moc"
