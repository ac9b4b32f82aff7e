#include "frame/CalculatorFrame.h"

#include "common/Twips.h"
#include "frame/FrameLayout.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QWheelEvent>

CalculatorFrame::CalculatorFrame(double pictureWidthTwips, double pictureHeightTwips,
                                 QWidget* parent)
    : QWidget(parent),
      Picture1(new QWidget(this)),
      HScroll1(new QScrollBar(Qt::Horizontal, this)),
      VScroll1(new QScrollBar(Qt::Vertical, this)),
      shape1(new QWidget(this))
{
    // The area around the panel is the application workspace colour, so the panel
    // stands out as the tool's page.
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Dark);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setBackgroundRole(QPalette::Button);
    Picture1->setFixedSize(Twips::size(pictureWidthTwips, pictureHeightTwips));
    Picture1->setAutoFillBackground(true);
    Picture1->setFocusPolicy(Qt::ClickFocus);
    setFirstInput(Picture1);

    const int bar = Twips::toPixels(FrameLayout::barThickness);
    HScroll1->setObjectName(QStringLiteral("HScroll1"));
    HScroll1->setGeometry(0, 0, bar, bar);
    VScroll1->setObjectName(QStringLiteral("VScroll1"));
    VScroll1->setGeometry(0, 0, bar, bar);
    shape1->setObjectName(QStringLiteral("shape1"));
    shape1->setFixedSize(bar, bar);
    shape1->setAutoFillBackground(true);
    for (QScrollBar* scrollBar : {HScroll1, VScroll1}) {
        scrollBar->setRange(0, 0);
        // The panel follows a bar on a click, a page step or the end of a thumb drag,
        // not while the thumb is dragged.
        scrollBar->setTracking(false);
        scrollBar->hide();
    }
    shape1->hide();

    connect(HScroll1, &QScrollBar::valueChanged, this, &CalculatorFrame::HScroll1_Change);
    connect(VScroll1, &QScrollBar::valueChanged, this, &CalculatorFrame::VScroll1_Change);
}

void CalculatorFrame::setFirstInput(QWidget* box)
{
    setFocusProxy(box);
}

void CalculatorFrame::runOnEnter(std::initializer_list<QLineEdit*> boxes, QAbstractButton* action)
{
    for (QLineEdit* box : boxes)
        connect(box, &QLineEdit::returnPressed, action, &QAbstractButton::click);
}

void CalculatorFrame::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutFrame();
}

void CalculatorFrame::layoutFrame()
{
    if (window()->isMinimized())
        return;
    // A hidden tool window taking the focus would make the work area bring it forward
    // over the tool in view; and a box the user is typing in keeps the focus.
    if (isToolInView() && !isAncestorOf(window()->focusWidget()))
        setFocus();

    FrameLayout::Input input;
    input.clientWidth = static_cast<float>(Twips::fromPixels(width()));
    input.clientHeight = static_cast<float>(Twips::fromPixels(height()));
    input.pictureWidth = static_cast<float>(Twips::fromPixels(Picture1->width()));
    input.pictureHeight = static_cast<float>(Twips::fromPixels(Picture1->height()));
    input.horizontalValue = static_cast<qint16>(HScroll1->value());
    input.verticalValue = static_cast<qint16>(VScroll1->value());
    const FrameLayout::Result layout = FrameLayout::compute(input);

    const int bar = Twips::toPixels(FrameLayout::barThickness);
    if (layout.horizontal.visible) {
        HScroll1->setGeometry(0, Twips::toPixels(layout.horizontal.offset),
                              Twips::toPixels(layout.horizontal.length), bar);
        HScroll1->setRange(0, layout.horizontal.maximum);
        HScroll1->setValue(layout.horizontal.value);
        HScroll1->setPageStep(layout.horizontal.largeChange);
        HScroll1->setSingleStep(layout.horizontal.smallChange);
    }
    HScroll1->setVisible(layout.horizontal.visible);

    if (layout.vertical.visible) {
        VScroll1->setGeometry(Twips::toPixels(layout.vertical.offset), 0, bar,
                              Twips::toPixels(layout.vertical.length));
        VScroll1->setRange(0, layout.vertical.maximum);
        VScroll1->setValue(layout.vertical.value);
        VScroll1->setPageStep(layout.vertical.largeChange);
        VScroll1->setSingleStep(layout.vertical.smallChange);
    }
    VScroll1->setVisible(layout.vertical.visible);
    Picture1->move(Twips::toPixels(layout.pictureLeft), Twips::toPixels(layout.pictureTop));

    if (layout.cornerVisible)
        shape1->move(Twips::toPixels(layout.cornerLeft), Twips::toPixels(layout.cornerTop));
    shape1->setVisible(layout.cornerVisible);
    HScroll1->raise();
    VScroll1->raise();
    shape1->raise();
}

bool CalculatorFrame::isToolInView() const
{
    const QWidget* subWindow = parentWidget();
    return isVisible() && (isMaximized() || (subWindow && subWindow->isMaximized()));
}

void CalculatorFrame::wheelEvent(QWheelEvent* event)
{
    const QPoint delta = event->angleDelta(); // in eighths of a degree, 120 to a notch
    const bool sideways =
        event->modifiers().testFlag(Qt::ShiftModifier) || (delta.y() == 0 && delta.x() != 0);
    QScrollBar* scrollBar = sideways ? HScroll1 : VScroll1;
    const int eighths = delta.y() != 0 ? delta.y() : delta.x();
    if (!scrollBar->isVisible() || eighths == 0) {
        event->ignore();
        return;
    }
    // A notch moves as many small steps as the desktop scrolls lines.
    const double steps = eighths / 120.0 * QApplication::wheelScrollLines();
    scrollBar->setValue(scrollBar->value() - qRound(steps * scrollBar->singleStep()));
    event->accept();
}

void CalculatorFrame::HScroll1_Change(int value)
{
    Picture1->move(Twips::toPixels(-value), Picture1->y());
}

void CalculatorFrame::VScroll1_Change(int value)
{
    Picture1->move(Picture1->x(), Twips::toPixels(-value));
}
