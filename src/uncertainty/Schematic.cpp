#include "uncertainty/Schematic.h"

#include "common/Twips.h"
#include "frame/PlaceControl.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

Schematic::Schematic(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

Schematic& Schematic::line(QPointF from, QPointF to)
{
    m_items.push_back({Item::Kind::Line, QPolygonF({from, to}), 0, {}});
    return *this;
}

Schematic& Schematic::arrow(QPointF from, QPointF to)
{
    line(from, to);
    const QPointF along = to - from;
    const double length = std::hypot(along.x(), along.y());
    if (length == 0)
        return *this;
    const QPointF back = along / length * 120;
    const QPointF side(-back.y() / 3, back.x() / 3);
    return polygon(QPolygonF({to, to - back + side, to - back - side}), true);
}

Schematic& Schematic::circle(QPointF centre, double radius)
{
    m_items.push_back({Item::Kind::Circle, QPolygonF({centre}), radius, {}});
    return *this;
}

Schematic& Schematic::polygon(const QPolygonF& corners, bool filled)
{
    m_items.push_back({filled ? Item::Kind::FilledPolygon : Item::Kind::Polygon, corners, 0, {}});
    return *this;
}

Schematic& Schematic::label(QPointF centre, const QString& text)
{
    m_items.push_back({Item::Kind::Label, QPolygonF({centre}), 0, text});
    return *this;
}

void Schematic::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ink = palette().color(QPalette::WindowText);
    painter.setPen(QPen(ink, 0));
    const QTransform toPixels = QTransform::fromScale(1.0 / Twips::perPixel, 1.0 / Twips::perPixel);
    for (const Item& item : m_items) {
        const QPolygonF points = toPixels.map(item.points);
        switch (item.kind) {
        case Item::Kind::Line:
            painter.drawLine(points[0], points[1]);
            break;
        case Item::Kind::Circle: {
            const double radius = item.radius / Twips::perPixel;
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(points[0], radius, radius);
            break;
        }
        case Item::Kind::Polygon:
        case Item::Kind::FilledPolygon:
            painter.setBrush(item.kind == Item::Kind::FilledPolygon ? QBrush(ink) : Qt::NoBrush);
            painter.drawPolygon(points);
            break;
        case Item::Kind::Label: {
            const QSizeF box(60, 30);
            painter.drawText(QRectF(points[0] - QPointF(box.width(), box.height()) / 2, box),
                             Qt::AlignCenter, item.text);
            break;
        }
        }
    }
}

namespace Schematics {
namespace {

QPolygonF rectangle(double left, double top, double width, double height)
{
    return QPolygonF(QRectF(left, top, width, height));
}

// A datum letter in its box, tied by a line to a filled triangle on the datum feature.
void datum(Schematic& drawing, const QString& letter, QPointF boxCentre, QPointF onFeature,
           QPointF triangleApex)
{
    drawing.polygon(rectangle(boxCentre.x() - 120, boxCentre.y() - 120, 240, 240))
        .label(boxCentre, letter);
    const QPointF leader = triangleApex - boxCentre;
    const QPointF boxEdge =
        boxCentre + leader * (120 / std::max(std::abs(leader.x()), std::abs(leader.y())));
    const QPointF height = onFeature - triangleApex;
    const QPointF half = QPointF(-height.y(), height.x()) * 0.6;
    drawing.line(boxEdge, triangleApex)
        .polygon(QPolygonF({onFeature + half, onFeature - half, triangleApex}), true);
}

// Two thin centre lines crossing at `centre`.
void centreLines(Schematic& drawing, QPointF centre, double reach)
{
    drawing.line(centre - QPointF(reach, 0), centre + QPointF(reach, 0))
        .line(centre - QPointF(0, reach), centre + QPointF(0, reach));
}

} // namespace

Schematic* positionalSketch(QWidget* parent, double left, double top)
{
    auto* drawing = placeControl<Schematic>(parent, nullptr, left, top, 1800, 1365);
    drawing->polygon(rectangle(420, 150, 1320, 870));
    datum(*drawing, QStringLiteral("A"), {180, 120}, {600, 330}, {540, 300});
    datum(*drawing, QStringLiteral("B"), {180, 660}, {420, 660}, {330, 660});
    datum(*drawing, QStringLiteral("C"), {1080, 1245}, {1080, 1020}, {1080, 1110});
    const QPointF hole(1380, 450);
    drawing->circle(hole, 135);
    centreLines(*drawing, hole, 240);
    const QPointF corner(420, 1020);
    const QPointF middle = (corner + hole) / 2;
    drawing->arrow(middle, hole).arrow(middle, corner);
    return drawing;
}

Schematic* diameterSketch(QWidget* parent, double left, double top)
{
    auto* drawing = placeControl<Schematic>(parent, nullptr, left, top, 1800, 1365);
    const QPointF centre(840, 705);
    const double radius = 540;
    drawing->circle(centre, radius);
    centreLines(*drawing, centre, 645);
    const QPointF toRim = QPointF(1, -1) * (radius / std::sqrt(2.0));
    drawing->arrow(centre, centre + toRim).arrow(centre, centre - toRim);
    // The leader from the rim to the diameter symbol: a circle struck through.
    const QPointF symbol(1605, 165);
    drawing->line(centre + toRim, symbol + QPointF(-90, 90))
        .circle(symbol, 90)
        .line(symbol + QPointF(-135, 135), symbol + QPointF(135, -135));
    return drawing;
}

Schematic* orDivider(QWidget* parent, double left, double top, double width)
{
    auto* drawing = placeControl<Schematic>(parent, nullptr, left, top, width, 240);
    const double middle = width / 2;
    drawing->line({0, 120}, {middle - 180, 120})
        .label({middle, 120}, QStringLiteral("or"))
        .line({middle + 180, 120}, {width, 120});
    return drawing;
}

Schematic* formSymbols(QWidget* parent, double left, double top)
{
    auto* drawing = placeControl<Schematic>(parent, nullptr, left, top, 1455, 375);
    for (int cell = 0; cell < 4; ++cell)
        drawing->polygon(rectangle(cell * 360, 0, 360, 360));
    const auto centre = [](int cell) { return QPointF(cell * 360 + 180, 180); };
    drawing->line(centre(0) - QPointF(120, 0), centre(0) + QPointF(120, 0));
    drawing->polygon(QPolygonF({centre(1) + QPointF(-75, -90), centre(1) + QPointF(135, -90),
                                centre(1) + QPointF(75, 90), centre(1) + QPointF(-135, 90)}));
    drawing->circle(centre(2), 105);
    // Cylindricity: a circle between two parallel lines leaning at 60 degrees.
    const QPointF along(std::cos(M_PI / 3), -std::sin(M_PI / 3));
    const QPointF across(-along.y(), along.x());
    drawing->circle(centre(3), 75);
    for (const double side : {-1.0, 1.0}) {
        const QPointF offset = across * (side * 90);
        drawing->line(centre(3) + offset - along * 140, centre(3) + offset + along * 140);
    }
    return drawing;
}

} // namespace Schematics
