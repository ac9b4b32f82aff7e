#include "batch/PlainTextSheet.h"

#include <QTextStream>

#include <cmath>

// A sheet changes fonts seldom, so the last font's column width is kept at hand.
double PlainTextSheet::columnWidth(const SheetFont& font)
{
    if (m_columnWidth == 0 || !(font == m_measuredFont)) {
        m_measuredFont = font;
        m_columnWidth = SheetFontMetrics::of(font).blankWidth;
    }
    return m_columnWidth;
}

void PlainTextSheet::drawTextItem(const QPointF& topLeft, const SheetFont& font, const QString& text)
{
    const auto column = qsizetype(std::lround(topLeft.x() / columnWidth(font)));
    if (column > m_line.size())
        m_line.append(QString(column - m_line.size(), QLatin1Char(' ')));
    m_line.append(text);
}

void PlainTextSheet::lineEnded()
{
    qsizetype end = m_line.size();
    while (end > 0 && m_line.at(end - 1).isSpace())
        --end;
    m_out << QStringView(m_line).left(end) << '\n';
    m_line.clear();
}
