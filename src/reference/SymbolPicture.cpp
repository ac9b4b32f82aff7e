#include "reference/SymbolPicture.h"

#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

SymbolPicture::SymbolPicture(QWidget* parent) : QWidget(parent), m_renderer(new QSvgRenderer(this))
{
}

void SymbolPicture::setPicture(const QString& svgFile)
{
    m_picture = svgFile;
    m_renderer->load(svgFile);
    update();
}

QSize SymbolPicture::pictureSize() const
{
    return m_renderer->defaultSize();
}

void SymbolPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    m_renderer->render(&painter, rect());
}

void SymbolPicture::mousePressEvent(QMouseEvent* event)
{
    event->setAccepted(event->button() == Qt::LeftButton);
}

void SymbolPicture::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}
