#pragma once

#include "rrstudy/GageChartPage.h"

#include <QGraphicsScene>
#include <QList>

class QChart;

// The six charts of a feature, drawn with Qt Charts on one scene measured in points:
// components of variation, the R and Xbar charts by appraiser down the left, readings
// by part, readings by appraiser and the appraiser x part interaction down the right.
// The window shows the scene; the printed page renders it, as vectors.
class GageChartScene : public QGraphicsScene
{
    Q_OBJECT

public:
    explicit GageChartScene(QObject* parent = nullptr);

    // Replaces the charts with those of `data`.
    void showCharts(const GageChartData& data);
    const QList<QChart*>& charts() const { return m_charts; }

    static constexpr double chartWidth = 280;
    static constexpr double chartHeight = 190;

private:
    void place(QChart* chart, int column, int row);

    QList<QChart*> m_charts;
};

// The whole page of a feature within `area` of a painter measuring in points: the
// title, the feature and its verdict, the six charts and the ANOVA tables below them.
void DrawGageChartPage(QPainter& painter, const QRectF& area, const GageChartPage& page);
