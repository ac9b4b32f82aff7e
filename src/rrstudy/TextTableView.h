#pragma once

#include "rrstudy/GageChartPage.h"

#include <QTableWidget>

// A read-only grid over a TextTable, its first row the column headings. The selected
// cells are copied (Ctrl+C or the context menu) tab-separated, one line a row, so they
// paste into a spreadsheet as a table.
class TextTableView : public QTableWidget
{
    Q_OBJECT

public:
    explicit TextTableView(QWidget* parent = nullptr);

    void showTable(const TextTable& table);
    // Puts the selected cells (the rectangle around them) on the clipboard.
    void copySelection();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    TextTable m_table;
};
