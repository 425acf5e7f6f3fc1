// The main window's side of Adjust a Point: the trial coordinates go into the shared state
// and everything that shows the side follows them at once.
#include "mainwindow/main_window.h"

#include "analysis/baseline.h"
#include "analysis/big_graph.h"
#include "chassis/adjust_point_host.h"
#include "chassis/adjust_point_window.h"

namespace velmora {

class MainWindowAdjustHost : public AdjustPointHost {
public:
    explicit MainWindowAdjustHost(MainWindow& window) : window_(window) {}

    CoordinateSet coordinatesOf(bool right) const override { return window_.state().coords(right); }

    void previewStarted(bool right, const CoordinateSet& original) override {
        window_.adjustTrialStarted(right, original);
    }

    void preview(bool right, const CoordinateSet& trial) override {
        side(right) = trial;
        window_.refreshAfterAdjust();
    }

    void keep(bool right, const CoordinateSet& original, const CoordinateSet& kept) override {
        // The stored change runs from what the side had before the trial, not from the trial
        // that is on show.
        side(right) = original;
        window_.storeAdjustedCoordinates(right, kept);
        window_.adjustTrialEnded();
    }

    void revert(bool right, const CoordinateSet& original) override {
        side(right) = original;
        window_.refreshAfterAdjust();
        window_.adjustTrialEnded();
    }

private:
    CoordinateSet& side(bool right) {
        return right ? window_.state().RightCoords : window_.state().LeftCoords;
    }

    MainWindow& window_;
};

void MainWindow::showAdjustPoint() {
    if (!adjust_) {
        adjustHost_ = std::make_unique<MainWindowAdjustHost>(*this);
        adjust_ = new AdjustPointWindow(*adjustHost_, messages_, this);
    }
    adjust_->openFor(state_.Right_Active);
}

void MainWindow::adjustPoint(int index) {
    showAdjustPoint();
    adjust_->selectIndex(index);
}

AdjustPointWindow* MainWindow::adjustPointWindow() const {
    return adjust_.data();
}

// The side as it was before the first nudge is what the trial is compared with, unless the
// user has set a baseline of their own. A baseline the trial set is the trial's: it goes when
// the trial is kept or dropped, so the pictures are then drawn as before it.
void MainWindow::adjustTrialStarted(bool right, const CoordinateSet& original) {
    if (baseline_ && !baselineFromTrial_) {
        return;
    }
    Baseline before = baselineOf(state_);
    (right ? before.RightCoords : before.LeftCoords) = original;
    setBaseline(before);
    baselineFromTrial_ = true;
}

void MainWindow::adjustTrialEnded() {
    if (baselineFromTrial_) {
        clearBaseline();
    }
}

// Keep is one step of the undo history, like the table's OK.
void MainWindow::storeAdjustedCoordinates(bool right, const CoordinateSet& kept) {
    storeSideCoordinates(right, kept);
    if (graph_ && graph_->isVisible()) {
        graph_->initialise();
    }
}

ProjectSnapshot MainWindow::snapshotWithoutTrial() const {
    ProjectSnapshot snapshot = snapshotOf(state_, StepKind::Project);
    if (adjust_) {
        if (const std::optional<CoordinateSet> stored = adjust_->storedCoordinates()) {
            (adjust_->right() ? snapshot.right : snapshot.left) = *stored;
        }
    }
    return snapshot;
}

void MainWindow::revertAdjustTrial() {
    if (adjust_) {
        adjust_->revert();
    }
}

void MainWindow::refreshAfterAdjust() {
    reselectActiveSide();
    if (graph_ && graph_->isVisible()) {
        graph_->initialise();
    }
}

} // namespace velmora
