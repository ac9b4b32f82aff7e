#include "printing/PrintTarget.h"

#include <QFont>
#include <QPagedPaintDevice>
#include <QPainter>

namespace {

constexpr double pointsPerInch = 72.0;

} // namespace

void PrintTarget::setFont(const QFont& font)
{
    // A point size is turned into device pixels at the device's resolution and then
    // scaled again by the painter's points-to-pixels scale; shrinking it by the same
    // factor beforehand leaves the text exactly the size asked for. A size given in
    // pixels already counts in the painter's units.
    QFont scaled(font);
    if (font.pointSizeF() > 0)
        scaled.setPointSizeF(font.pointSizeF() * pointsPerInch / resolution());
    painter().setFont(scaled);
}

QFontMetricsF PrintTarget::fontMetrics()
{
    return QFontMetricsF(painter().font(), painter().device());
}

PagedPrintTarget::PagedPrintTarget() = default;

PagedPrintTarget::~PagedPrintTarget()
{
    if (m_painter && m_painter->isActive())
        m_painter->end();
}

bool PagedPrintTarget::startPainting(QPagedPaintDevice& device)
{
    m_device = &device;
    m_layout = device.pageLayout();
    m_resolution = device.logicalDpiY();
    m_painter = std::make_unique<QPainter>();
    if (!m_painter->begin(&device)) {
        m_device = nullptr;
        return false;
    }
    m_painter->scale(device.logicalDpiX() / pointsPerInch, device.logicalDpiY() / pointsPerInch);
    return true;
}

bool PagedPrintTarget::finishPainting()
{
    m_device = nullptr;
    return !m_painter || !m_painter->isActive() || m_painter->end();
}

bool PagedPrintTarget::newPage()
{
    if (!m_device || !m_painter || !m_painter->isActive()) {
        setErrorString(QStringLiteral("No document has been started."));
        return false;
    }
    if (!m_device->newPage()) {
        setErrorString(QStringLiteral("The printer could not start a new page."));
        return false;
    }
    return true;
}

QPainter& PagedPrintTarget::painter()
{
    if (!m_painter)
        m_painter = std::make_unique<QPainter>();
    return *m_painter;
}

QRectF PagedPrintTarget::paperRect() const
{
    const QRectF paper = m_layout.fullRect(QPageLayout::Point);
    const QRectF printable = m_layout.paintRect(QPageLayout::Point);
    return QRectF(paper.left() - printable.left(), paper.top() - printable.top(), paper.width(),
                  paper.height());
}

QRectF PagedPrintTarget::printableRect() const
{
    return QRectF(QPointF(0, 0), m_layout.paintRect(QPageLayout::Point).size());
}

double PagedPrintTarget::resolution() const
{
    return m_resolution;
}
