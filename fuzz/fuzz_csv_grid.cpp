// The CSV grid's road: a file of any bytes read whole into CsvText, its shape as the grid
// loads it, and every cell, header and drag of the grid's model.
#include "FuzzSupport.h"

#include "import/CsvText.h"
#include "import/modImport.h"

#include <QMimeData>

#include <memory>

namespace {

void checkText(const CsvText& text)
{
    for (qsizetype line = 0; line < text.lineCount(); ++line) {
        const QStringView whole = text.line(line);
        Fuzz::check(!whole.contains(u'\n') && !whole.contains(u'\r'), "a line holds no line break",
                    whole.toString());
        QString joined;
        for (qsizetype piece = 0; piece <= text.commaCount(line); ++piece) {
            if (piece > 0)
                joined += u',';
            joined += text.piece(line, piece);
        }
        Fuzz::check(joined == whole, "the pieces of a line and its commas make the line",
                    whole.toString());
    }
}

void checkGrid(const modImport& grid, const CsvText& text, const GridShape& shape)
{
    Fuzz::check(grid.rowCount() == shape.records && grid.columnCount() == shape.columns,
                "the grid has the shape ReadGridShape gives");
    Fuzz::check(shape.records == text.lineCount() || shape.error,
                "only an error leaves lines out of the grid");
    for (int row = 0; row < grid.rowCount(); ++row) {
        // The line's own cells and one past them: the cells a row beyond its width shows.
        const int width = std::min(grid.columnCount(), int(text.commaCount(row)) + 2);
        for (int column = 0; column < width; ++column) {
            const QString shown = grid.data(grid.index(row, column)).toString();
            Fuzz::check(shown == grid.cell(row, column), "the grid shows the cell");
            Fuzz::check(shown.size() <= modImport::maxFieldLength, "a shown cell fits the grid",
                        shown);
        }
    }
    Fuzz::check(grid.cell(-1, 0).isEmpty() && grid.cell(grid.rowCount(), 0).isEmpty() &&
                    grid.cell(0, -1).isEmpty(),
                "a cell outside the grid is empty");
    if (grid.rowCount() > 0 && grid.columnCount() > 0) {
        const QModelIndex last = grid.index(grid.rowCount() - 1, grid.columnCount() - 1);
        const std::unique_ptr<QMimeData> drag(grid.mimeData({last}));
        const std::optional<GridCell> cell = modImport::draggedCell(drag.get());
        Fuzz::check(cell && cell->line == grid.rowCount() && cell->column == grid.columnCount(),
                    "a dragged cell carries its line and column");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString path = Fuzz::writeFile(QStringLiteral("grid.csv"), data, size);
    CsvText text;
    const std::optional<AppError> readError = text.read(path);
    Fuzz::check(!readError, "a readable file reads");
    checkText(text);
    const GridShape shape = ReadGridShape(text);

    modImport grid;
    const std::optional<AppError> loadError = grid.load(path);
    Fuzz::check(loadError.has_value() == shape.error.has_value() &&
                    (!loadError || loadError->number() == shape.error->number()),
                "the grid loads with the error ReadGridShape gives");
    checkGrid(grid, text, shape);

    // Whatever a drop carries is read as a cell or refused.
    QMimeData dropped;
    dropped.setData(modImport::cellMimeType,
                    QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    modImport::draggedCell(&dropped);
    return 0;
}
