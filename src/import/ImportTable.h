#pragma once

#include "import/CsvText.h"

#include <optional>
#include <vector>

// The CSV file as Process reads it: a table of trimmed texts indexed from 1 by line
// and column. A line is split at every comma, quote marks stay in the text, and a
// comma at the very end of a line adds no field. The table is as wide as the first
// line's fields plus one; a line with more fields than that does not fit.
class ImportTable
{
public:
    // Reads the file; fails when it cannot be read or a line does not fit.
    std::optional<AppError> read(const QString& path);
    // The same for a file's text read before; fails when a line does not fit.
    std::optional<AppError> setText(CsvText text);

    int height() const { return int(m_text.lineCount()); }
    int width() const { return m_width; }

    // The cell's text (empty where a line has fewer fields), or nothing when the
    // line or column lies outside the table.
    std::optional<QString> cell(int line, int column) const;
    // The same text, as a view into the table.
    std::optional<QStringView> cellView(int line, int column) const;
    // The column of the line's first quoted text that a comma splits: a field opening
    // with a quote mark whose quotes are not closed before the comma after it.
    std::optional<int> quotedCommaColumn(int line) const;

private:
    CsvText m_text;
    std::vector<qsizetype> m_fieldCounts;  // per line; a comma at the very end adds no field
    int m_width = 0;
};
