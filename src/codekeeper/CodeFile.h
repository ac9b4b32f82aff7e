#pragma once

#include "common/AppError.h"

#include <QByteArray>
#include <QString>
#include <QStringConverter>

#include <optional>

// A code file as the editor shows it, and how to write it back the way it was: in its
// own encoding (UTF-8, or Latin-1 for a file that is not valid UTF-8, or the Unicode
// form its byte order mark names) and with its own line breaks.
class CodeFile
{
public:
    CodeFile() = default;
    explicit CodeFile(QByteArray bytes);

    const QByteArray& bytes() const { return m_bytes; }
    // The file's text with every line break as '\n'.
    const QString& text() const { return m_text; }

    // The bytes that hold `text`. The file's own text gives the file's own bytes; a
    // text that does not end with a line break gains one, so a file without a final
    // line break gains it once and never more (a file with bytes its encoding cannot
    // decode, shown as U+FFFD, then gets the text shown). An edited text takes the
    // file's encoding and first line break (CR LF for a file that had none); a Latin-1
    // file whose new text holds characters Latin-1 cannot write becomes UTF-8 rather
    // than lose them.
    QByteArray bytesFor(const QString& text) const;

private:
    QByteArray m_bytes;
    QString m_text;
    QStringConverter::Encoding m_encoding = QStringConverter::Utf8;
    bool m_byteOrderMark = false;
    // False when the bytes hold what their encoding cannot decode (shown as U+FFFD).
    bool m_bytesDecodeWhole = true;
    QString m_lineBreak = QStringLiteral("\r\n");
};

// Reads a code file whole. Returns the error when it cannot be read.
std::optional<AppError> readCodeFile(const QString& path, CodeFile& file);

// Creates the file, and its folder, empty when missing; an existing file is left alone.
std::optional<AppError> createCodeFile(const QString& path);

// Replaces the file's content (saveWholeFile): a failure at any point leaves the
// previous content whole.
std::optional<AppError> writeCodeFile(const QString& path, const QByteArray& bytes);
