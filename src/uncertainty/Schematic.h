#pragma once

#include <QPolygonF>
#include <QString>
#include <QWidget>

#include <vector>

// A small line drawing on a tool panel: lines, circles, outlined or filled polygons and
// short labels, given in twips of the drawing and painted in the panel's text colour.
class Schematic : public QWidget
{
    Q_OBJECT

public:
    explicit Schematic(QWidget* parent);

    Schematic& line(QPointF from, QPointF to);
    // A line ending in a filled arrow head at `to`.
    Schematic& arrow(QPointF from, QPointF to);
    Schematic& circle(QPointF centre, double radius);
    Schematic& polygon(const QPolygonF& corners, bool filled = false);
    // A label centred on `centre`.
    Schematic& label(QPointF centre, const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Item
    {
        enum class Kind { Line, Circle, Polygon, FilledPolygon, Label } kind;
        QPolygonF points;
        double radius = 0;
        QString text;
    };

    std::vector<Item> m_items;
};

// The drawings of the uncertainty window, each placed at a twip position on `parent`.
namespace Schematics {

// A plate with its datums A (the face), B and C (two edges) and a hole positioned from
// their corner: 1800 x 1365 twips.
Schematic* positionalSketch(QWidget* parent, double left, double top);
// A bore with its diameter: 1800 x 1365 twips.
Schematic* diameterSketch(QWidget* parent, double left, double top);
// A divider with "or" between two alternative groups, `width` twips wide.
Schematic* orDivider(QWidget* parent, double left, double top, double width);
// The form symbols, straightness, flatness, circularity and cylindricity, each in a
// frame cell: 1440 x 360 twips.
Schematic* formSymbols(QWidget* parent, double left, double top);

} // namespace Schematics
