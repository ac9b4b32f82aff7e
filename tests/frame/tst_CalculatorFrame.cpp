#include "frame/CalculatorFrame.h"

#include "common/Twips.h"

#include <QApplication>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

// The frame on a real widget tree: the panel and bars follow the client area in
// pixels (15 twips each).
class tst_CalculatorFrame : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void centresThePanelWhereItFits();
    void narrowClientAreaShowsTheHorizontalBar();
    void barValueMovesThePanel();
    void barsKeepTheirValueWhileHidden();
    void minimisedMainWindowChangesNothing();
    void resizeWhileScrolledKeepsBarAndPanelTogether();
    void wheelScrollsThePanel();

private:
    QWidget* m_window = nullptr;
    CalculatorFrame* m_frame = nullptr;

    QWidget* picture() const { return m_frame->findChild<QWidget*>(QStringLiteral("Picture1")); }
    QScrollBar* bar(const char* name) const { return m_frame->findChild<QScrollBar*>(QLatin1String(name)); }
    QWidget* corner() const { return m_frame->findChild<QWidget*>(QStringLiteral("shape1")); }
};

void tst_CalculatorFrame::init()
{
    m_window = new QWidget;
    m_frame = new CalculatorFrame(10575, 6975, m_window);
    m_window->resize(1200, 800);
    m_frame->resize(1000, 620);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void tst_CalculatorFrame::cleanup()
{
    delete m_window;
}

void tst_CalculatorFrame::centresThePanelWhereItFits()
{
    QCOMPARE(picture()->size(), QSize(705, 465));
    QCOMPARE(picture()->pos(), QPoint(Twips::toPixels(2212.5), Twips::toPixels(1162.5)));
    QVERIFY(!bar("HScroll1")->isVisible());
    QVERIFY(!bar("VScroll1")->isVisible());
    QVERIFY(!corner()->isVisible());
}

void tst_CalculatorFrame::narrowClientAreaShowsTheHorizontalBar()
{
    m_frame->resize(600, 620);
    QCOMPARE(picture()->x(), 0);
    QScrollBar* horizontal = bar("HScroll1");
    QVERIFY(horizontal->isVisible());
    QCOMPARE(horizontal->geometry(), QRect(0, 620 - 17, 600 - 17, 17));
    QCOMPARE(horizontal->maximum(), 10575 - 9000);
    QCOMPARE(horizontal->pageStep(), 1058);
    QCOMPARE(horizontal->singleStep(), 106);
    QVERIFY(!bar("VScroll1")->isVisible());
    QVERIFY(corner()->isVisible());
    QCOMPARE(corner()->pos(), QPoint(600 - 17, 620 - 17));
}

void tst_CalculatorFrame::barValueMovesThePanel()
{
    m_frame->resize(600, 400);
    bar("HScroll1")->setValue(900);
    QCOMPARE(picture()->x(), -60);
    bar("VScroll1")->setValue(450);
    QCOMPARE(picture()->y(), -30);
}

void tst_CalculatorFrame::barsKeepTheirValueWhileHidden()
{
    m_frame->resize(600, 620);
    bar("HScroll1")->setValue(300);
    m_frame->resize(1000, 620);
    QVERIFY(!bar("HScroll1")->isVisible());
    QCOMPARE(bar("HScroll1")->value(), 300);
}

void tst_CalculatorFrame::minimisedMainWindowChangesNothing()
{
    const QPoint before = picture()->pos();
    m_window->setWindowState(Qt::WindowMinimized);
    m_frame->resize(300, 200);
    QCOMPARE(picture()->pos(), before);
    QVERIFY(!bar("HScroll1")->isVisible());
    QVERIFY(!bar("VScroll1")->isVisible());
}

void tst_CalculatorFrame::resizeWhileScrolledKeepsBarAndPanelTogether()
{
    m_frame->resize(600, 300);
    bar("VScroll1")->setValue(bar("VScroll1")->maximum());
    m_frame->resize(1000, 300); // wider: the range stays
    QCOMPARE(picture()->y(), -Twips::toPixels(6975 - 4500));
    m_frame->resize(1000, 400); // taller: the range shrinks, the value with it
    QCOMPARE(bar("VScroll1")->value(), 6975 - 6000);
    QCOMPARE(picture()->y(), -Twips::toPixels(6975 - 6000));
}

void tst_CalculatorFrame::wheelScrollsThePanel()
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
    QCOMPARE(picture()->pos(), -Twips::point(bar("HScroll1")->value(), bar("VScroll1")->value()));
}

QTEST_MAIN(tst_CalculatorFrame)
#include "tst_CalculatorFrame.moc"
