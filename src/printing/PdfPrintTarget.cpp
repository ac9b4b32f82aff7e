#include "printing/PdfPrintTarget.h"

#include "common/SaveFile.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

namespace {

// What a desktop printer cannot print on: a quarter of an inch all round.
constexpr double marginPoints = 18.0;

QPageSize localPaper()
{
    return QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem
                         ? QPageSize::Letter
                         : QPageSize::A4);
}

} // namespace

PdfPrintTarget::PdfPrintTarget(const QString& fileName, int documents, const QString& title)
    : m_fileName(fileName), m_documents(documents), m_title(title)
{
    setPageLayout(QPageLayout(localPaper(), QPageLayout::Portrait,
                              QMarginsF(marginPoints, marginPoints, marginPoints, marginPoints),
                              QPageLayout::Point));
}

PdfPrintTarget::PdfPrintTarget(QIODevice& device, const QString& title) : PdfPrintTarget(QString(), 1, title)
{
    m_device = &device;
}

PdfPrintTarget::~PdfPrintTarget()
{
    // An unfinished document is dropped: its file is never committed.
    if (painter().isActive())
        painter().end();
}

QString PdfPrintTarget::fileNameOf(int document) const
{
    if (m_documents <= 1 && document == 1)
        return m_fileName;
    const QFileInfo info(m_fileName);
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    return info.dir().filePath(info.completeBaseName() + QLatin1Char('-')
                               + QString::number(document) + suffix);
}

bool PdfPrintTarget::beginDocument()
{
    if (painter().isActive()) {
        setErrorString(QStringLiteral("The previous document has not been ended."));
        return false;
    }
    ++m_begun;
    m_writer.reset();
    if (m_device) {
        m_writer = std::make_unique<QPdfWriter>(m_device);
        setUpWriter();
        if (!startPainting(*m_writer)) {
            setErrorString(QStringLiteral("The PDF could not be started."));
            return false;
        }
        return true;
    }
    const QString fileName = fileNameOf(m_begun);
    m_file = std::make_unique<SaveFile>(fileName);
    if (!m_file->open(QIODevice::WriteOnly)) {
        setErrorString(QStringLiteral("Cannot write %1: %2")
                           .arg(QDir::toNativeSeparators(fileName), m_file->errorString()));
        m_file.reset();
        return false;
    }
    m_writer = std::make_unique<QPdfWriter>(m_file.get());
    setUpWriter();
    if (!startPainting(*m_writer)) {
        setErrorString(QStringLiteral("Cannot write %1.").arg(QDir::toNativeSeparators(fileName)));
        m_file->cancelWriting();
        return false;
    }
    return true;
}

void PdfPrintTarget::setUpWriter()
{
    m_writer->setResolution(resolutionDpi);
    m_writer->setCreator(QStringLiteral("Quorvel"));
    m_writer->setTitle(m_title);
    m_writer->setPageLayout(pageLayout());
}

bool PdfPrintTarget::endDocument()
{
    if ((!m_file && !m_device) || !painter().isActive()) {
        setErrorString(QStringLiteral("No document has been started."));
        return false;
    }
    const bool painted = finishPainting();
    m_writer.reset();
    if (m_device) {
        if (!painted)
            setErrorString(QStringLiteral("The PDF could not be painted."));
        return painted;
    }
    if (!painted) {
        m_file->cancelWriting();
        setErrorString(QStringLiteral("Cannot write %1.")
                           .arg(QDir::toNativeSeparators(m_file->fileName())));
        return false;
    }
    if (!m_file->commit()) {
        setErrorString(QStringLiteral("Cannot write %1: %2")
                           .arg(QDir::toNativeSeparators(m_file->fileName()), m_file->errorString()));
        return false;
    }
    m_written.append(m_file->fileName());
    m_file.reset();
    return true;
}
