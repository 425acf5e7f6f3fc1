#include "ui/widgets/fitted_table.h"

#include <QHeaderView>
#include <QTableWidget>

#include <algorithm>

namespace velmora {

void fitTableToContents(QTableWidget& table) {
    table.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table.resizeColumnsToContents();
    table.resizeRowsToContents();
    const int columns = table.columnCount();
    int columnsWidth = 0;
    for (int c = 0; c < columns; ++c) {
        columnsWidth += table.columnWidth(c);
    }
    // Column sizing leaves spanned cells out; their text must fit all the same.
    constexpr int kCellPadding = 12;
    for (int r = 0; r < table.rowCount(); ++r) {
        const QTableWidgetItem* item = table.item(r, 0);
        if (columns < 1 || !item || table.columnSpan(r, 0) < columns) {
            continue;
        }
        const int needed =
            table.fontMetrics().horizontalAdvance(item->text()) + kCellPadding - columnsWidth;
        if (needed > 0) {
            table.setColumnWidth(columns - 1, table.columnWidth(columns - 1) + needed);
            columnsWidth += needed;
        }
    }
    int rowsHeight = 0;
    for (int r = 0; r < table.rowCount(); ++r) {
        rowsHeight += table.rowHeight(r);
    }
    const int frame = 2 * table.frameWidth();
    const int headerWidth = !table.verticalHeader()->isHidden()
                                ? std::max(table.verticalHeader()->sizeHint().width(), 0)
                                : 0;
    const int headerHeight = !table.horizontalHeader()->isHidden()
                                 ? std::max(table.horizontalHeader()->sizeHint().height(), 0)
                                 : 0;
    table.setFixedSize(headerWidth + columnsWidth + frame, headerHeight + rowsHeight + frame);
}

} // namespace velmora
