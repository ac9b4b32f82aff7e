#pragma once

#include <QFontMetricsF>
#include <QPageLayout>
#include <QRectF>
#include <QString>

#include <memory>

class QFont;
class QPagedPaintDevice;
class QPainter;

// Where printed documents go: the default printer, PDF files, or a test's recording.
//
// A print action makes one or more documents; each is beginDocument(), any number of
// newPage(), endDocument(). Between the two, painter() draws on the current page in
// points (1/72 inch) with its origin at the top-left corner of the printable area, so
// text stays text and lines stay lines whatever the device's resolution. Fonts are set
// through setFont() so that their point sizes count in those points too.
//
// A step that fails returns false and leaves its reason in errorString(); the caller
// decides whether to report it and go on.
class PrintTarget
{
public:
    virtual ~PrintTarget() = default;

    // Starts a document on a fresh page.
    virtual bool beginDocument() = 0;
    // Ends the current page and starts the next one of the same document.
    virtual bool newPage() = 0;
    // Ends the document: its pages go to the printer or into the file.
    virtual bool endDocument() = 0;

    // Valid between beginDocument() and endDocument().
    virtual QPainter& painter() = 0;

    // The whole sheet of paper, in the painter's points: its top-left corner lies above
    // and left of the origin by the unprintable margins.
    virtual QRectF paperRect() const = 0;
    // The printable area, in points: (0, 0) to its width and height.
    virtual QRectF printableRect() const = 0;

    virtual QString errorString() const = 0;

    // Sets the painter's font, its point size measured in the painter's points.
    void setFont(const QFont& font);
    // Metrics of the painter's font, in points.
    QFontMetricsF fontMetrics();

protected:
    // The device's resolution in dots per inch: the painter is scaled by resolution / 72.
    virtual double resolution() const = 0;
};

// The painting part shared by the printer and the PDF files: a painter over a paged
// device, scaled to points.
class PagedPrintTarget : public PrintTarget
{
public:
    ~PagedPrintTarget() override;

    bool newPage() override;
    QPainter& painter() override;
    QRectF paperRect() const override;
    QRectF printableRect() const override;
    QString errorString() const override { return m_error; }

protected:
    PagedPrintTarget();

    // The paper and margins: known before the first document, renewed by each.
    void setPageLayout(const QPageLayout& layout) { m_layout = layout; }
    const QPageLayout& pageLayout() const { return m_layout; }
    // Opens the painter on the device and scales it to points.
    bool startPainting(QPagedPaintDevice& device);
    // Ends the painter; false when the device reported a failure while painting.
    bool finishPainting();
    double resolution() const override;
    void setErrorString(const QString& error) { m_error = error; }

private:
    std::unique_ptr<QPainter> m_painter;
    QPagedPaintDevice* m_device = nullptr;
    QPageLayout m_layout;
    double m_resolution = 72.0;
    QString m_error;
};
