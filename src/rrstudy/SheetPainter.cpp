#include "rrstudy/SheetPainter.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

namespace {

QPointF sheetOrigin(QPagedPaintDevice& device, double sheetWidthPoints)
{
    const QPageLayout layout = device.pageLayout();
    const QRectF paper = layout.fullRect(QPageLayout::Point);
    const QRectF printable = layout.paintRect(QPageLayout::Point);
    const double devicePerPoint = device.logicalDpiX() / 72.0;
    // Device coordinates start at the printable area's corner.
    const double left = (paper.width() - sheetWidthPoints) / 2 - printable.left();
    return QPointF(left * devicePerPoint, 72 * device.logicalDpiY() / 72.0);
}

} // namespace

SheetPainter::SheetPainter(QPainter& painter, const QPointF& origin, double devicePerPoint)
    : m_painter(painter),
      m_origin(origin),
      m_devicePerPoint(devicePerPoint),
      m_dotsPerInch(painter.device()->logicalDpiY())
{
}

void SheetPainter::drawText(const QPointF& topLeft, const SheetFont& font, const QString& text)
{
    const QString key = font.key();
    auto found = m_fonts.find(key);
    if (found == m_fonts.end())
        found = m_fonts.insert(key, font.toFont(m_devicePerPoint, m_dotsPerInch));
    m_painter.setFont(*found);
    const QPointF baseLine = topLeft + QPointF(0, SheetFontMetrics::of(font).ascent);
    m_painter.drawText(toDevice(baseLine), text);
}

void SheetPainter::drawLine(const QLineF& line)
{
    // Hairlines half a point wide: visible on screen, fine on paper.
    m_painter.setPen(QPen(Qt::black, qMax(1.0, 0.5 * m_devicePerPoint)));
    m_painter.drawLine(QLineF(toDevice(line.p1()), toDevice(line.p2())));
}

PainterSheetTarget::PainterSheetTarget(QPainter& painter, QPagedPaintDevice& device, double sheetWidthPoints)
    : m_device(device),
      m_painter(painter, sheetOrigin(device, sheetWidthPoints), device.logicalDpiX() / 72.0)
{
}

void PainterSheetTarget::drawTextItem(const QPointF& topLeft, const SheetFont& font, const QString& text)
{
    m_painter.drawText(topLeft, font, text);
}

void PainterSheetTarget::drawLineItem(const QLineF& line)
{
    m_painter.drawLine(line);
}

void PainterSheetTarget::startPage()
{
    m_device.newPage();
}
