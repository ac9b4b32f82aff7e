#pragma once

#include <QString>
#include <QWidget>

class QSvgRenderer;

// A picture control showing an SVG drawing stretched to its size, clickable. The picture's
// own size is the drawing's default size.
class SymbolPicture : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString picture READ picture)

public:
    explicit SymbolPicture(QWidget* parent = nullptr);

    void setPicture(const QString& svgFile);
    QString picture() const { return m_picture; }
    QSize pictureSize() const;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString m_picture;
    QSvgRenderer* m_renderer;
};
