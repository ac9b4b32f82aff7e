#pragma once

#include <QColor>
#include <QLine>
#include <QWidget>

// A straight line drawn on a panel between two points given in twips of its parent,
// as a widget of its own so it can be shown, hidden and found by name.
class LineControl : public QWidget
{
    Q_OBJECT

public:
    LineControl(const QString& name, QPointF fromTwips, QPointF toTwips, const QColor& colour,
                QWidget* parent);

    // The line's end points in the parent's pixels.
    QLine line() const { return m_line; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLine m_line;
    QColor m_colour;
};
