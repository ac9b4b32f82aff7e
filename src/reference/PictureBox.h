#pragma once

#include <QFrame>
#include <QImage>

#include <functional>

class QPainter;

// A picture box: a sunken frame whose inner area holds child controls and what is drawn
// on it. Drawings go into an image of the inner area, so they stay when the window is
// covered or hidden and shown again.
class PictureBox : public QFrame
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr);

    // The inner area, inside the border: child controls are placed on it.
    QWidget* client();
    // The inner area's size in twips.
    QSizeF clientSize();

    // The colour the inner area is cleared to.
    void setBackColor(const QColor& colour);
    void clear();
    // Runs `drawing` on the picture with a painter in twips of the inner area.
    void draw(const std::function<void(QPainter&)>& drawing);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // Fits the inner area to the frame's contents, keeping the drawing when the size
    // stays the same.
    void fitClient();

    class Client;
    Client* m_client;
    QColor m_backColor;
};
