#include "import/ImportTable.h"

std::optional<AppError> ImportTable::read(const QString& path)
{
    m_width = 0;
    if (auto error = m_text.read(path))
        return error;
    m_width = int((m_text.lineCount() > 0 ? fieldCount(0) : 0) + 1);
    for (qsizetype line = 0; line < m_text.lineCount(); ++line) {
        if (fieldCount(line) > m_width)
            return AppError(AppError::SubscriptOutOfRange);
    }
    return std::nullopt;
}

qsizetype ImportTable::fieldCount(qsizetype line) const
{
    const qsizetype commas = m_text.commaCount(line);
    return m_text.piece(line, commas).isEmpty() ? commas : commas + 1;
}

std::optional<QString> ImportTable::cell(int line, int column) const
{
    if (line < 1 || line > height() || column < 1 || column > m_width)
        return std::nullopt;
    if (column > fieldCount(line - 1))
        return QString();
    return m_text.piece(line - 1, column - 1).trimmed().toString();
}
