#pragma once

#include "rrstudy/PrintListTarget.h"

#include <QHash>

#include <functional>

#include <optional>

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

class PrintTarget;

// The printer as a print-list target: draws on a print target's pages with the
// sheet's origin 72 points below the top of the printable area and the sheet centred
// across the paper. The document starts with the first thing drawn, so a job that
// draws nothing prints nothing; finish() ends it.
class PrinterSheetTarget final : public PrintListTarget
{
public:
    // Runs before each page of the document begins, with its number from 1; false
    // cancels the job: nothing more is drawn and the document is never ended.
    using PageStart = std::function<bool(int page)>;

    PrinterSheetTarget(PrintTarget& printer, double sheetWidthPoints, PageStart pageStart = {});
    ~PrinterSheetTarget() override;

    bool breaksPages() const override { return true; }
    bool stopped() const override { return m_cancelled; }
    // A page drawn by other means than the sheets (a feature's charts), on the printer's
    // painter in points within the printable area; it ends its page as a sheet does.
    void drawPage(const std::function<void(QPainter& painter, const QRectF& printable)>& draw);
    // Ends the document, if one was started and not cancelled.
    void finish();

protected:
    void drawTextItem(const QPointF& topLeft, const SheetFont& font, const QString& text) override;
    void drawLineItem(const QLineF& line) override;
    void startPage() override;

private:
    // The painter of the open document; starts it when none is open. Empty when the
    // printer failed to start one: what would be drawn is skipped.
    SheetPainter* painter();

    // False when the job is cancelled before the next page.
    bool mayStartPage();

    PrintTarget& m_printer;
    QPointF m_origin;
    PageStart m_pageStart;
    std::optional<SheetPainter> m_painter;
    int m_pages = 0;
    bool m_failed = false;
    bool m_cancelled = false;
};
