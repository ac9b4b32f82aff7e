#include "frame/CalculatorFrame.h"
#include "frame/FrameLayout.h"
#include "frame/ResultBox.h"

#include "TwipPlacement.h"
#include "common/Twips.h"

#include <QApplication>
#include <QLineEdit>
#include <QPoint>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

namespace {
// What a row expects of a scroll bar; the rest only when it is shown.
struct Bar
{
    bool visible = false;
    float offset = 0;
    float length = 0;
    qint16 maximum = 0;
    qint16 value = 0;
    qint16 largeChange = 0;
    qint16 smallChange = 0;
};
const Bar hidden;
} // namespace

// The calculator frame: its arithmetic in twips, the layout landing on real widgets (15
// twips to a pixel), the bars moving the panel, and the result boxes of the framed tools.
class tst_Frame : public QObject
{
    Q_OBJECT

private slots:
    void layout_data()
    {
        QTest::addColumn<QSizeF>("client");
        QTest::addColumn<QSizeF>("panel");
        QTest::addColumn<QPoint>("values"); // the bars' values before the resize
        QTest::addColumn<QPointF>("panelAt");
        QTest::addColumn<Bar>("horizontal");
        QTest::addColumn<Bar>("vertical");

        // A large step is a tenth of the panel, a small one a hundredth, halves to even.
        const QSizeF temperature(10575, 6975);
        QTest::newRow("fits: centred, no bars") << QSizeF(15000, 9000) << temperature << QPoint()
                                                << QPointF(2212.5, 1012.5) << hidden << hidden;
        QTest::newRow("exactly as wide: a bar with maximum 0")
            << QSizeF(10575, 9000) << temperature << QPoint() << QPointF(0, 1012.5)
            << Bar{true, 8745, 10320, 0, 0, 1058, 106} << hidden;
        QTest::newRow("narrower, scrolled past the new end")
            << QSizeF(8000, 9000) << temperature << QPoint(3000, 0) << QPointF(-2575, 1012.5)
            << Bar{true, 8745, 7745, 2575, 2575, 1058, 106} << hidden;
        QTest::newRow("shorter") << QSizeF(12000, 5000) << temperature << QPoint(0, 500)
                                 << QPointF(712.5, -500) << hidden
                                 << Bar{true, 11745, 4745, 1975, 500, 698, 70};
        QTest::newRow("no higher than a bar: 225 high")
            << QSizeF(300, 200) << QSizeF(350, 250) << QPoint() << QPointF(0, 0)
            << Bar{true, -55, 45, 50, 0, 35, 4} << Bar{true, 45, 225, 50, 0, 25, 2};
        QTest::newRow("no wider than a bar: no bar of no width")
            << QSizeF(255, 9000) << temperature << QPoint() << QPointF(0, 1012.5) << hidden
            << hidden;
        QTest::newRow("beyond 16 bits: the range is held")
            << QSizeF(1000, 1000) << QSizeF(60000, 1025) << QPoint() << QPointF(0, 0)
            << Bar{true, 745, 745, 32767, 0, 6000, 600} << Bar{true, 745, 745, 25, 0, 102, 10};
    }

    void layout()
    {
        QFETCH(QSizeF, client);
        QFETCH(QSizeF, panel);
        QFETCH(QPoint, values);
        QFETCH(QPointF, panelAt);
        QFETCH(Bar, horizontal);
        QFETCH(Bar, vertical);
        const FrameLayout::Result result = FrameLayout::compute(
            {float(client.width()), float(client.height()), float(panel.width()),
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
            QCOMPARE(actual.largeChange, expected.largeChange);
            QCOMPARE(actual.smallChange, expected.smallChange);
        }
        QCOMPARE(result.cornerVisible, horizontal.visible || vertical.visible);
        if (result.cornerVisible)
            QCOMPARE(QPointF(result.cornerLeft, result.cornerTop),
                     QPointF(client.width() - 255, client.height() - 255));
    }

    void init()
    {
        m_window = new QWidget;
        m_frame = new CalculatorFrame(10575, 6975, m_window);
        m_window->resize(1200, 800);
        m_frame->resize(1000, 620);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
    }

    void cleanup() { delete m_window; }
    void layoutPlacesPanelBarsAndCorner()
    {
        // 15000 x 9300 twips: the panel fits, centred.
        QString misplaced =
            misplacedControls(*m_frame, {{"Picture1", 2212.5, 1162.5, 10575, 6975}});
        QVERIFY2(misplaced.isEmpty(), qPrintable(misplaced));
        QCOMPARE(visibleParts(), QString());

        m_frame->resize(600, 300); // 9000 x 4500 twips: both bars, 255 twips thick
        misplaced = misplacedControls(*m_frame, {{"Picture1", 0, 0, 10575, 6975},
                                                 {"HScroll1", 0, 4500 - 255, 9000 - 255, 255},
                                                 {"VScroll1", 9000 - 255, 0, 255, 4500 - 255},
                                                 {"shape1", 9000 - 255, 4500 - 255, 255, 255}});
        QVERIFY2(misplaced.isEmpty(), qPrintable(misplaced));
        QCOMPARE(visibleParts(), QStringLiteral("HScroll1 VScroll1 shape1"));
        // Range and steps in twips; the panel follows a thumb only when it is let go.
        QList<int> bars;
        for (const QScrollBar* scrollBar : {bar("HScroll1"), bar("VScroll1")})
            bars << scrollBar->maximum() << scrollBar->pageStep() << scrollBar->singleStep()
                 << scrollBar->hasTracking();
        QCOMPARE(bars, QList<int>({10575 - 9000, 1058, 106, false, 6975 - 4500, 698, 70, false}));
    }

    void barsMoveThePanel()
    {
        m_frame->resize(600, 400);
        bar("HScroll1")->setValue(900);
        QCOMPARE(picture()->pos(), QPoint(-60, 0));
        bar("VScroll1")->setValue(450);
        QCOMPARE(picture()->pos(), QPoint(-60, -30));
    }

    void resizeWhileScrolledKeepsBarAndPanelTogether()
    {
        m_frame->resize(600, 300);
        bar("VScroll1")->setValue(bar("VScroll1")->maximum());
        m_frame->resize(1000, 300); // wider: the range stays
        QCOMPARE(picture()->y(), -Twips::toPixels(6975 - 4500));
        m_frame->resize(1000, 400); // taller: the range shrinks, the value with it
        QCOMPARE(bar("VScroll1")->value(), 6975 - 6000);
        QCOMPARE(picture()->y(), -Twips::toPixels(6975 - 6000));
        m_frame->resize(1000, 620); // the panel fits: the hidden bar keeps its value
        QCOMPARE(visibleParts(), QString());
        QCOMPARE(bar("VScroll1")->value(), 6975 - 6000);
    }

    void wheelScrollsThePanel()
    {
        m_frame->resize(600, 400);
        const int lines = QApplication::wheelScrollLines();
        for (const auto modifiers : {Qt::NoModifier, Qt::ShiftModifier}) {
            QWheelEvent notchDown(QPointF(9, 9), QPointF(9, 9), QPoint(), QPoint(0, -120),
                                  Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
            QApplication::sendEvent(m_frame, &notchDown);
        }
        QCOMPARE(bar("VScroll1")->value(), lines * bar("VScroll1")->singleStep());
        QCOMPARE(bar("HScroll1")->value(), lines * bar("HScroll1")->singleStep());
        QCOMPARE(picture()->pos(),
                 -Twips::point(bar("HScroll1")->value(), bar("VScroll1")->value()));
    }

    void resultBoxIsReadOnlyAndGrey()
    {
        ResultBox result;
        QVERIFY(result.isReadOnly());
        for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            QCOMPARE(result.palette().color(group, QPalette::Base),
                     result.palette().color(group, QPalette::Window));
    }

    void writtenTextShowsItsStart_data()
    {
        QTest::addColumn<QString>("ownTip");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("typed");
        QTest::addColumn<QString>("toolTip");

        const QString wide = QStringLiteral("1234567890123.25");
        QTest::newRow("fits: the box's own tip") << "Distance c"
                                                 << "12.5" << false << "Distance c";
        QTest::newRow("wider: the tip adds the whole text")
            << "Distance c" << wide << false << "Distance c\n" + wide;
        QTest::newRow("typed: the cursor stays where the user typed") << "" << wide << true << wide;
    }

    void writtenTextShowsItsStart()
    {
        QFETCH(QString, ownTip);
        QFETCH(QString, text);
        QFETCH(bool, typed);
        QFETCH(QString, toolTip);
        QLineEdit box;
        box.setFixedWidth(60);
        box.setToolTip(ownTip);
        ResultBox::showWrittenTextFromItsStart(&box);
        box.show();
        if (typed)
            QTest::keyClicks(&box, text);
        else
            box.setText(text);
        QCOMPARE(box.cursorPosition(), typed ? text.size() : 0);
        QCOMPARE(box.toolTip(), toolTip);
    }

private:
    QWidget* m_window = nullptr;
    CalculatorFrame* m_frame = nullptr;

    QWidget* picture() const { return m_frame->findChild<QWidget*>(QStringLiteral("Picture1")); }
    QScrollBar* bar(const char* name) const { return m_frame->findChild<QScrollBar*>(name); }
    QString visibleParts() const
    {
        QStringList shown;
        for (const char* name : {"HScroll1", "VScroll1", "shape1"})
            if (m_frame->findChild<QWidget*>(name)->isVisible())
                shown.append(QLatin1String(name));
        return shown.join(QLatin1Char(' '));
    }
};

QTEST_MAIN(tst_Frame)
#include "tst_Frame.moc"
