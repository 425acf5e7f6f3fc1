// The main window's side of Adjust a Point: the trial coordinates are a preview in the working
// state, over the project, and everything that shows the side follows them at once; only Keep
// changes the project.
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
        // The project still holds `original`: the step runs from it, not from the trial.
        (void)original;
        if (!window_.document_.apply(keepAdjustedPointEdit(right, kept))) {
            window_.refreshAfterAdjust(); // kept what the project had: the preview is it
        }
        window_.adjustTrialEnded();
    }

    void revert(bool right, const CoordinateSet& original) override {
        side(right) = original;
        window_.refreshAfterAdjust();
        window_.adjustTrialEnded();
    }

private:
    // The preview is the window's own: the working state, never the project.
    CoordinateSet& side(bool right) {
        return right ? window_.state_.RightCoords : window_.state_.LeftCoords;
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
    refreshChassisWindows();
}

} // namespace velmora
