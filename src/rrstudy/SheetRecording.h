#pragma once

#include "rrstudy/PrintListTarget.h"

#include <QList>
#include <QStringList>

// A sheet kept as drawing commands: the on-screen sheet paints the part in view from
// it, and tests and text output read its lines back with their columns.
class SheetRecording final : public PrintListTarget
{
public:
    struct TextItem {
        int page = 0;
        QPointF topLeft;
        int font = 0;  // index into fonts()
        QString text;
    };
    struct LineItem {
        int page = 0;
        QLineF line;
    };
    // One printed line of the sheet as text: each item at its character column.
    struct TextLine {
        int page = 0;
        double y = 0;
        QString text;
    };

    // A paged recording stands for a printer: sheets break and number their pages.
    explicit SheetRecording(bool paged = false) : m_paged(paged) {}

    bool breaksPages() const override { return m_paged; }

    void clear();
    bool isEmpty() const { return m_texts.isEmpty() && m_lines.isEmpty(); }
    // The lowest point drawn on, in points from the origin (pages aside).
    double bottom() const { return m_bottom; }
    // Pages holding anything; 0 when nothing was drawn.
    int pageCount() const;

    const QList<SheetFont>& fonts() const { return m_fonts; }
    // The text items in drawing position order (page, then top to bottom).
    const QList<TextItem>& texts() const;
    const QList<LineItem>& lines() const { return m_lines; }

    // The text items of page 0 whose line may show between `top` and `bottom` points.
    std::pair<QList<TextItem>::const_iterator, QList<TextItem>::const_iterator>
    textsBetween(double top, double bottom) const;

    QList<TextLine> textLines() const;
    // The lines of one page as plain text.
    QStringList pageText(int page) const;

protected:
    void drawTextItem(const QPointF& topLeft, const SheetFont& font, const QString& text) override;
    void drawLineItem(const QLineF& line) override;
    void startPage() override { ++m_page; }

private:
    int fontIndex(const SheetFont& font);

    bool m_paged;
    int m_page = 0;
    QList<SheetFont> m_fonts;
    QList<double> m_fontHeights;  // of each font in m_fonts
    qsizetype m_lastFont = 0;
    mutable QList<TextItem> m_texts;
    mutable bool m_sorted = true;
    QList<LineItem> m_lines;
    double m_tallestLine = 0;
    double m_bottom = 0;
};
