#include "codekeeper/CodePrinting.h"

#include "printing/PrintTarget.h"

#include <QFont>
#include <QPainter>
#include <QStringList>

namespace {

constexpr int tabColumns = 8;

QString expandTabs(const QString& line)
{
    QString expanded;
    for (const QChar c : line) {
        if (c == QLatin1Char('\t'))
            expanded += QString(tabColumns - expanded.size() % tabColumns, QLatin1Char(' '));
        else
            expanded += c;
    }
    return expanded;
}

// The line cut into pieces no wider than `width`, each at least one character long.
QStringList wrap(const QString& line, const QFontMetricsF& metrics, double width)
{
    QStringList pieces;
    QString rest = line;
    while (metrics.horizontalAdvance(rest) > width) {
        qsizetype fits = 1;
        qsizetype tooLong = rest.size();
        while (tooLong - fits > 1) {
            const qsizetype middle = (fits + tooLong) / 2;
            (metrics.horizontalAdvance(rest.left(middle)) <= width ? fits : tooLong) = middle;
        }
        pieces.append(rest.left(fits));
        rest = rest.mid(fits);
    }
    pieces.append(rest);
    return pieces;
}

} // namespace

void PrintCodeText(PrintTarget& target, const QString& text, const QFont& font, int copies)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.size() > 1 && lines.constLast().isEmpty())
        lines.removeLast();
    if (!target.beginDocument())
        return;
    target.setFont(font);
    const QFontMetricsF metrics = target.fontMetrics();
    const QRectF area = target.printableRect();
    QStringList printed;
    for (const QString& line : std::as_const(lines))
        printed += wrap(expandTabs(line), metrics, area.width());
    for (int copy = 0; copy < copies; ++copy) {
        if (copy > 0)
            target.newPage();
        double baseline = metrics.ascent();
        for (const QString& piece : std::as_const(printed)) {
            if (baseline + metrics.descent() > area.height() && baseline > metrics.ascent()) {
                target.newPage();
                baseline = metrics.ascent();
            }
            target.painter().drawText(QPointF(0, baseline), piece);
            baseline += metrics.lineSpacing();
        }
    }
    target.endDocument();
}
