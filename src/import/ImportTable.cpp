#include "import/ImportTable.h"

std::optional<AppError> ImportTable::read(const QString& path)
{
    CsvText text;
    if (auto error = text.read(path)) {
        m_text = CsvText();
        m_width = 0;
        return error;
    }
    return setText(std::move(text));
}

std::optional<AppError> ImportTable::setText(CsvText text)
{
    m_text = std::move(text);
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
    const auto view = cellView(line, column);
    if (!view)
        return std::nullopt;
    return view->toString();
}

std::optional<QStringView> ImportTable::cellView(int line, int column) const
{
    if (line < 1 || line > height() || column < 1 || column > m_width)
        return std::nullopt;
    if (column > fieldCount(line - 1))
        return QStringView();
    return m_text.piece(line - 1, column - 1).trimmed();
}
