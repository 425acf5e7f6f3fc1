#pragma once

class QTableWidget;

namespace velmora {

// Sizes `table` to its headers, columns and rows, so every row shows without a scroll bar and
// no cell is cut off; a cell spanning the row's columns widens the last column when its text
// needs more than they have. Called again after each change of the rows.
void fitTableToContents(QTableWidget& table);

} // namespace velmora
