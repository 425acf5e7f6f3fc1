#pragma once

#include "analysis/baseline.h"
#include "chassis/dive_roll.h"
#include "model/suspension_state.h"

#include <QWidget>

#include <optional>

class QLabel;
class QPushButton;
class QTableWidget;

namespace velmora {

class DrawingSurface;
class StepBox;

// The Dive and Roll window: dive and roll in two step boxes (or set from a lateral and a
// braking g through the springs, the bar and the vehicle data), the front view of both corners
// at that state beside the roll centre's path from roll 0 to the chosen roll, and a table of
// the values. It follows the project: the main window calls refresh() whenever the
// coordinates may have changed.
class DiveRollWindow : public QWidget {
    Q_OBJECT

public:
    // Roll steps of the path drawn beside the front view.
    static constexpr int kPathSteps = 24;

    explicit DiveRollWindow(const SuspensionState& state, QWidget* parent = nullptr);
    // A box that has the focus finishes its editing while the window's children are being
    // destroyed; by then the window must no longer hear it.
    ~DiveRollWindow() override;

    // Re-reads both coordinate sets and redraws.
    void refresh();
    // The baseline whose roll centre path is drawn beneath (none: the picture as without one);
    // call refresh().
    void setBaseline(const Baseline* baseline);
    // The baseline's path at the window's dive and roll; null without a complete baseline.
    const DiveRollPath* baselinePath() const { return basePath_ ? &*basePath_ : nullptr; }

    double dive() const;
    double roll() const;
    // Null while a side is incomplete.
    const DiveRollState* current() const { return state_ ? &*state_ : nullptr; }
    const DiveRollPath& path() const { return path_; }
    const FrontEnd* frontEnd() const { return front_ ? &*front_ : nullptr; }

signals:
    void printRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void recompute();
    void redraw();
    void fillTable();
    void showProblem();
    // The lateral and braking g boxes set the dive and roll, when the project has what it takes.
    void setFromG();

    const SuspensionState& project_;
    std::optional<FrontEnd> front_;
    std::optional<DiveRollState> state_;
    DiveRollPath path_;
    std::optional<Baseline> baseline_;
    std::optional<FrontEnd> baseFront_;
    std::optional<DiveRollPath> basePath_;
    QString missing_; // which side is incomplete, empty when both are complete

    StepBox* txtDive_;
    StepBox* txtRoll_;
    StepBox* txtLateralG_;
    StepBox* txtBrakingG_;
    // What the g boxes gave, and what they lacked; empty once dive or roll is typed.
    QString fromG_;
    QString fromGMissing_;
    QLabel* lblFromG_ = nullptr; // in the window's own colour: it reports, it does not refuse
    QLabel* lblRollMessage_;
    QLabel* lblDive_ = nullptr;
    DrawingSurface* picDiveRoll_;
    QTableWidget* tblDiveRoll_;
    QPushButton* btnRollPrint_;
};

} // namespace velmora
