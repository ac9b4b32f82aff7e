#include "PdfPageReader.h"

#include <QFile>
#include <QRegularExpression>
#include <QTransform>
#include <QtEndian>

namespace {

QString latin1(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes);
}

int referencedObject(const QByteArray& dictionary, const char* key)
{
    const QRegularExpression pattern(QStringLiteral("/%1\\s+(\\d+)\\s+0\\s+R").arg(QLatin1String(key)));
    const auto match = pattern.match(latin1(dictionary));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

QByteArray inflate(const QByteArray& deflated)
{
    // qUncompress reads zlib data behind a four-byte big-endian size hint.
    QByteArray framed(4, '\0');
    qToBigEndian<quint32>(quint32(deflated.size() * 20 + 1024), framed.data());
    return qUncompress(framed + deflated);
}

} // namespace

PdfPageReader::PdfPageReader(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return;
    m_data = file.readAll();
    if (!m_data.startsWith("%PDF-"))
        return;

    const QRegularExpression objectStart(QStringLiteral("(?:^|\\n)(\\d+) 0 obj\\b"));
    const QString text = latin1(m_data);
    for (auto it = objectStart.globalMatch(text); it.hasNext();) {
        const auto match = it.next();
        m_objectOffsets.insert(match.captured(1).toInt(), match.capturedEnd());
    }

    const QRegularExpression pagesPattern(
        QStringLiteral("/Type\\s*/Pages\\s*/Kids\\s*\\[([^\\]]*)\\]"));
    const auto pages = pagesPattern.match(text);
    if (!pages.hasMatch())
        return;
    const QRegularExpression reference(QStringLiteral("(\\d+)\\s+0\\s+R"));
    for (auto it = reference.globalMatch(pages.captured(1)); it.hasNext();)
        m_pages.append(readPage(it.next().captured(1).toInt()));
    m_valid = true;
}

QByteArray PdfPageReader::objectBody(int number) const
{
    const auto offset = m_objectOffsets.find(number);
    if (offset == m_objectOffsets.end())
        return {};
    const qsizetype end = m_data.indexOf("endobj", *offset);
    return m_data.mid(*offset, end < 0 ? -1 : end - *offset);
}

QByteArray PdfPageReader::streamOf(int number) const
{
    const QByteArray body = objectBody(number);
    qsizetype start = body.indexOf("stream");
    const qsizetype end = body.lastIndexOf("endstream");
    if (start < 0 || end < start)
        return {};
    start += 6;
    while (start < end && (body.at(start) == '\r' || body.at(start) == '\n'))
        ++start;
    const QByteArray raw = body.mid(start, end - start);
    return body.left(start).contains("/FlateDecode") ? inflate(raw) : raw;
}

PdfPageReader::Page PdfPageReader::readPage(int number) const
{
    Page page;
    const QByteArray dictionary = objectBody(number);
    const QRegularExpression mediaBox(
        QStringLiteral("/MediaBox\\s*\\[\\s*([-\\d.]+)\\s+([-\\d.]+)\\s+([-\\d.]+)\\s+([-\\d.]+)"));
    const auto box = mediaBox.match(latin1(dictionary));
    if (box.hasMatch())
        page.size = QSizeF(box.captured(3).toDouble() - box.captured(1).toDouble(),
                           box.captured(4).toDouble() - box.captured(2).toDouble());

    // Follow the graphics state far enough to know where each image lands: q and Q
    // save and restore the matrix, cm multiplies it, Do paints the unit square.
    QList<QTransform> saved;
    QTransform matrix;
    QList<double> operands;
    const QStringList tokens = latin1(streamOf(referencedObject(dictionary, "Contents")))
                                   .split(QRegularExpression(QStringLiteral("\\s+")),
                                          Qt::SkipEmptyParts);
    for (const QString& token : tokens) {
        bool isNumber = false;
        const double value = token.toDouble(&isNumber);
        if (isNumber) {
            operands.append(value);
            continue;
        }
        if (token == QLatin1String("q")) {
            saved.append(matrix);
        } else if (token == QLatin1String("Q")) {
            if (!saved.isEmpty())
                matrix = saved.takeLast();
        } else if (token == QLatin1String("cm") && operands.size() >= 6) {
            const auto m = operands.mid(operands.size() - 6);
            matrix = QTransform(m[0], m[1], m[2], m[3], m[4], m[5]) * matrix;
        } else if (token == QLatin1String("Do")) {
            const QRectF placed = matrix.mapRect(QRectF(0, 0, 1, 1));
            page.images.append(QRectF(placed.left(), page.size.height() - placed.bottom(),
                                      placed.width(), placed.height()));
        }
        if (!token.startsWith(QLatin1Char('/')))
            operands.clear();
    }
    return page;
}
