#include "import/CsvText.h"

#include <QFile>
#include <QStringDecoder>

namespace {

constexpr qint64 readChunk = 4 * 1024 * 1024;

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

QString decode(const QByteArray& bytes)
{
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
    ProgressReporter reporter(progress, 0, 500);
    const qint64 size = file.size();
    QByteArray bytes;
    bytes.reserve(qsizetype(size));
    while (!file.atEnd()) {
        const QByteArray chunk = file.read(readChunk);
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
    const QChar* data = m_text.constData();
    const qsizetype size = m_text.size();
    qsizetype start = 0;
    while (start < size) {
        m_lineStart.push_back(start);
        m_firstComma.push_back(qsizetype(m_commas.size()));
        qsizetype position = start;
        while (position < size) {
            const char16_t c = data[position].unicode();
            if (c == u'\n' || c == u'\r')
                break;
            if (c == u',')
                m_commas.push_back(position);
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

QStringView CsvText::line(qsizetype line) const
{
    return QStringView(m_text).mid(m_lineStart[line], m_lineEnd[line] - m_lineStart[line]);
}

qsizetype CsvText::commaCount(qsizetype line) const
{
    return m_firstComma[line + 1] - m_firstComma[line];
}

QStringView CsvText::piece(qsizetype line, qsizetype piece) const
{
    const qsizetype first = m_firstComma[line];
    const qsizetype count = commaCount(line);
    const qsizetype begin = piece == 0 ? m_lineStart[line] : m_commas[first + piece - 1] + 1;
    const qsizetype end = piece == count ? m_lineEnd[line] : m_commas[first + piece];
    return QStringView(m_text).mid(begin, end - begin);
}
