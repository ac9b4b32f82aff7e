#include "LabelBeside.h"

#include <QLabel>

QString labelBeside(const QWidget& control)
{
    const QWidget* window = control.window();
    const QRect box(control.mapTo(window, QPoint(0, 0)), control.size());
    const QLabel* nearest = nullptr;
    int nearestGap = 0;
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        const QRect rect(label->mapTo(window, QPoint(0, 0)), label->size());
        const int gap = box.left() - rect.right();
        if (label->isVisibleTo(window) && gap > 0 && rect.top() <= box.center().y()
            && rect.bottom() >= box.center().y() && (!nearest || gap < nearestGap)) {
            nearest = label;
            nearestGap = gap;
        }
    }
    return nearest ? nearest->text() : QString();
}
