#include "triangle/LineControl.h"

#include "common/Twips.h"

#include <QPainter>

LineControl::LineControl(const QString& name, QPointF fromTwips, QPointF toTwips,
                         const QColor& colour, QWidget* parent)
    : QWidget(parent),
      m_line(Twips::point(fromTwips.x(), fromTwips.y()), Twips::point(toTwips.x(), toTwips.y())),
      m_colour(colour)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // One pixel of room around the line keeps its full width inside the widget.
    setGeometry(QRect(m_line.p1(), m_line.p2()).normalized().adjusted(-1, -1, 1, 1));
}

void LineControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(m_colour);
    pen.setWidth(2);
    painter.setPen(pen);
    painter.drawLine(m_line.translated(-pos()));
}
