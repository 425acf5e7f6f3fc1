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
// How much further left the frame reaches while all three optional columns are shown.
constexpr int kWiderBy = 720;

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
    plan.gauge = column(900, 760);
    plan.rigid = column(2400, 800);
    // The baseline column takes the 3-D column's place, or, while that is shown, the room
    // between the positions and the values.
    plan.base = shown.rigid ? column(1000, 680) : plan.rigid;
    if (shown.gauge && shown.rigid && shown.base) {
        plan.frame.adjust(-kWiderBy, 0, 0, 0);
        plan.values.translate(kWiderBy, 0);
        plan.rigid.translate(kWiderBy, 0);
        plan.gauge = column(900, 660);
        plan.base = column(1620, 720);
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
