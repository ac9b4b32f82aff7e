#include "reference/ClockFace.h"

#include "common/Twips.h"

#include <QPainter>

#include <cmath>

namespace {

const double pi = 3.14159265358979;
const QColor blue(0, 0, 255);

// A point at `fraction` of the radius, `degrees` clockwise from 12 o'clock.
QPointF onDial(float centreX, float centreY, float radius, double degrees, double fraction = 1)
{
    const double t = degrees * (pi / 180);
    return {centreX + fraction * radius * std::sin(t), centreY - fraction * radius * std::cos(t)};
}

QPen bluePen(int pixels)
{
    QPen pen(blue, pixels * Twips::perPixel);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

} // namespace

void ClockFace::placeOn(const QSizeF& innerSize)
{
    ClockCenterY = float(innerSize.height() / 2);
    ClockCenterX = float(innerSize.width() / 2);
    ClockRadius = float(innerSize.height() / 2.25);
}

void ClockFace::drawDial(QPainter& painter) const
{
    painter.save();
    painter.setPen(bluePen(2));
    painter.setBrush(Qt::NoBrush);
    const QPointF centre(ClockCenterX, ClockCenterY);
    painter.drawEllipse(centre, ClockRadius, ClockRadius);
    painter.drawLine(centre, QPointF(ClockCenterX, ClockCenterY - ClockRadius));
    for (int hour = 1; hour <= 11; ++hour)
        painter.drawLine(onDial(ClockCenterX, ClockCenterY, ClockRadius, hour * 30, 0.9),
                         onDial(ClockCenterX, ClockCenterY, ClockRadius, hour * 30));
    painter.restore();
}

void ClockFace::startSweep(float target)
{
    SweepAngle = 1;
    SweepTarget = target;
}

bool ClockFace::drawSweepLine(QPainter& painter)
{
    painter.save();
    painter.setPen(bluePen(4));
    painter.drawLine(QPointF(ClockCenterX, ClockCenterY),
                     onDial(ClockCenterX, ClockCenterY, ClockRadius, SweepAngle));
    painter.restore();
    SweepAngle += 1;
    return SweepAngle <= SweepTarget;
}
