#include "rrstudy/SheetPainter.h"

#include "printing/PrintTarget.h"

#include <QPainter>

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
    // Hairlines half a point wide: fine on paper, one pixel on screen.
    m_painter.setPen(QPen(Qt::black, 0.5 * m_devicePerPoint));
    m_painter.drawLine(QLineF(toDevice(line.p1()), toDevice(line.p2())));
}

PrinterSheetTarget::PrinterSheetTarget(PrintTarget& printer, double sheetWidthPoints, PageStart pageStart)
    : m_printer(printer), m_pageStart(std::move(pageStart))
{
    // The painter's origin is the printable area's corner; the paper's left edge lies
    // left of it by the unprintable margin.
    const QRectF paper = printer.paperRect();
    m_origin = QPointF(paper.left() + (paper.width() - sheetWidthPoints) / 2, 72);
}

PrinterSheetTarget::~PrinterSheetTarget()
{
    finish();
}

void PrinterSheetTarget::finish()
{
    if (m_painter) {
        m_painter.reset();
        m_printer.endDocument();
    }
}

bool PrinterSheetTarget::mayStartPage()
{
    if (m_cancelled || (m_pageStart && !m_pageStart(m_pages + 1))) {
        // A cancelled document is dropped, not ended: no half job reaches the printer.
        m_cancelled = true;
        m_painter.reset();
        return false;
    }
    ++m_pages;
    return true;
}

SheetPainter* PrinterSheetTarget::painter()
{
    if (!m_painter && !m_failed && !m_cancelled && mayStartPage()) {
        if (m_printer.beginDocument())
            m_painter.emplace(m_printer.painter(), m_origin, 1.0);
        else
            m_failed = true;
    }
    return m_painter ? &*m_painter : nullptr;
}

void PrinterSheetTarget::drawTextItem(const QPointF& topLeft, const SheetFont& font, const QString& text)
{
    if (SheetPainter* sheet = painter())
        sheet->drawText(topLeft, font, text);
}

void PrinterSheetTarget::drawLineItem(const QLineF& line)
{
    if (SheetPainter* sheet = painter())
        sheet->drawLine(line);
}

void PrinterSheetTarget::drawPage(const std::function<void(QPainter&, const QRectF&)>& draw)
{
    startPendingPage();
    if (!painter())
        return;
    QPainter& pagePainter = m_printer.painter();
    pagePainter.save();
    draw(pagePainter, m_printer.printableRect());
    pagePainter.restore();
    newPage();
}

void PrinterSheetTarget::startPage()
{
    if (m_painter && mayStartPage())
        m_printer.newPage();
}
