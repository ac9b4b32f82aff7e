#include "codekeeper/CodePictures.h"

#include "codekeeper/CodeColours.h"

#include <QFile>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace {

// An SVG drawn on demand at the size asked for, sharp on any screen.
class SvgPictureEngine final : public QIconEngine
{
public:
    explicit SvgPictureEngine(QByteArray svg) : m_svg(std::move(svg)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override
    {
        QSvgRenderer(m_svg).render(painter, rect);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode, QIcon::State, qreal scale) override
    {
        const QSize pixels = size * scale;
        const quint64 key = (quint64(pixels.width()) << 32) | quint32(pixels.height());
        QPixmap& cached = m_cache[key];
        if (cached.isNull()) {
            QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            QSvgRenderer(m_svg).render(&painter);
            painter.end();
            cached = QPixmap::fromImage(image);
            cached.setDevicePixelRatio(scale);
        }
        return cached;
    }

    QIconEngine* clone() const override { return new SvgPictureEngine(m_svg); }

private:
    QByteArray m_svg;
    QHash<quint64, QPixmap> m_cache;
};

QByteArray master(const char* name)
{
    QFile file(QStringLiteral(":/codekeeper/pictures/%1.svg").arg(QLatin1String(name)));
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

// The master's stand-in colours replaced by the colour, its shade and its edge.
QByteArray inColour(QByteArray svg, const QColor& colour)
{
    return svg.replace("#ff00ff", colour.name().toLatin1())
        .replace("#c000c0", colour.darker(125).name().toLatin1())
        .replace("#800080", colour.darker(180).name().toLatin1());
}

} // namespace

QList<QIcon> loadCodePictures()
{
    const QByteArray masters[] = {master("closed"), master("open"), master("page"),
                                  master("entry")};
    QList<QIcon> pictures;
    for (const CodeColour& colour : codeColours())
        for (const QByteArray& svg : masters)
            pictures.append(QIcon(new SvgPictureEngine(inColour(svg, colour.shade))));
    return pictures;
}
