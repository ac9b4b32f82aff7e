#pragma once

#include "import/CsvText.h"

#include <QAbstractTableModel>

#include <optional>

class QMimeData;

// What the grid makes of a file's text: its records (the lines before the first one
// holding a field it cannot show, all of them when there is none), its columns (the
// fields of the widest non-empty line) and the error of that line.
struct GridShape {
    int records = 0;
    int columns = 0;
    std::optional<AppError> error;
};
GridShape ReadGridShape(const CsvText& text);

// A grid cell as a drag carries it: line and column as the user sees them, from 1.
struct GridCell {
    int line = 0;
    int column = 0;
};

// The import grid's data source: one read-only record per line of a CSV file (empty
// lines included) and one text field per column, named "0", "1" ... up to the widest
// line. A line is split at every comma, with no quoting: a field that holds a double
// quote anywhere loses its first and last character. Cells are cut from the file's
// text when the grid asks for them.
class modImport : public QAbstractTableModel
{
    Q_OBJECT

public:
    // Cells dragged from the grid travel as this type (text "line,column").
    static const QString cellMimeType;
    static constexpr int maxFieldLength = 255;

    explicit modImport(QObject* parent = nullptr);

    // Reads the file in two passes (the widest line, then the records). The first
    // error ends the loading; the records read before it stay and the error is
    // returned.
    std::optional<AppError> load(const QString& path, const CsvText::Progress& progress = {});

    // The number of records (lines).
    int getlastrow() const { return m_rows; }
    QString cell(int row, int column) const;

    // The cell a drag from the grid carries, if the data come from one.
    static std::optional<GridCell> draggedCell(const QMimeData* data);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;

private:
    CsvText m_text;
    int m_rows = 0;
    int m_columns = 0;
};
