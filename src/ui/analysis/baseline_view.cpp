#include "ui/analysis/baseline_view.h"

#include "analysis/baseline_overlay.h"
#include "analysis/graph_window_views.h"
#include "ui/analysis/data_table_columns.h"
#include "ui/widgets/drawing_surface.h"
#include "ui/widgets/proportional_layout.h"

#include <QGroupBox>
#include <QLabel>

namespace velmora {

BaselineView::BaselineView(QWidget& window, ProportionalLayout& layout,
                           const BigGraphControls& controls)
    : QObject(&window), controls_(controls) {
    lblDataBase_ = new QLabel(controls_.frmDataTable);
    lblDataBase_->setObjectName(QStringLiteral("lblDataBase"));
    lblDataBase_->setFont(controls_.lblDataMeas->font());
    lblDataBase_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout.add(lblDataBase_, dataTablePlan({}).base);
    lblDataBase_->hide();
}

void BaselineView::setBaseline(const std::optional<Baseline>& baseline) {
    baseline_ = baseline;
    key_.reset();
}

const SweepResult* BaselineView::result(const GraphView& view) {
    if (!baseline_) {
        return nullptr;
    }
    const Key key{*baseline_, view.rightActive(), view.VU(), view.VD()};
    if (!key_ || !(*key_ == key)) {
        key_ = key;
        result_ = sweepBaseline(*baseline_, key.right, Travel{key.VU, key.VD});
    }
    return &result_;
}

bool BaselineView::drawPicture(const GraphView& view) {
    const SweepResult* base = result(view);
    if (!base) {
        return false;
    }
    drawGraphPictureOverBaseline(controls_.picGraph->canvas(), graphPlotOf(view),
                                 baselinePlot(view, *base), view.CurPos());
    return true;
}

bool BaselineView::afterStep(const GraphView& view, int from) {
    const SweepResult* base = result(view);
    if (!base) {
        return false;
    }
    moveGraphMarkerOverBaseline(controls_.picGraph->canvas(), graphPlotOf(view),
                                baselinePlot(view, *base), from, view.CurPos());
    return true;
}

std::string BaselineView::message(const GraphView& view) {
    const SweepResult* base = result(view);
    return base ? baselineMessage(view, *base) : view.UpdateMessage();
}

void BaselineView::fillDataTable(const GraphView& view) {
    const SweepResult* base = result(view);
    lblDataBase_->setVisible(base != nullptr);
    if (!base) {
        return;
    }
    lblDataBase_->setText(QString::fromStdString(signedColumnCaption(
        view.flags(), kBaselineTableHeading, baselineTableValues(view, *base))));
    lblDataBase_->raise();
}

} // namespace velmora
