#pragma once

#include <QRect>

namespace velmora {

struct BigGraphControls;
class ProportionalLayout;

// Which of the data table's optional columns are shown besides the positions and values.
struct DataTableColumns {
    bool gauge = false; // the gauge readings ("Gauge")
    bool rigid = false; // the 3-D check ("3-D")
    bool base = false;  // the baseline ("Base")
};

// Design rectangles (twips) of the data table: the frame relative to the window, the rest
// relative to the frame.
struct DataTablePlan {
    QRect frame;
    QRect positions;
    QRect values;
    QRect ok;
    QRect gauge;
    QRect rigid;
    QRect base;
};

// Where the frame and its columns go for the columns shown. Without an added column the
// positions and the values stand as designed, wider than their short texts. With any, the
// columns close up and follow in one order, Position, current, Base, 3-D, Gauge, and the
// frame reaches further left over the graph where they need the room.
DataTablePlan dataTablePlan(DataTableColumns shown);

// Places the graph window's data table for the optional columns its parts left shown (each
// fills its own column first).
void arrangeDataTable(ProportionalLayout& layout, const BigGraphControls& controls);

} // namespace velmora
