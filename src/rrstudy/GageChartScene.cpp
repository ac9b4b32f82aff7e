#include "rrstudy/GageChartScene.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QLegend>
#include <QLineSeries>
#include <QPainter>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

// The scene measures in points; fonts are given in pixels, which are points here and
// scale with the view or the page they are rendered into.
QFont chartFont(int points, bool bold = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(points);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

const QColor appraiserColours[] = {QColor(0x1f, 0x5f, 0xbf), QColor(0xe0, 0x7b, 0x00),
                                   QColor(0x7b, 0x3f, 0xa8)};
const QColor centreColour(0x2e, 0x7d, 0x32);
const QColor limitColour(0xc6, 0x28, 0x28);
const QColor barColours[] = {QColor(0x2f, 0x55, 0x97), QColor(0xe0, 0x7b, 0x00),
                             QColor(0x9e, 0x9e, 0x9e)};

QChart* newChart(const QString& title)
{
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->setTitleFont(chartFont(8, true));
    chart->setBackgroundRoundness(0);
    chart->setDropShadowEnabled(false);
    chart->setBackgroundPen(QPen(QColor(0xbd, 0xbd, 0xbd), 0.5));
    chart->setMargins(QMargins(2, 0, 4, 2));
    chart->layout()->setContentsMargins(2, 2, 2, 2);
    chart->legend()->setFont(chartFont(7));
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->legend()->hide();
    return chart;
}

template <typename Axis> Axis* styledAxis(Axis* axis, const QString& title)
{
    axis->setTitleText(title);
    axis->setTitleFont(chartFont(7));
    axis->setLabelsFont(chartFont(7));
    axis->setGridLinePen(QPen(QColor(0xe0, 0xe0, 0xe0), 0.5));
    axis->setLinePen(QPen(QColor(0x60, 0x60, 0x60), 0.5));
    return axis;
}

// A value axis over `values`, with a little room above and below and round numbers.
QValueAxis* valueAxis(const QString& title, const QList<double>& values, bool fromZero = false)
{
    auto* axis = styledAxis(new QValueAxis, title);
    if (values.isEmpty())
        return axis;
    auto [low, high] = std::minmax_element(values.begin(), values.end());
    double bottom = fromZero ? 0.0 : *low;
    double top = *high;
    const double span = top - bottom;
    const double room = span > 0 ? span * 0.05 : std::max(std::abs(top) * 0.05, 1e-3);
    axis->setRange(fromZero ? 0.0 : bottom - room, top + room);
    axis->applyNiceNumbers();
    // As many decimals as the step between two labels needs: readings of 15.0012 and
    // 15.0034 must not all read 15.
    const double step = (axis->max() - axis->min()) / std::max(1, axis->tickCount() - 1);
    const int decimals = step > 0 ? std::clamp(int(std::ceil(-std::log10(step) - 1e-9)), 0, 10) : 0;
    axis->setLabelFormat(QStringLiteral("%.%1f").arg(decimals));
    return axis;
}

// Labels centred on blocks of `blockWidth` positions from 1: parts, or appraisers.
QCategoryAxis* blockAxis(const QString& title, const QStringList& labels, int blockWidth)
{
    auto* axis = styledAxis(new QCategoryAxis, title);
    axis->setStartValue(0.5);
    for (qsizetype i = 0; i < labels.size(); ++i)
        axis->append(labels.at(i), double((i + 1) * blockWidth) + 0.5);
    axis->setRange(0.5, double(labels.size() * blockWidth) + 0.5);
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionCenter);
    return axis;
}

void attach(QChart* chart, QAbstractSeries* series, QAbstractAxis* x, QAbstractAxis* y)
{
    chart->addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
}

void addAxes(QChart* chart, QAbstractAxis* x, QAbstractAxis* y)
{
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
}

QLineSeries* line(const QString& name, const QList<QPointF>& points, const QColor& colour,
                  double width, Qt::PenStyle style = Qt::SolidLine, bool markers = false)
{
    auto* series = new QLineSeries;
    series->setName(name);
    series->append(points);
    series->setPen(QPen(colour, width, style));
    if (markers) {
        series->setPointsVisible(true);
        series->setMarkerSize(3);
    }
    return series;
}

QScatterSeries* dots(const QList<QPointF>& points, const QColor& colour)
{
    auto* series = new QScatterSeries;
    series->append(points);
    series->setMarkerSize(2.5);
    series->setColor(colour);
    series->setBorderColor(colour);
    return series;
}

QList<double> yValues(const QList<QPointF>& points)
{
    QList<double> values;
    for (const QPointF& point : points)
        values.append(point.y());
    return values;
}

QStringList partLabels(int parts)
{
    QStringList labels;
    for (int p = 1; p <= parts; ++p)
        labels << QString::number(p);
    return labels;
}

QChart* componentsChart(const GageChartData& data)
{
    QChart* chart = newChart(data.componentsTitle);
    auto* series = new QBarSeries;
    const QList<std::pair<QString, QList<double>>> sets = {
        {QStringLiteral("%Contribution"), data.contribution},
        {QStringLiteral("%Study Var"), data.studyVariation},
        {QStringLiteral("%Tolerance"), data.tolerance}};
    QList<double> all = {100};
    for (qsizetype i = 0; i < sets.size(); ++i) {
        if (sets[i].second.isEmpty())
            continue;
        auto* set = new QBarSet(sets[i].first);
        set->append(sets[i].second);
        set->setColor(barColours[i]);
        set->setBorderColor(barColours[i]);
        series->append(set);
        all << sets[i].second;
    }
    series->setBarWidth(0.85);
    auto* x = styledAxis(new QBarCategoryAxis, QString());
    x->setLabelsFont(chartFont(6));
    x->append(data.componentNames);
    auto* y = valueAxis(QStringLiteral("Percent"), all, true);
    addAxes(chart, x, y);
    attach(chart, series, x, y);
    chart->legend()->show();
    return chart;
}

// Ranges start at 0; averages lie wherever the readings do.
QChart* controlChart(const ControlChartData& control, const GageChartData& data,
                     const QString& quantity, bool fromZero)
{
    QChart* chart = newChart(control.title);
    QList<double> all = {control.upperLimit, control.lowerLimit, control.centre};
    for (const QList<QPointF>& points : control.pointsByAppraiser)
        all << yValues(points);
    auto* x = blockAxis(QStringLiteral("Appraiser (parts 1 to %1 each)").arg(data.parts),
                        data.appraiserNames, data.parts);
    auto* y = valueAxis(quantity, all, fromZero);
    addAxes(chart, x, y);
    const double left = 0.5;
    const double right = double(data.appraiserNames.size() * data.parts) + 0.5;
    const auto level = [&](const QString& name, double value, const QColor& colour,
                           Qt::PenStyle style) {
        attach(chart, line(name, {QPointF(left, value), QPointF(right, value)}, colour, 0.8, style),
               x, y);
    };
    level(QStringLiteral("UCL"), control.upperLimit, limitColour, Qt::DashLine);
    level(QStringLiteral("Centre"), control.centre, centreColour, Qt::SolidLine);
    level(QStringLiteral("LCL"), control.lowerLimit, limitColour, Qt::DashLine);
    for (qsizetype a = 0; a < control.pointsByAppraiser.size(); ++a)
        attach(chart,
               line(data.appraiserNames.value(a), control.pointsByAppraiser.at(a),
                    appraiserColours[a], 0.9, Qt::SolidLine, true),
               x, y);
    return chart;
}

// Every reading as a dot over its part or appraiser, and the means joined by a line.
QChart* readingsChart(const QString& title, const QString& xTitle, const QStringList& labels,
                      const QList<QPointF>& readings, const QList<QPointF>& means)
{
    QChart* chart = newChart(title);
    auto* x = blockAxis(xTitle, labels, 1);
    auto* y = valueAxis(QStringLiteral("Reading"), yValues(readings));
    addAxes(chart, x, y);
    attach(chart, dots(readings, QColor(0x78, 0x90, 0x9c)), x, y);
    attach(chart,
           line(QStringLiteral("Mean"), means, QColor(0x1f, 0x5f, 0xbf), 1.0, Qt::SolidLine, true),
           x, y);
    return chart;
}

QChart* interactionChart(const GageChartData& data)
{
    QChart* chart = newChart(QStringLiteral("Appraiser x part interaction"));
    QList<double> all;
    for (const QList<QPointF>& points : data.interaction)
        all << yValues(points);
    auto* x = blockAxis(QStringLiteral("Part"), partLabels(data.parts), 1);
    auto* y = valueAxis(QStringLiteral("Average"), all);
    addAxes(chart, x, y);
    for (qsizetype a = 0; a < data.interaction.size(); ++a)
        attach(chart,
               line(data.appraiserNames.value(a), data.interaction.at(a), appraiserColours[a], 1.0,
                    Qt::SolidLine, true),
               x, y);
    chart->legend()->show();
    return chart;
}

// Texts on the page: each call draws one line at `y` and returns the next line's top.
double drawTextLine(QPainter& painter, const QString& text, const QFont& font, const QRectF& area,
                    double y, const QColor& colour = Qt::black)
{
    const QFontMetricsF metrics(font);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(QPointF(area.left(), y + metrics.ascent()),
                     metrics.elidedText(text, Qt::ElideRight, area.width()));
    return y + metrics.height() * 1.2;
}

// A table laid out in the page's fonts: its columns' widths and its extent.
class TableBlock
{
public:
    explicit TableBlock(const TextTable& table) : m_table(table)
    {
        const QFontMetricsF bold(boldFont());
        const QFontMetricsF body(bodyFont());
        for (qsizetype r = 0; r < table.rows.size(); ++r) {
            const QStringList& row = table.rows.at(r);
            m_widths.resize(qMax(m_widths.size(), row.size()));
            for (qsizetype c = 0; c < row.size(); ++c)
                m_widths[c] = qMax(m_widths[c],
                                   (r == 0 ? bold : body).horizontalAdvance(row.at(c)) + padding);
        }
        m_rowHeight = bold.height() * 1.15;
    }

    double width() const
    {
        double total = 0;
        for (double w : m_widths)
            total += w;
        return qMax(total, QFontMetricsF(boldFont()).horizontalAdvance(m_table.title));
    }
    double height() const { return m_rowHeight * double(m_table.rows.size() + 1); }

    void draw(QPainter& painter, QPointF topLeft) const
    {
        const double ascent = QFontMetricsF(boldFont()).ascent();
        painter.setPen(Qt::black);
        painter.setFont(boldFont());
        painter.drawText(topLeft + QPointF(0, ascent), m_table.title);
        double y = topLeft.y() + m_rowHeight;
        for (qsizetype r = 0; r < m_table.rows.size(); ++r) {
            painter.setFont(r == 0 ? boldFont() : bodyFont());
            const QFontMetricsF metrics(painter.font());
            double x = topLeft.x();
            const QStringList& row = m_table.rows.at(r);
            for (qsizetype c = 0; c < row.size(); ++c) {
                // Sources read from the left, figures line up on the right.
                const double textX =
                    c == 0 ? x
                           : x + m_widths[c] - padding / 2 - metrics.horizontalAdvance(row.at(c));
                painter.drawText(QPointF(textX, y + ascent), row.at(c));
                x += m_widths[c];
            }
            y += m_rowHeight;
            if (r == 0) {
                painter.setPen(QPen(Qt::black, 0.4));
                painter.drawLine(QPointF(topLeft.x(), y - m_rowHeight * 0.12),
                                 QPointF(x, y - m_rowHeight * 0.12));
            }
        }
    }

private:
    static QFont bodyFont() { return chartFont(7); }
    static QFont boldFont() { return chartFont(7, true); }
    static constexpr double padding = 8;

    const TextTable& m_table;
    QList<double> m_widths;
    double m_rowHeight = 0;
};

// The tables below the charts: the ANOVA tables stacked on the left, the distinct
// categories on the right, the variance components across the page beneath them.
class TablesBlock
{
public:
    explicit TablesBlock(const QList<TextTable>& tables)
    {
        for (const TextTable& table : tables)
            m_blocks.emplace_back(table);
    }

    double height() const
    {
        return std::max(leftHeight(), categories().height()) + gap + components().height();
    }
    double width() const
    {
        double anovaWidth = 0;
        for (std::size_t i = 0; i + 2 < m_blocks.size(); ++i)
            anovaWidth = std::max(anovaWidth, m_blocks[i].width());
        return std::max(anovaWidth + gap * 2 + categories().width(), components().width());
    }

    void draw(QPainter& painter, const QPointF& topLeft) const
    {
        double y = topLeft.y();
        double anovaWidth = 0;
        for (std::size_t i = 0; i + 2 < m_blocks.size(); ++i) {
            m_blocks[i].draw(painter, QPointF(topLeft.x(), y));
            y += m_blocks[i].height() + gap / 2;
            anovaWidth = std::max(anovaWidth, m_blocks[i].width());
        }
        categories().draw(painter, QPointF(topLeft.x() + anovaWidth + gap * 2, topLeft.y()));
        components().draw(
            painter, QPointF(topLeft.x(),
                             topLeft.y() + std::max(leftHeight(), categories().height()) + gap));
    }

private:
    static constexpr double gap = 10;

    const TableBlock& components() const { return m_blocks[m_blocks.size() - 2]; }
    const TableBlock& categories() const { return m_blocks.back(); }
    double leftHeight() const
    {
        double height = 0;
        for (std::size_t i = 0; i + 2 < m_blocks.size(); ++i)
            height += m_blocks[i].height() + gap / 2;
        return height;
    }

    std::vector<TableBlock> m_blocks;
};

} // namespace

GageChartScene::GageChartScene(QObject* parent) : QGraphicsScene(parent)
{
    setSceneRect(0, 0, 2 * chartWidth, 3 * chartHeight);
    setBackgroundBrush(Qt::white);
}

void GageChartScene::showCharts(const GageChartData& data)
{
    clear();
    m_charts.clear();
    const QStringList parts = partLabels(data.parts);
    place(componentsChart(data), 0, 0);
    place(controlChart(data.ranges, data, QStringLiteral("Range"), true), 0, 1);
    place(controlChart(data.averages, data, QStringLiteral("Average"), false), 0, 2);
    place(readingsChart(QStringLiteral("Readings by part"), QStringLiteral("Part"), parts,
                        data.readingsByPart, data.partMeans),
          1, 0);
    place(readingsChart(QStringLiteral("Readings by appraiser"), QStringLiteral("Appraiser"),
                        data.appraiserNames, data.readingsByAppraiser, data.appraiserMeans),
          1, 1);
    place(interactionChart(data), 1, 2);
}

void GageChartScene::place(QChart* chart, int column, int row)
{
    chart->setGeometry(QRectF(column * chartWidth, row * chartHeight, chartWidth, chartHeight));
    addItem(chart);
    m_charts.append(chart);
}

void DrawGageChartPage(QPainter& painter, const QRectF& area, const GageChartPage& page)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    double y = drawTextLine(painter, page.title, chartFont(12, true), area, area.top());
    y = drawTextLine(painter,
                     QStringLiteral("Feature: %1    Verdict: %2").arg(page.feature, page.verdict),
                     chartFont(9, true), area, y + 2);
    if (!page.problem.isEmpty()) {
        drawTextLine(painter, page.problem, chartFont(9), area, y + 6);
        painter.restore();
        return;
    }
    y = drawTextLine(painter, page.summary, chartFont(8), area, y);
    y = drawTextLine(painter, page.options, chartFont(7), area, y, QColor(0x55, 0x55, 0x55)) + 4;

    const TablesBlock tables(page.tables);
    // Tables wider than the page are drawn smaller rather than cut.
    const double tableScale = std::min(1.0, area.width() / tables.width());
    const double tablesHeight = tables.height() * tableScale;
    const QRectF chartsArea(area.left(), y, area.width(), area.bottom() - y - tablesHeight - 8);
    GageChartScene scene;
    scene.showCharts(page.charts);
    const QRectF sceneRect = scene.sceneRect();
    const double chartScale =
        std::min(chartsArea.width() / sceneRect.width(), chartsArea.height() / sceneRect.height());
    const QRectF target(
        chartsArea.left() + (chartsArea.width() - sceneRect.width() * chartScale) / 2,
        chartsArea.top(), sceneRect.width() * chartScale, sceneRect.height() * chartScale);
    scene.render(&painter, target, sceneRect);

    painter.save();
    painter.translate(area.left(), target.bottom() + 8);
    painter.scale(tableScale, tableScale);
    tables.draw(painter, QPointF(0, 0));
    painter.restore();
    painter.restore();
}
