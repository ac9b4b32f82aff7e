#include "import/modImport.h"

#include <QMimeData>

#include <algorithm>

const QString modImport::cellMimeType = QStringLiteral("application/x-quorvel-grid-cell");

namespace {

bool isQuoted(QStringView field)
{
    return field.contains(u'"');
}

std::optional<AppError> checkFields(const CsvText& text, qsizetype line)
{
    // Most lines hold no quote mark at all: then only the lengths count.
    const bool lineQuoted = isQuoted(text.line(line));
    for (qsizetype piece = 0; piece <= text.commaCount(line); ++piece) {
        const QStringView field = text.piece(line, piece);
        qsizetype length = field.size();
        if (lineQuoted && isQuoted(field)) {
            // Dropping the first and last character of a lone quote mark leaves less
            // than nothing.
            if (length < 2)
                return AppError(AppError::InvalidProcedureCall);
            length -= 2;
        }
        if (length > modImport::maxFieldLength)
            return AppError(AppError::Overflow);
    }
    return std::nullopt;
}

} // namespace

modImport::modImport(QObject* parent) : QAbstractTableModel(parent) {}

std::optional<AppError> modImport::load(const QString& path, const CsvText::Progress& progress)
{
    beginResetModel();
    m_rows = 0;
    m_columns = 0;
    std::optional<AppError> error = m_text.read(path, progress);
    if (!error) {
        const GridShape shape = ReadGridShape(m_text);
        m_rows = shape.records;
        m_columns = shape.columns;
        error = shape.error;
    }
    endResetModel();
    return error;
}

GridShape ReadGridShape(const CsvText& text)
{
    GridShape shape;
    for (qsizetype line = 0; line < text.lineCount(); ++line) {
        if (!text.line(line).isEmpty())
            shape.columns = std::max(shape.columns, int(text.commaCount(line) + 1));
    }
    for (qsizetype line = 0; line < text.lineCount() && !shape.error; ++line) {
        shape.error = checkFields(text, line);
        if (!shape.error)
            ++shape.records;
    }
    return shape;
}

QString modImport::cell(int row, int column) const
{
    if (row < 0 || row >= m_rows || column < 0 || column > m_text.commaCount(row))
        return QString();
    const QStringView field = m_text.piece(row, column);
    return (isQuoted(field) ? field.mid(1, field.size() - 2) : field).toString();
}

std::optional<GridCell> modImport::draggedCell(const QMimeData* data)
{
    if (!data || !data->hasFormat(cellMimeType))
        return std::nullopt;
    const QList<QByteArray> parts = data->data(cellMimeType).split(',');
    if (parts.size() != 2)
        return std::nullopt;
    bool lineOk = false;
    bool columnOk = false;
    const GridCell cell{parts[0].toInt(&lineOk), parts[1].toInt(&columnOk)};
    if (!lineOk || !columnOk)
        return std::nullopt;
    return cell;
}

int modImport::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int modImport::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_columns;
}

QVariant modImport::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return QVariant();
    return cell(index.row(), index.column());
}

QVariant modImport::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    // Fields are named from 0; records are numbered from 1.
    return QString::number(orientation == Qt::Horizontal ? section : section + 1);
}

Qt::ItemFlags modImport::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
}

QStringList modImport::mimeTypes() const
{
    return {cellMimeType};
}

QMimeData* modImport::mimeData(const QModelIndexList& indexes) const
{
    if (indexes.isEmpty())
        return nullptr;
    const QModelIndex& index = indexes.first();
    auto* data = new QMimeData;
    data->setData(cellMimeType,
                  QByteArray::number(index.row() + 1) + ',' + QByteArray::number(index.column() + 1));
    return data;
}
