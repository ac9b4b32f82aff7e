#pragma once

#include <QSizeF>

class QPainter;

// The dial on which the angle converter sweeps out each converted angle: a blue circle
// with a 12 o'clock mark and eleven hour ticks, filled clockwise from 12 o'clock with one
// line a degree, from 1 up to the angle. Drawn in twips of the dial's inner area.
class ClockFace
{
public:
    // Centre and radius from the dial's inner size, in twips.
    void placeOn(const QSizeF& innerSize);

    void drawDial(QPainter& painter) const;

    // The next sweep starts again at 1 degree and ends after the line at `target`; it
    // always draws at least the line at 1 degree.
    void startSweep(float target);
    // Draws the line at the sweep's angle and moves on a degree; false once the sweep
    // has passed its target (the caller stops its timer).
    bool drawSweepLine(QPainter& painter);

private:
    float ClockCenterX = 0;
    float ClockCenterY = 0;
    float ClockRadius = 0;
    float SweepAngle = 1;
    float SweepTarget = 0;
};
