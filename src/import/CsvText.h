#pragma once

#include "common/AppError.h"

#include <QString>
#include <QStringView>

#include <functional>
#include <optional>
#include <vector>

class QFile;

// A text file read whole, decoded once and cut into lines and, within each line, at
// every comma. The pieces between commas are cut from the one text on demand, so a
// file of millions of fields holds one copy of its text plus the positions of its
// commas. Lines end at CR LF, LF or CR; a line break at the very end starts no
// further line. A byte-order mark makes it UTF-16 (either byte order) or UTF-8;
// without one it is UTF-8 unless it is not valid UTF-8, then Latin-1 (what older
// Windows programs write).
class CsvText
{
public:
    // Called now and then while a file is read with how far it got, 0 to 1000.
    using Progress = std::function<void(int permille)>;

    // Reads the file; on failure the text is empty and the error says why.
    std::optional<AppError> read(const QString& path, const Progress& progress = {});
    // The same for a file opened for reading.
    std::optional<AppError> read(QFile& file, const Progress& progress = {});

    qsizetype lineCount() const { return qsizetype(m_lineStart.size()); }
    QStringView line(qsizetype line) const
    {
        return QStringView(m_text).mid(m_lineStart[line], m_lineEnd[line] - m_lineStart[line]);
    }
    qsizetype commaCount(qsizetype line) const { return m_firstComma[line + 1] - m_firstComma[line]; }
    // The text between comma piece-1 and comma piece of a line (0-based, up to
    // commaCount): the pieces a split at every comma gives. Inline: a large study is
    // millions of pieces.
    QStringView piece(qsizetype line, qsizetype piece) const
    {
        const qsizetype first = m_firstComma[line];
        const qsizetype count = m_firstComma[line + 1] - first;
        const qsizetype begin = piece == 0 ? m_lineStart[line] : m_commas[first + piece - 1] + 1;
        const qsizetype end = piece == count ? m_lineEnd[line] : m_commas[first + piece];
        return QStringView(m_text.constData() + begin, end - begin);
    }

private:
    void setText(QString text, const Progress& progress = {});

    QString m_text;
    std::vector<qsizetype> m_lineStart;
    std::vector<qsizetype> m_lineEnd;
    std::vector<qsizetype> m_firstComma;  // per line, index into m_commas; one extra at the end
    std::vector<qsizetype> m_commas;      // positions in m_text
};
