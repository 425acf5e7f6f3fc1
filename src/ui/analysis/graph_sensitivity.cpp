#include "ui/analysis/graph_sensitivity.h"
#include "ui/widgets/window_placement.h"

#include "analysis/model_overlay.h"
#include "geometry/sensitivity.h"
#include "model/shown_length.h"
#include "ui/analysis/sensitivity_window.h"
#include "ui/widgets/proportional_layout.h"

#include <QPushButton>

namespace velmora {
namespace {

// Design rectangle (twips) of the button: beneath "Suggestions", left of the bump steer
// readings' button.
const QRect kButton(2640, 5400, 1095, 375);

QString curveWords(GraphKind kind) {
    switch (kind) {
    case GraphKind::Camber:
        return QStringLiteral("camber");
    case GraphKind::SideScrub:
        return QStringLiteral("side scrub");
    case GraphKind::ForeAft:
        return QStringLiteral("fore/aft position");
    case GraphKind::Caster:
        return QStringLiteral("caster");
    case GraphKind::BumpSteer:
        break;
    }
    return QStringLiteral("bump steer");
}

} // namespace

GraphSensitivity::GraphSensitivity(QWidget& window, ProportionalLayout& layout,
                                   const SuspensionState& state, const GraphView& view)
    : QObject(&window), window_(window), state_(state), view_(view) {
    btnSensitivity_ = new QPushButton(QStringLiteral("Sensitivity"), &window);
    btnSensitivity_->setObjectName(QStringLiteral("btnSensitivity"));
    btnSensitivity_->setToolTip(
        QStringLiteral("Which coordinate moves this curve most at the ends of the travel"));
    layout.add(btnSensitivity_, kButton);
    connect(btnSensitivity_, &QPushButton::clicked, this, &GraphSensitivity::showList);
}

SensitivityWindow* GraphSensitivity::list() const {
    return list_.data();
}

void GraphSensitivity::showList() {
    if (!list_) {
        list_ = new SensitivityWindow(&window_);
        connect(list_, &SensitivityWindow::adjustRequested, this,
                &GraphSensitivity::adjustRequested);
    }
    fillList();
    showBeside(*list_, window_);
}

void GraphSensitivity::fillList() {
    const bool right = view_.rightActive();
    const GraphKind kind = shownGraph(view_.flags());
    SensitivityInputs in;
    in.corner = state_.coords(right);
    in.right = right;
    in.travel = Travel{view_.VU(), view_.VD()};
    in.kind = kind;
    in.step = kStep;
    const bool length = kind == GraphKind::SideScrub || kind == GraphKind::ForeAft;
    Sensitivity shown = sensitivityOf(in);
    if (length) {
        for (SensitivityRow& row : shown.rows) {
            row.atBump = shownLength(row.atBump);
            row.atRebound = shownLength(row.atRebound);
        }
    }
    const QString unit = QString::fromStdString(lengthUnitText());
    const QString side = right ? QStringLiteral("Right") : QStringLiteral("Left");
    list_->fill(shown,
                side + QStringLiteral(" ") + curveWords(kind) + QStringLiteral(" sensitivity"),
                curveWords(kind), length ? unit : QStringLiteral("deg"),
                QString::fromStdString(shortestLength(kStep)) + QStringLiteral(" ") + unit);
}

void GraphSensitivity::follow() {
    // Filled without activating it: the graph window reads the project at every activation.
    if (list_ && list_->isVisible()) {
        fillList();
    }
}

} // namespace velmora
