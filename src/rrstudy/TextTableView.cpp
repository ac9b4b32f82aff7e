#include "rrstudy/TextTableView.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>

TextTableView::TextTableView(QWidget* parent) : QTableWidget(parent)
{
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    // The table is as large as its cells; what holds it scrolls.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* copy = new QAction(QStringLiteral("Copy"), this);
    connect(copy, &QAction::triggered, this, &TextTableView::copySelection);
    auto* selectAllCells = new QAction(QStringLiteral("Select All"), this);
    connect(selectAllCells, &QAction::triggered, this, &QTableWidget::selectAll);
    addActions({copy, selectAllCells});
}

void TextTableView::showTable(const TextTable& table)
{
    m_table = table;
    clear();
    setRowCount(int(table.rows.size()));
    setColumnCount(table.rows.isEmpty() ? 0 : int(table.rows.first().size()));
    QFont headingFont = font();
    headingFont.setBold(true);
    for (int r = 0; r < rowCount(); ++r) {
        const QStringList& row = table.rows.at(r);
        for (int c = 0; c < row.size(); ++c) {
            auto* item = new QTableWidgetItem(row.at(c));
            item->setTextAlignment(Qt::AlignVCenter | (c == 0 ? Qt::AlignLeft : Qt::AlignRight));
            if (r == 0) {
                item->setFont(headingFont);
                item->setBackground(palette().window());
            }
            setItem(r, c, item);
        }
    }
    resizeColumnsToContents();
    resizeRowsToContents();
    int width = 2 * frameWidth();
    for (int c = 0; c < columnCount(); ++c)
        width += columnWidth(c);
    int height = 2 * frameWidth();
    for (int r = 0; r < rowCount(); ++r)
        height += rowHeight(r);
    setFixedSize(width, height);
}

void TextTableView::copySelection()
{
    const QList<QTableWidgetSelectionRange> ranges = selectedRanges();
    if (ranges.isEmpty())
        return;
    int top = rowCount();
    int bottom = -1;
    int left = columnCount();
    int right = -1;
    for (const QTableWidgetSelectionRange& range : ranges) {
        top = qMin(top, range.topRow());
        bottom = qMax(bottom, range.bottomRow());
        left = qMin(left, range.leftColumn());
        right = qMax(right, range.rightColumn());
    }
    QGuiApplication::clipboard()->setText(m_table.tabSeparated(top, bottom, left, right));
}

void TextTableView::keyPressEvent(QKeyEvent* event)
{
    // The item view would copy only the current cell.
    if (event == QKeySequence::Copy) {
        copySelection();
        return;
    }
    QTableWidget::keyPressEvent(event);
}
