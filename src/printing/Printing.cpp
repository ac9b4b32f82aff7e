#include "printing/Printing.h"

#include "common/Dialogs.h"
#include "printing/PdfPrintTarget.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace {

// The default printer, at its best resolution; one print job per document.
class PrinterPrintTarget final : public PagedPrintTarget
{
public:
    PrinterPrintTarget(const QPrinterInfo& printer, const QString& documentName)
        : m_printer(printer, QPrinter::HighResolution)
    {
        m_printer.setDocName(documentName);
        m_printer.setCreator(QStringLiteral("Quorvel"));
        setPageLayout(m_printer.pageLayout());
    }

    ~PrinterPrintTarget() override
    {
        // A document that was never ended (a cancelled job) is dropped, not printed.
        if (painter().isActive()) {
            m_printer.abort();
            painter().end();
        }
    }

    bool beginDocument() override
    {
        if (painter().isActive()) {
            setErrorString(QStringLiteral("The previous document has not been ended."));
            return false;
        }
        if (!startPainting(m_printer)) {
            setErrorString(QStringLiteral("The printer %1 could not start the document.")
                               .arg(m_printer.printerName()));
            return false;
        }
        return true;
    }

    bool endDocument() override
    {
        if (!painter().isActive()) {
            setErrorString(QStringLiteral("No document has been started."));
            return false;
        }
        if (!finishPainting() || m_printer.printerState() == QPrinter::Error) {
            setErrorString(QStringLiteral("The printer %1 could not print the document.")
                               .arg(m_printer.printerName()));
            return false;
        }
        return true;
    }

private:
    QPrinter m_printer;
};

class DesktopPrinting final : public Printing
{
public:
    QString defaultPrinterName() const override
    {
        return QPrinterInfo::defaultPrinter().printerName();
    }

    std::unique_ptr<PrintTarget> openTarget(QWidget* parent, const QString& documentName,
                                            int documents) override
    {
        const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
        if (printer.isNull())
            return openPdfTarget(parent, documentName, documents);
        return std::make_unique<PrinterPrintTarget>(printer, documentName);
    }
};

Printing*& installed()
{
    static Printing* implementation = nullptr;
    return implementation;
}

// The folder the last PDF went to, offered again for the next one.
QString& lastPdfFolder()
{
    static QString folder;
    return folder;
}

QString suggestedFileName(const QString& documentName)
{
    QString name = documentName.trimmed();
    static const QString unsafe = QStringLiteral("/\\:*?\"<>|");
    for (QChar& c : name)
        if (unsafe.contains(c))
            c = QLatin1Char('-');
    if (name.isEmpty())
        name = applicationTitle();
    QString folder = lastPdfFolder();
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(folder).filePath(name + QStringLiteral(".pdf"));
}

} // namespace

Printing& printing()
{
    static DesktopPrinting desktop;
    return installed() ? *installed() : desktop;
}

void installPrinting(Printing* implementation)
{
    installed() = implementation;
}

std::unique_ptr<PrintTarget> openPdfTarget(QWidget* parent, const QString& documentName,
                                           int documents)
{
    const QString caption = documents > 1
        ? QStringLiteral("No Printer Detected: Save %1 Documents as PDF").arg(documents)
        : QStringLiteral("No Printer Detected: Save as PDF");
    QString fileName = dialogs().saveFileName(parent, caption, suggestedFileName(documentName),
                                              QStringLiteral("PDF files (*.pdf)"));
    if (fileName.isEmpty())
        return nullptr;
    if (QFileInfo(fileName).suffix().isEmpty())
        fileName += QStringLiteral(".pdf");
    lastPdfFolder() = QFileInfo(fileName).absolutePath();
    return std::make_unique<PdfPrintTarget>(fileName, documents, documentName);
}
