#include "ui/analysis/data_table_columns.h"

#include "ui/analysis/big_graph_controls.h"
#include "ui/widgets/proportional_layout.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace velmora {

namespace {

constexpr int kColumnTop = 240;
constexpr int kColumnHeight = 5055;
constexpr int kColumnGap = 105;
constexpr int kFrameMargin = 135;
// Wide enough for "Position", "Inches" and their values in the table's font.
constexpr int kClosedPositionsWidth = 780;
constexpr int kClosedValuesWidth = 720;
constexpr int kAddedWidth = 720;

QRect column(int left, int width) {
    return QRect(left, kColumnTop, width, kColumnHeight);
}

// A column the part that fills it left shown; a missing one counts as hidden.
bool shown(const QGroupBox& frame, const char* name) {
    const auto* label = frame.findChild<QLabel*>(QString::fromLatin1(name));
    return label != nullptr && !label->isHidden();
}

void moveColumn(ProportionalLayout& layout, const QGroupBox& frame, const char* name,
                const QRect& design) {
    if (auto* label = frame.findChild<QLabel*>(QString::fromLatin1(name))) {
        layout.move(label, design);
    }
}

} // namespace

DataTablePlan dataTablePlan(DataTableColumns shown) {
    DataTablePlan plan;
    plan.frame = QRect(6120, 0, 3255, 6375);
    plan.positions = column(240, 1335);
    plan.values = column(1680, 1335);
    plan.ok = QRect(240, 5760, 1095, 375);
    // With an added column the two designed ones close up to their texts, and the added
    // columns follow the values in one order, whichever are shown: Base, 3-D, Gauge.
    const bool any = shown.base || shown.rigid || shown.gauge;
    if (any) {
        plan.positions = column(240, kClosedPositionsWidth);
        plan.values = column(plan.positions.right() + 1 + kColumnGap, kClosedValuesWidth);
    }
    int left = plan.values.right() + 1 + kColumnGap;
    for (auto [on, place] : {std::pair{shown.base, &plan.base}, std::pair{shown.rigid, &plan.rigid},
                             std::pair{shown.gauge, &plan.gauge}}) {
        *place = column(left, kAddedWidth);
        left += on ? kAddedWidth + kColumnGap : 0;
    }
    // The frame reaches further over the graph only as far as the columns need.
    const int needed = left + kFrameMargin - plan.frame.width();
    if (any && needed > 0) {
        plan.frame.adjust(-needed, 0, 0, 0);
    }
    return plan;
}

void arrangeDataTable(ProportionalLayout& layout, const BigGraphControls& controls) {
    const QGroupBox& frame = *controls.frmDataTable;
    const DataTablePlan plan = dataTablePlan(
        {shown(frame, "lblDataGauge"), shown(frame, "lblDataMeas3D"), shown(frame, "lblDataBase")});
    layout.move(controls.frmDataTable, plan.frame);
    layout.move(controls.lblDataPos, plan.positions);
    layout.move(controls.lblDataMeas, plan.values);
    layout.move(controls.btnDataTableOK, plan.ok);
    moveColumn(layout, frame, "lblDataGauge", plan.gauge);
    moveColumn(layout, frame, "lblDataMeas3D", plan.rigid);
    moveColumn(layout, frame, "lblDataBase", plan.base);
    // A narrower place may call for a smaller font: the fonts are fitted again as well.
    layout.apply();
}

} // namespace velmora
