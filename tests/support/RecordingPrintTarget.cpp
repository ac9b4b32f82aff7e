#include "RecordingPrintTarget.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPixmap>

#include <functional>

namespace {

// US Letter with a quarter-inch margin, in points.
const QRectF paper(-18, -18, 612, 792);
const QRectF printable(0, 0, 576, 756);

class RecordingPaintEngine final : public QPaintEngine
{
public:
    RecordingPaintEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}

    // Where the drawing calls go; nothing is recorded without it.
    std::function<void(const RecordedItem&)> sink;

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }

    void updateState(const QPaintEngineState& state) override
    {
        if (state.state() & QPaintEngine::DirtyTransform)
            m_transform = state.transform();
    }

    void drawTextItem(const QPointF& p, const QTextItem& textItem) override
    {
        const QFontMetricsF metrics(textItem.font());
        const QRectF box(p.x(), p.y() - metrics.ascent(), textItem.width(), metrics.height());
        RecordedItem item{RecordedItem::Text,
                          m_transform.map(p),
                          m_transform.mapRect(box),
                          textItem.text(),
                          {},
                          {}};
        record(item);
    }

    void drawLines(const QLineF* lines, int lineCount) override
    {
        for (int i = 0; i < lineCount; ++i) {
            const QLineF line = m_transform.map(lines[i]);
            const QRectF box = QRectF(line.p1(), line.p2()).normalized();
            record({RecordedItem::Line, box.topLeft(), box, {}, line, {}});
        }
    }

    // Shapes are not recorded: no test reads them.
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}

    void drawPixmap(const QRectF& rect, const QPixmap& pixmap, const QRectF& source) override
    {
        recordBox(RecordedItem::Image, rect, pixmap.copy(source.toRect()).toImage());
    }

    void drawImage(const QRectF& rect, const QImage& image, const QRectF& source,
                   Qt::ImageConversionFlags) override
    {
        recordBox(RecordedItem::Image, rect, image.copy(source.toRect()));
    }

    void drawTiledPixmap(const QRectF& rect, const QPixmap& pixmap, const QPointF&) override
    {
        recordBox(RecordedItem::Image, rect, pixmap.toImage());
    }

private:
    void recordBox(RecordedItem::Kind kind, const QRectF& rect, const QImage& image = {})
    {
        const QRectF box = m_transform.mapRect(rect);
        record({kind, box.topLeft(), box, {}, {}, image});
    }

    void record(const RecordedItem& item)
    {
        if (sink)
            sink(item);
    }

    QTransform m_transform;
};

} // namespace

// A 72 dpi device: one unit of its painter is one point.
class RecordingPaintDevice final : public QPaintDevice
{
public:
    QPaintEngine* paintEngine() const override { return &m_engine; }
    void setSink(std::function<void(const RecordedItem&)> sink) { m_engine.sink = std::move(sink); }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
            return int(printable.width());
        case PdmHeight:
            return int(printable.height());
        case PdmWidthMM:
            return int(printable.width() * 25.4 / 72);
        case PdmHeightMM:
            return int(printable.height() * 25.4 / 72);
        case PdmNumColors:
            return INT_MAX;
        case PdmDepth:
            return 32;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 72;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        }
        return 0;
    }

private:
    mutable RecordingPaintEngine m_engine;
};

QList<RecordedItem> RecordedPage::ofKind(RecordedItem::Kind kind) const
{
    QList<RecordedItem> found;
    for (const RecordedItem& item : items)
        if (item.kind == kind)
            found.append(item);
    return found;
}

QStringList RecordedPage::texts() const
{
    QStringList found;
    for (const RecordedItem& item : items)
        if (item.kind == RecordedItem::Text)
            found.append(item.text);
    return found;
}

const RecordedItem* RecordedPage::findText(const QString& text) const
{
    for (const RecordedItem& item : items)
        if (item.kind == RecordedItem::Text && item.text.contains(text))
            return &item;
    return nullptr;
}

RecordingPrintTarget::RecordingPrintTarget(QList<RecordedDocument>* shared)
    : m_documents(shared ? shared : &m_own), m_device(std::make_unique<RecordingPaintDevice>()),
      m_painter(std::make_unique<QPainter>())
{
    m_device->setSink([this](const RecordedItem& item) {
        if (m_painter->isActive())
            m_documents->last().pages.last().items.append(item);
    });
}

RecordingPrintTarget::~RecordingPrintTarget()
{
    if (m_painter->isActive())
        m_painter->end();
}

void RecordingPrintTarget::failOnce(Step step, const QString& error)
{
    m_failure = {step, error};
}

bool RecordingPrintTarget::failing(Step step)
{
    if (!m_failure || m_failure->first != step)
        return false;
    m_error = m_failure->second;
    m_failure.reset();
    return true;
}

bool RecordingPrintTarget::beginDocument()
{
    if (m_painter->isActive()) {
        m_error = QStringLiteral("The previous document has not been ended.");
        return false;
    }
    if (failing(Step::Begin))
        return false;
    m_documents->append(RecordedDocument{{RecordedPage{}}, false});
    return m_painter->begin(m_device.get());
}

bool RecordingPrintTarget::newPage()
{
    if (!m_painter->isActive()) {
        m_error = QStringLiteral("No document has been started.");
        return false;
    }
    m_documents->last().pages.append(RecordedPage{});
    return true;
}

bool RecordingPrintTarget::endDocument()
{
    if (!m_painter->isActive()) {
        m_error = QStringLiteral("No document has been started.");
        return false;
    }
    m_painter->end();
    if (failing(Step::End))
        return false;
    m_documents->last().ended = true;
    return true;
}

QPainter& RecordingPrintTarget::painter()
{
    return *m_painter;
}

QRectF RecordingPrintTarget::paperRect() const
{
    return paper;
}

QRectF RecordingPrintTarget::printableRect() const
{
    return printable;
}

RecordingPrinting::RecordingPrinting()
{
    installPrinting(this);
}

RecordingPrinting::~RecordingPrinting()
{
    installPrinting(nullptr);
}

void RecordingPrinting::failNext(RecordingPrintTarget::Step step, const QString& error)
{
    m_failure = {step, error};
}

std::unique_ptr<PrintTarget> RecordingPrinting::openTarget(QWidget*, const QString& documentName,
                                                           int documents)
{
    m_actions.append({documentName, documents});
    if (m_cancelNext) {
        m_cancelNext = false;
        return nullptr;
    }
    auto target = std::make_unique<RecordingPrintTarget>(&m_documents);
    if (m_failure)
        target->failOnce(m_failure->first, m_failure->second);
    m_failure.reset();
    return target;
}
