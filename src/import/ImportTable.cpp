#include "import/ImportTable.h"

std::optional<AppError> ImportTable::read(const QString& path)
{
    CsvText text;
    if (auto error = text.read(path)) {
        m_text = CsvText();
        m_fieldCounts.clear();
        m_width = 0;
        return error;
    }
    return setText(std::move(text));
}

std::optional<AppError> ImportTable::setText(CsvText text)
{
    m_text = std::move(text);
    m_fieldCounts.clear();
    for (qsizetype line = 0; line < m_text.lineCount(); ++line) {
        const qsizetype commas = m_text.commaCount(line);
        m_fieldCounts.push_back(m_text.piece(line, commas).isEmpty() ? commas : commas + 1);
    }
    m_width = int((m_text.lineCount() > 0 ? m_fieldCounts.front() : 0) + 1);
    for (qsizetype fields : m_fieldCounts) {
        if (fields > m_width)
            return AppError(AppError::SubscriptOutOfRange);
    }
    return std::nullopt;
}

std::optional<QString> ImportTable::cell(int line, int column) const
{
    const auto view = cellView(line, column);
    if (!view)
        return std::nullopt;
    return view->toString();
}

std::optional<QStringView> ImportTable::cellView(int line, int column) const
{
    if (line < 1 || line > height() || column < 1 || column > m_width)
        return std::nullopt;
    if (column > m_fieldCounts[line - 1])
        return QStringView();
    const QStringView piece = m_text.piece(line - 1, column - 1);
    // Most cells have no blanks around them: they are not trimmed at all.
    if (piece.isEmpty() || (!piece.front().isSpace() && !piece.back().isSpace()))
        return piece;
    return piece.trimmed();
}

std::optional<int> ImportTable::quotedCommaColumn(int line) const
{
    if (line < 1 || line > height() || !m_text.line(line - 1).contains(u'"'))
        return std::nullopt;
    const qsizetype commas = m_text.commaCount(line - 1);
    for (qsizetype piece = 0; piece < commas; ++piece) {
        const QStringView field = m_text.piece(line - 1, piece).trimmed();
        // Doubled quote marks stand for one inside a quoted text: an odd count leaves it open.
        if (field.startsWith(u'"') && field.count(u'"') % 2 == 1)
            return int(piece + 1);
    }
    return std::nullopt;
}
