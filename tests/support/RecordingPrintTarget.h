#pragma once

#include "printing/PrintTarget.h"
#include "printing/Printing.h"

#include <QImage>
#include <QLineF>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <memory>
#include <optional>

// What was drawn on a page, in the page's points (origin at the top-left corner of the
// printable area), after the painter's transformation.
struct RecordedItem
{
    enum Kind { Text, Line, Image };
    Kind kind;
    // Text: the baseline's left end; the other kinds: their bounding box's top-left.
    QPointF position;
    QRectF bounds;
    QString text;
    QLineF line;
    // Image: the picture drawn.
    QImage image;
};

struct RecordedPage
{
    QList<RecordedItem> items;

    QList<RecordedItem> ofKind(RecordedItem::Kind kind) const;
    // The texts in drawing order.
    QStringList texts() const;
    // The first text item that contains `text`; nullptr when there is none.
    const RecordedItem* findText(const QString& text) const;
};

struct RecordedDocument
{
    QList<RecordedPage> pages;
    bool ended = false;
};

class RecordingPaintDevice;

// A print target for tests: records every document, page and drawing call instead of
// printing. Pages are US Letter with a quarter-inch unprintable margin, at 72 dpi.
// A step can be made to fail once to try a caller's error handling.
class RecordingPrintTarget final : public PrintTarget
{
public:
    enum class Step { Begin, End };

    // Records into its own list, or into `shared` (not owned) when given.
    explicit RecordingPrintTarget(QList<RecordedDocument>* shared = nullptr);
    ~RecordingPrintTarget() override;

    bool beginDocument() override;
    bool newPage() override;
    bool endDocument() override;
    QPainter& painter() override;
    QRectF paperRect() const override;
    QRectF printableRect() const override;
    QString errorString() const override { return m_error; }

    // The next time `step` runs it fails with `error`, and records nothing (one step at a time).
    void failOnce(Step step, const QString& error);

    const QList<RecordedDocument>& documents() const { return *m_documents; }

protected:
    double resolution() const override { return 72.0; }

private:
    bool failing(Step step);

    QList<RecordedDocument> m_own;
    QList<RecordedDocument>* m_documents;
    std::unique_ptr<RecordingPaintDevice> m_device;
    std::unique_ptr<QPainter> m_painter;
    std::optional<std::pair<Step, QString>> m_failure;
    QString m_error;
};

// The printing seam for tests, installed for its lifetime: every print action gets a
// recording target, and all of their documents land in documents().
class RecordingPrinting final : public Printing
{
public:
    RecordingPrinting();
    ~RecordingPrinting() override;

    // The name the printer dialog shows; empty for a machine without a printer.
    void setPrinterName(const QString& name) { m_printerName = name; }
    // The next print action is cancelled at the choice of its PDF file.
    void cancelNextAction() { m_cancelNext = true; }
    // The next print action's target fails `step` once (one step at a time).
    void failNext(RecordingPrintTarget::Step step, const QString& error);

    struct Action
    {
        QString documentName;
        int documents;
    };
    const QList<Action>& actions() const { return m_actions; }
    const QList<RecordedDocument>& documents() const { return m_documents; }

    QString defaultPrinterName() const override { return m_printerName; }
    std::unique_ptr<PrintTarget> openTarget(QWidget* parent, const QString& documentName,
                                            int documents) override;

private:
    QString m_printerName = QStringLiteral("Recording Printer");
    bool m_cancelNext = false;
    std::optional<std::pair<RecordingPrintTarget::Step, QString>> m_failure;
    QList<Action> m_actions;
    QList<RecordedDocument> m_documents;
};
