#include "triangle/FormulaPanel.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

const QColor panelColour(0x80, 0x80, 0xFF);
const QColor inkColour(Qt::white);
// A thin darker edge keeps the panels apart when they are stacked.
const QColor edgeColour(0x50, 0x50, 0xD0);

QFont formulaFont(double pointSize)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(pointSize);
    font.setBold(true);
    return font;
}

// The extent of a piece around its baseline, in pixels.
struct Extent {
    qreal width = 0;
    qreal ascent = 0;
    qreal descent = 0;
};

// Measures and draws formula pieces left to right along a baseline.
class FormulaWriter
{
public:
    FormulaWriter()
        : m_font(formulaFont(12)), m_exponentFont(formulaFont(8.25)), m_metrics(m_font),
          m_exponentMetrics(m_exponentFont)
    {
    }

    Extent measure(const Formula& formula) const
    {
        Extent total;
        for (const FormulaPiece& piece : formula) {
            const Extent extent = measure(piece);
            total.width += extent.width;
            total.ascent = std::max(total.ascent, extent.ascent);
            total.descent = std::max(total.descent, extent.descent);
        }
        return total;
    }

    // Draws the formula with its baseline at y, starting at x; returns the end x.
    qreal draw(QPainter& painter, const Formula& formula, qreal x, qreal y) const
    {
        for (const FormulaPiece& piece : formula)
            x = draw(painter, piece, x, y);
        return x;
    }

private:
    qreal exponentRaise() const { return m_metrics.ascent() * 0.45; }
    qreal rootHook() const { return m_metrics.height() * 0.55; }
    // The fraction bar sits on the formula's middle, half an x-height above the baseline.
    qreal fractionAxis() const { return m_metrics.xHeight() / 2.0; }
    static constexpr qreal barGap = 2;

    Extent measure(const FormulaPiece& piece) const
    {
        switch (piece.kind) {
        case FormulaPiece::Kind::Text:
            return {m_metrics.horizontalAdvance(piece.text), qreal(m_metrics.ascent()),
                    qreal(m_metrics.descent())};
        case FormulaPiece::Kind::Squared:
            return {m_metrics.horizontalAdvance(piece.text) + m_exponentMetrics.horizontalAdvance('2') + 1,
                    std::max<qreal>(m_metrics.ascent(), exponentRaise() + m_exponentMetrics.ascent()),
                    qreal(m_metrics.descent())};
        case FormulaPiece::Kind::Root: {
            const Extent inner = measure(piece.radicand);
            return {rootHook() + inner.width + 3, inner.ascent + 3, inner.descent};
        }
        case FormulaPiece::Kind::Fraction: {
            const qreal width = std::max(m_metrics.horizontalAdvance(piece.text),
                                         m_metrics.horizontalAdvance(piece.denominator));
            return {width + 6, fractionAxis() + barGap + m_metrics.height(),
                    m_metrics.height() + barGap - fractionAxis()};
        }
        }
        return {};
    }

    qreal draw(QPainter& painter, const FormulaPiece& piece, qreal x, qreal y) const
    {
        const Extent extent = measure(piece);
        switch (piece.kind) {
        case FormulaPiece::Kind::Text:
            painter.setFont(m_font);
            painter.drawText(QPointF(x, y), piece.text);
            break;
        case FormulaPiece::Kind::Squared: {
            painter.setFont(m_font);
            painter.drawText(QPointF(x, y), piece.text);
            painter.setFont(m_exponentFont);
            painter.drawText(QPointF(x + m_metrics.horizontalAdvance(piece.text) + 1, y - exponentRaise()),
                             QStringLiteral("2"));
            break;
        }
        case FormulaPiece::Kind::Root: {
            const Extent inner = measure(piece.radicand);
            const qreal top = y - inner.ascent - 1;
            const qreal bottom = y + inner.descent;
            const qreal hook = rootHook();
            QPainterPath radical;
            radical.moveTo(x + 1, y - inner.ascent * 0.35);
            radical.lineTo(x + hook * 0.3, y - inner.ascent * 0.45);
            radical.lineTo(x + hook * 0.6, bottom);
            radical.lineTo(x + hook, top);
            radical.lineTo(x + extent.width - 1, top);
            painter.drawPath(radical);
            draw(painter, piece.radicand, x + hook + 2, y);
            break;
        }
        case FormulaPiece::Kind::Fraction: {
            painter.setFont(m_font);
            const qreal bar = y - fractionAxis();
            painter.drawLine(QPointF(x + 2, bar), QPointF(x + extent.width - 2, bar));
            const auto centred = [&](const QString& text) {
                return x + (extent.width - m_metrics.horizontalAdvance(text)) / 2;
            };
            painter.drawText(QPointF(centred(piece.text), bar - barGap - m_metrics.descent()), piece.text);
            painter.drawText(QPointF(centred(piece.denominator), bar + barGap + m_metrics.ascent()),
                             piece.denominator);
            break;
        }
        }
        return x + extent.width;
    }

    QFont m_font;
    QFont m_exponentFont;
    QFontMetricsF m_metrics;
    QFontMetricsF m_exponentMetrics;
};

} // namespace

FormulaPanel::FormulaPanel(const QString& heading, const std::array<Formula, 3>& formulas,
                           QWidget* parent)
    : QWidget(parent), m_heading(heading), m_formulas(formulas)
{
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, panelColour);
    colours.setColor(QPalette::WindowText, inkColour);
    setPalette(colours);

    QStringList description{QStringLiteral("Using ") + heading};
    for (const Formula& formula : formulas)
        description.append(plainText(formula));
    setAccessibleName(description.join(QStringLiteral("; ")));
}

QString FormulaPanel::plainText(const Formula& formula)
{
    QString text;
    for (const FormulaPiece& piece : formula) {
        switch (piece.kind) {
        case FormulaPiece::Kind::Text:
            text += piece.text;
            break;
        case FormulaPiece::Kind::Squared:
            text += piece.text + QChar(0x00B2);
            break;
        case FormulaPiece::Kind::Root:
            text += QChar(0x221A) + QStringLiteral("(") + plainText(piece.radicand) + QStringLiteral(")");
            break;
        case FormulaPiece::Kind::Fraction:
            text += piece.text + QStringLiteral(" / ") + piece.denominator;
            break;
        }
    }
    return text;
}

void FormulaPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(edgeColour);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setRenderHint(QPainter::Antialiasing);
    QPen ink(inkColour);
    ink.setWidthF(1.5);
    painter.setPen(ink);

    const QFont font = formulaFont(12);
    const QFontMetricsF metrics(font);
    const qreal margin = 8;
    painter.setFont(font);
    const qreal lineHeight = metrics.height();
    const qreal headingTop = (height() - 2 * lineHeight) / 2;
    painter.drawText(QPointF(margin, headingTop + metrics.ascent()), QStringLiteral("Using"));
    painter.drawText(QPointF(margin, headingTop + lineHeight + metrics.ascent()), m_heading);

    // The heading takes a fixed column sized for the longest heading, so the formulas
    // of every panel line up when the panels are stacked.
    const qreal headingWidth = metrics.horizontalAdvance(QStringLiteral("Side a & Angle B")) + 2 * margin;
    const qreal columnWidth = (width() - headingWidth) / qreal(m_formulas.size());
    const FormulaWriter writer;
    for (std::size_t i = 0; i < m_formulas.size(); ++i) {
        const qreal left = headingWidth + columnWidth * qreal(i);
        if (i > 0) {
            const qreal ruleHeight = height() * 0.6;
            painter.drawLine(QPointF(left, (height() - ruleHeight) / 2),
                             QPointF(left, (height() + ruleHeight) / 2));
        }
        const Extent extent = writer.measure(m_formulas[i]);
        const qreal baseline = (height() - extent.ascent - extent.descent) / 2 + extent.ascent;
        writer.draw(painter, m_formulas[i], left + (columnWidth - extent.width) / 2, baseline);
    }
}
