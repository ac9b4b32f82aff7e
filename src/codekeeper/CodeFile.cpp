#include "codekeeper/CodeFile.h"

#include "common/SaveFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// The file's first line break; CR LF for a file without one.
QString firstLineBreak(const QString& text)
{
    for (qsizetype at = 0; at < text.size(); ++at) {
        if (text.at(at) == QLatin1Char('\n'))
            return QStringLiteral("\n");
        if (text.at(at) == QLatin1Char('\r'))
            return text.mid(at + 1, 1) == QLatin1String("\n") ? QStringLiteral("\r\n")
                                                              : QStringLiteral("\r");
    }
    return QStringLiteral("\r\n");
}

bool endsWithLineBreak(const QString& text)
{
    return text.endsWith(QLatin1Char('\n'));
}

bool fitsLatin1(const QString& text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() <= 0xff; });
}

} // namespace

CodeFile::CodeFile(QByteArray bytes) : m_bytes(std::move(bytes))
{
    // Stateless: a character cut off at the end is an error too, not left waiting for
    // bytes that never come.
    QString decoded;
    if (const auto named = QStringConverter::encodingForData(m_bytes)) {
        m_encoding = *named;
        m_byteOrderMark = true;
        decoded = QStringDecoder(m_encoding, QStringConverter::Flag::Stateless)(m_bytes);
        // A UTF-32 value beyond U+10FFFF decodes to half a surrogate pair, which no
        // encoding writes: the editor shows U+FFFD, as the saved file will hold.
        if (!decoded.isValidUtf16())
            decoded = QString::fromUtf8(decoded.toUtf8());
        m_bytesDecodeWhole =
            QStringEncoder(m_encoding, QStringConverter::Flag::WriteBom)(decoded) == m_bytes;
    } else {
        QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        decoded = utf8(m_bytes);
        if (utf8.hasError()) {
            m_encoding = QStringConverter::Latin1;
            decoded = QString::fromLatin1(m_bytes);
        }
    }
    m_lineBreak = firstLineBreak(decoded);
    decoded.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    decoded.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    m_text = decoded;
}

QByteArray CodeFile::bytesFor(const QString& text) const
{
    const bool addBreak = !text.isEmpty() && !endsWithLineBreak(text);
    // A break appended to bytes that end inside a character would not read back: such
    // a file is written as the text the editor shows.
    if (text == m_text && (!addBreak || m_bytesDecodeWhole))
        return addBreak ? m_bytes + QStringEncoder(m_encoding)(m_lineBreak) : m_bytes;
    QString written = text;
    if (addBreak)
        written += QLatin1Char('\n');
    written.replace(QLatin1Char('\n'), m_lineBreak);
    if (m_encoding == QStringConverter::Latin1)
        return fitsLatin1(written) ? written.toLatin1() : written.toUtf8();
    QStringEncoder encoder(m_encoding, m_byteOrderMark ? QStringConverter::Flag::WriteBom
                                                       : QStringConverter::Flag::Default);
    return encoder(written);
}

std::optional<AppError> readCodeFile(const QString& path, CodeFile& file)
{
    QFile source(path);
    if (!source.open(QIODevice::ReadOnly))
        return AppError::fromFile(source);
    const QByteArray bytes = source.readAll();
    if (source.error() != QFileDevice::NoError)
        return AppError::fromFile(source);
    file = CodeFile(bytes);
    return std::nullopt;
}

std::optional<AppError> createCodeFile(const QString& path)
{
    const QFileInfo info(path);
    if (info.exists())
        return std::nullopt;
    if (!QDir().mkpath(info.absolutePath()))
        return AppError(AppError::PathNotFound);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly) && !file.exists())
        return AppError::fromFile(file);
    return std::nullopt;
}

std::optional<AppError> writeCodeFile(const QString& path, const QByteArray& bytes)
{
    return saveWholeFile(path, bytes);
}
