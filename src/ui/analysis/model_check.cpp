#include "ui/analysis/model_check.h"

#include "analysis/graph_drawing.h"
#include "analysis/model_overlay.h"
#include "ui/analysis/data_table_columns.h"
#include "ui/widgets/drawing_surface.h"
#include "ui/widgets/proportional_layout.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>

namespace velmora {

namespace {

GraphPlot plotOf(const GraphView& view) {
    return GraphPlot{&view.PlotX(), &view.PlotY(), view.NumPoints(), view.rightActive()};
}

} // namespace

ModelCheck::ModelCheck(QWidget& window, ProportionalLayout& layout,
                       const BigGraphControls& controls, const SuspensionState& state,
                       MessageSink& messages)
    : QObject(&window), layout_(layout), controls_(controls), state_(state), messages_(messages) {
    chk3D_ = new QCheckBox(QStringLiteral("3-D check"), &window);
    chk3D_->setObjectName(QStringLiteral("chk3D"));
    chk3D_->setChecked(false);
    chk3D_->setToolTip(QStringLiteral("Draw the rigid-body 3-D solution over the curve"));
    layout_.add(chk3D_, QRect(8040, 5760, 1335, 300));

    lblDataMeas3D_ = new QLabel(controls_.frmDataTable);
    lblDataMeas3D_->setObjectName(QStringLiteral("lblDataMeas3D"));
    lblDataMeas3D_->setFont(controls_.lblDataMeas->font());
    lblDataMeas3D_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout_.add(lblDataMeas3D_, dataTablePlan({}).rigid);
    lblDataMeas3D_->hide();

    connect(chk3D_, &QCheckBox::toggled, this, &ModelCheck::toggled);
}

bool ModelCheck::isOn() const {
    return chk3D_->isChecked();
}

const RigidSweep& ModelCheck::solution() {
    const Key key{state_.activeCoords(), state_.VU, state_.VD};
    if (key_ && *key_ == key) {
        return sweep_;
    }
    // Remember the corner before showing anything: a message box that reactivates the
    // window must find the solution already made.
    key_ = key;
    sweep_ = rigidSweep(state_);
    for (const Message& message : sweep_.messages) {
        messages_.show(message);
    }
    return sweep_;
}

void ModelCheck::drawOver(const GraphView& view) {
    if (!isOn()) {
        return;
    }
    const RigidPlot plot = rigidPlot(view, solution());
    drawRigidOverlay(controls_.picGraph->canvas(), plot, plotOf(view), view.CurPos());
}

void ModelCheck::afterStep(const GraphView& view) {
    if (!isOn()) {
        return;
    }
    const RigidPlot plot = rigidPlot(view, solution());
    redrawRigidCurve(controls_.picGraph->canvas(), plot, plotOf(view), view.CurPos());
}

void ModelCheck::fillDataTable(const GraphView& view) {
    lblDataMeas3D_->setVisible(isOn());
    if (!isOn()) {
        return;
    }
    lblDataMeas3D_->setText(QString::fromStdString(
        signedColumnCaption(view.flags(), kRigidTableHeading, rigidTableValues(view, solution()))));
    lblDataMeas3D_->raise();
}

} // namespace velmora
