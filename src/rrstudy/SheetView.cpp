#include "rrstudy/SheetView.h"

#include "common/Twips.h"
#include "rrstudy/GageSheets.h"
#include "rrstudy/SheetPainter.h"

#include <QPaintEvent>
#include <QPainter>

namespace {

constexpr double pixelsPerPoint = twipsPerPoint / Twips::perPixel;

} // namespace

SheetView::SheetView(QWidget* parent)
    : QAbstractScrollArea(parent), m_sheetHeight(dataSheetHeightTwips), m_sheetTop(120)
{
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
}

void SheetView::clearSheet()
{
    m_recording.clear();
    viewport()->update();
}

void SheetView::showRecording()
{
    viewport()->update();
}

double SheetView::sheetWidth()
{
    return sheetWidthTwips;
}

void SheetView::setSheetTop(double twips)
{
    if (m_sheetTop == twips)
        return;
    m_sheetTop = twips;
    viewport()->update();
}

void SheetView::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    painter.setRenderHint(QPainter::TextAntialiasing);
    const double top = m_sheetTop / Twips::perPixel;
    SheetPainter sheet(painter, QPointF(0, top), pixelsPerPoint);
    const QRect exposed = event->rect();
    const double firstPoint = (exposed.top() - top) / pixelsPerPoint;
    const double lastPoint = (exposed.bottom() + 1 - top) / pixelsPerPoint;
    const auto [from, to] = m_recording.textsBetween(firstPoint, lastPoint);
    for (auto item = from; item != to; ++item)
        sheet.drawText(item->topLeft, m_recording.fonts().at(item->font), item->text);
    for (const SheetRecording::LineItem& item : m_recording.lines())
        if (qMax(item.line.y1(), item.line.y2()) >= firstPoint && qMin(item.line.y1(), item.line.y2()) <= lastPoint)
            sheet.drawLine(item.line);
}
