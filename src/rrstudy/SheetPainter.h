#pragma once

#include "rrstudy/PrintListTarget.h"

#include <QHash>

class QPainter;

// Draws sheet items, given in points from the sheet's origin, with a painter on any
// device: the screen sheet and the printer draw through it alike.
class SheetPainter
{
public:
    // `origin` is where the sheet's origin lies, in device units; one point spans
    // `devicePerPoint` device units.
    SheetPainter(QPainter& painter, const QPointF& origin, double devicePerPoint);

    void drawText(const QPointF& topLeft, const SheetFont& font, const QString& text);
    void drawLine(const QLineF& line);

private:
    QPointF toDevice(const QPointF& point) const { return m_origin + point * m_devicePerPoint; }

    QPainter& m_painter;
    QPointF m_origin;
    double m_devicePerPoint;
    double m_dotsPerInch;
    QHash<QString, QFont> m_fonts;
};

class QPagedPaintDevice;

// The printer as a print-list target: draws at once on the painter of a paged device
// (a printer or a PDF file), with the sheet's origin 72 points below the top of the
// printable area and the sheet centred across the paper.
class PainterSheetTarget final : public PrintListTarget
{
public:
    PainterSheetTarget(QPainter& painter, QPagedPaintDevice& device, double sheetWidthPoints);

    bool breaksPages() const override { return true; }

protected:
    void drawTextItem(const QPointF& topLeft, const SheetFont& font, const QString& text) override;
    void drawLineItem(const QLineF& line) override;
    void startPage() override;

private:
    QPagedPaintDevice& m_device;
    SheetPainter m_painter;
};
