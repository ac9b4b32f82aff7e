#include "rrstudy/SheetRecording.h"

#include <algorithm>
#include <cmath>

namespace {

bool drawnBefore(const SheetRecording::TextItem& a, const SheetRecording::TextItem& b)
{
    if (a.page != b.page)
        return a.page < b.page;
    if (a.topLeft.y() != b.topLeft.y())
        return a.topLeft.y() < b.topLeft.y();
    return a.topLeft.x() < b.topLeft.x();
}

} // namespace

void SheetRecording::clear()
{
    m_page = 0;
    m_texts.clear();
    m_lines.clear();
    m_sorted = true;
    m_tallestLine = 0;
    m_bottom = 0;
    m_fonts.clear();
    m_fontHeights.clear();
    m_lastFont = 0;
    restart();
}

int SheetRecording::pageCount() const
{
    if (isEmpty())
        return 0;
    int last = 0;
    if (!m_texts.isEmpty())
        last = texts().constLast().page;
    for (const LineItem& line : m_lines)
        last = qMax(last, line.page);
    return last + 1;
}

const QList<SheetRecording::TextItem>& SheetRecording::texts() const
{
    if (!m_sorted) {
        std::stable_sort(m_texts.begin(), m_texts.end(), drawnBefore);
        m_sorted = true;
    }
    return m_texts;
}

std::pair<QList<SheetRecording::TextItem>::const_iterator, QList<SheetRecording::TextItem>::const_iterator>
SheetRecording::textsBetween(double top, double bottom) const
{
    const QList<TextItem>& all = texts();
    TextItem from;
    from.topLeft = QPointF(-1e300, top - m_tallestLine);
    TextItem to;
    to.topLeft = QPointF(1e300, bottom);
    return {std::lower_bound(all.cbegin(), all.cend(), from, drawnBefore),
            std::upper_bound(all.cbegin(), all.cend(), to, drawnBefore)};
}

QList<SheetRecording::TextLine> SheetRecording::textLines() const
{
    QList<TextLine> result;
    for (const TextItem& item : texts()) {
        if (result.isEmpty() || result.constLast().page != item.page || result.constLast().y != item.topLeft.y())
            result.append({item.page, item.topLeft.y(), QString()});
        QString& text = result.last().text;
        const double columnWidth = SheetFontMetrics::of(m_fonts.at(item.font)).blankWidth;
        const auto column = qsizetype(std::lround(item.topLeft.x() / columnWidth));
        if (column > text.size())
            text.append(QString(column - text.size(), QLatin1Char(' ')));
        text.append(item.text);
    }
    return result;
}

QStringList SheetRecording::pageText(int page) const
{
    QStringList result;
    for (const TextLine& line : textLines())
        if (line.page == page)
            result.append(line.text);
    return result;
}

void SheetRecording::drawTextItem(const QPointF& topLeft, const SheetFont& font, const QString& text)
{
    const int index = fontIndex(font);
    m_bottom = qMax(m_bottom, topLeft.y() + m_fontHeights.at(index));
    TextItem item{m_page, topLeft, index, text};
    if (!m_texts.isEmpty() && drawnBefore(item, m_texts.constLast()))
        m_sorted = false;
    m_texts.append(std::move(item));
}

void SheetRecording::drawLineItem(const QLineF& line)
{
    m_lines.append({m_page, line});
    m_bottom = qMax(m_bottom, qMax(line.y1(), line.y2()));
}

int SheetRecording::fontIndex(const SheetFont& font)
{
    // Most items are in the font of the item before them.
    if (m_lastFont < m_fonts.size() && m_fonts.at(m_lastFont) == font)
        return int(m_lastFont);
    m_lastFont = m_fonts.indexOf(font);
    if (m_lastFont < 0) {
        m_fonts.append(font);
        m_fontHeights.append(SheetFontMetrics::of(font).height);
        m_tallestLine = qMax(m_tallestLine, m_fontHeights.constLast());
        m_lastFont = m_fonts.size() - 1;
    }
    return int(m_lastFont);
}
