#include "import/CsvText.h"

#include <QFile>
#include <QStringDecoder>

#include <algorithm>

namespace {

constexpr qint64 readChunk = 4 * 1024 * 1024;
constexpr qint64 smallestChunk = 4096;

// Reports only when the figure moves, so a file of many short lines does not call
// back (and repaint a progress dialog) once per line.
class ProgressReporter
{
public:
    ProgressReporter(const CsvText::Progress& progress, int from, int to)
        : m_progress(progress), m_from(from), m_to(to)
    {
    }

    void report(qint64 done, qint64 total)
    {
        if (!m_progress || total <= 0)
            return;
        const int permille = m_from + int((m_to - m_from) * done / total);
        if (permille != m_last) {
            m_last = permille;
            m_progress(permille);
        }
    }

private:
    const CsvText::Progress& m_progress;
    int m_from;
    int m_to;
    int m_last = -1;
};

// A byte-order mark tells UTF-16 (little or big endian, as spreadsheet programs save
// "Unicode text") and UTF-8; the mark itself is no text. Without one the text is UTF-8
// when it is valid UTF-8, Latin-1 otherwise.
QString decode(const QByteArray& bytes)
{
    const std::optional<QStringConverter::Encoding> marked = QStringConverter::encodingForData(bytes);
    if (marked && *marked != QStringConverter::Latin1)
        return QStringDecoder(*marked)(bytes);
    QStringDecoder utf8(QStringConverter::Utf8);
    QString text = utf8(bytes);
    if (utf8.hasError())
        return QString::fromLatin1(bytes);
    return text;
}

} // namespace

std::optional<AppError> CsvText::read(const QString& path, const Progress& progress)
{
    setText(QString());
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return AppError::fromFile(file);
    return read(file, progress);
}

std::optional<AppError> CsvText::read(QFile& file, const Progress& progress)
{
    setText(QString());
    ProgressReporter reporter(progress, 0, 500);
    const qint64 size = file.size();
    QByteArray bytes;
    bytes.reserve(qsizetype(size));
    while (!file.atEnd()) {
        // A chunk no larger than what is left (a file may still grow): a template of a
        // few hundred bytes takes no buffer of megabytes.
        const QByteArray chunk =
            file.read(std::clamp<qint64>(size - bytes.size(), smallestChunk, readChunk));
        if (chunk.isEmpty() && file.error() != QFileDevice::NoError)
            return AppError::fromFile(file);
        if (chunk.isEmpty())
            break;
        bytes.append(chunk);
        reporter.report(bytes.size(), size);
    }
    setText(decode(bytes), progress);
    return std::nullopt;
}

void CsvText::setText(QString text, const Progress& progress)
{
    m_text = std::move(text);
    m_lineStart.clear();
    m_lineEnd.clear();
    m_firstComma.clear();
    m_commas.clear();

    ProgressReporter reporter(progress, 500, 1000);
    const char16_t* data = reinterpret_cast<const char16_t*>(m_text.utf16());
    const qsizetype size = m_text.size();
    // Room for a comma every fourth character, more than files of numbers need: the
    // positions of millions of commas are stored once instead of being copied each
    // time the list outgrows its room. Room never written takes no memory.
    m_commas.reserve(std::size_t(size / 4));
    qsizetype start = 0;
    while (start < size) {
        m_lineStart.push_back(start);
        m_firstComma.push_back(qsizetype(m_commas.size()));
        qsizetype position = start;
        while (position < size) {
            // Digits, letters and points lie above the comma: one test passes them.
            const char16_t c = data[position];
            if (c <= u',') {
                if (c == u'\n' || c == u'\r')
                    break;
                if (c == u',')
                    m_commas.push_back(position);
            }
            ++position;
        }
        m_lineEnd.push_back(position);
        if (position < size && data[position] == u'\r' && position + 1 < size
            && data[position + 1] == u'\n')
            ++position;
        start = position + 1;
        reporter.report(start, size);
    }
    m_firstComma.push_back(qsizetype(m_commas.size()));
}
