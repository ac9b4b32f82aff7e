#include "reference/PictureBox.h"

#include "common/Twips.h"

#include <QPaintEvent>
#include <QPainter>

// The inner area: shows the drawing under its children.
class PictureBox::Client : public QWidget
{
public:
    using QWidget::QWidget;

    QImage image;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter painter(this);
        painter.drawImage(event->rect(), image, event->rect());
    }
};

PictureBox::PictureBox(QWidget* parent)
    : QFrame(parent), m_client(new Client(this)), m_backColor(palette().color(QPalette::Button))
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
}

QWidget* PictureBox::client()
{
    fitClient();
    return m_client;
}

QSizeF PictureBox::clientSize()
{
    fitClient();
    return {Twips::fromPixels(m_client->width()), Twips::fromPixels(m_client->height())};
}

void PictureBox::setBackColor(const QColor& colour)
{
    m_backColor = colour;
    clear();
}

void PictureBox::clear()
{
    fitClient();
    m_client->image.fill(m_backColor);
    m_client->update();
}

void PictureBox::draw(const std::function<void(QPainter&)>& drawing)
{
    fitClient();
    {
        QPainter painter(&m_client->image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(1.0 / Twips::perPixel, 1.0 / Twips::perPixel);
        drawing(painter);
    }
    m_client->update();
}

void PictureBox::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    fitClient();
}

void PictureBox::fitClient()
{
    // The frame's geometry is set after it is made and before it is first shown, when no
    // resize event has come yet: the inner area follows it whenever it is asked for.
    m_client->setGeometry(contentsRect());
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = m_client->size() * ratio;
    if (m_client->image.size() == pixels)
        return;
    m_client->image = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
    m_client->image.setDevicePixelRatio(ratio);
    m_client->image.fill(m_backColor);
}
