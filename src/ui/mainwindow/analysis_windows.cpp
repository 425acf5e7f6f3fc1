#include "ui/mainwindow/analysis_windows.h"

#include "analysis/baseline.h"
#include "chassis/anti_dive.h"
#include "chassis_pages/rates_page.h"
#include "chassis_pages/roll_figures.h"
#include "chassis_pages/steering_page.h"
#include "chassis_pages/view3d_page.h"
#include "model/project_file_io.h"
#include "ui/analysis/baseline_view.h"
#include "ui/analysis/big_graph.h"
#include "ui/analysis/graph_sensitivity.h"
#include "ui/chassis/adjust_point_host.h"
#include "ui/chassis/adjust_point_window.h"
#include "ui/chassis/dive_roll_window.h"
#include "ui/chassis/rates_window.h"
#include "ui/chassis/steering_window.h"
#include "ui/chassis/view3d_window.h"
#include "ui/mainwindow/side_refresh.h"
#include "ui/project/project_document.h"
#include "ui/widgets/window_placement.h"

namespace velmora {

namespace {

Message diveRollPrintFailure() {
    return {"Error", "An error has occurred while trying to print the dive and roll page.",
            MessageIcon::Exclamation, MessageButtons::Ok};
}

// What the graph window draws from: a change of these starts it again at the static position.
constexpr ProjectParts kCurves =
    ProjectParts::coordinates() | ProjectPart::Travel | ProjectPart::CarStyle | ProjectPart::Track;

} // namespace

// Adjust a Point's trial is a preview in the working state, over the project, and everything
// that shows the side follows it at once; only Keep changes the project.
class AnalysisWindows::AdjustHost : public AdjustPointHost {
public:
    explicit AdjustHost(AnalysisWindows& windows) : windows_(windows) {}

    CoordinateSet coordinatesOf(bool right) const override {
        return windows_.services_.state.coords(right);
    }

    void previewStarted(bool right, const CoordinateSet& original) override {
        windows_.trialStarted(right, original);
    }

    void preview(bool right, const CoordinateSet& trial) override {
        side(right) = trial;
        windows_.refreshAll();
    }

    void keep(bool right, const CoordinateSet& original, const CoordinateSet& kept) override {
        // The project still holds `original`: the step runs from it, not from the trial.
        (void)original;
        if (!windows_.services_.document.apply(keepAdjustedPointEdit(right, kept))) {
            windows_.refreshAll(); // kept what the project had: the preview is it
        }
        windows_.trialEnded();
    }

    void revert(bool right, const CoordinateSet& original) override {
        side(right) = original;
        windows_.refreshAll();
        windows_.trialEnded();
    }

private:
    CoordinateSet& side(bool right) {
        return right ? windows_.services_.state.RightCoords : windows_.services_.state.LeftCoords;
    }

    AnalysisWindows& windows_;
};

AnalysisWindows::AnalysisWindows(Services services)
    : QObject(services.owner), services_(std::move(services)) {
    connect(&services_.document, &ProjectDocument::changed, this, &AnalysisWindows::followProject);
}

AnalysisWindows::~AnalysisWindows() {
    delete graph_.data();
    delete diveRoll_.data();
    delete steering_.data();
    delete rates_.data();
    delete view3d_.data();
    delete adjust_.data();
}

BigGraph* AnalysisWindows::graph() const {
    return graph_.data();
}

DiveRollWindow* AnalysisWindows::diveRoll() const {
    return diveRoll_.data();
}

SteeringWindow* AnalysisWindows::steering() const {
    return steering_.data();
}

RatesWindow* AnalysisWindows::rates() const {
    return rates_.data();
}

View3dWindow* AnalysisWindows::view3d() const {
    return view3d_.data();
}

AdjustPointWindow* AnalysisWindows::adjust() const {
    return adjust_.data();
}

void AnalysisWindows::followProject(const ProjectChange& change) {
    if (change.replaced) {
        // The graph window shows curves of the project being left; it goes, as Return does.
        hideGraph();
    } else if (graph_ && graph_->isVisible()) {
        graph_->followProject(change.parts);
    }
    // The chassis windows draw from everything but the notes and the file name.
    if (change.replaced || !change.parts.within(ProjectPart::Notes | ProjectPart::File)) {
        refreshChassisWindows();
    }
    if (adjust_ && adjust_->isVisible()) {
        adjust_->followProject();
    }
}

void AnalysisWindows::analyze(GraphKind kind) {
    if (!graph_) {
        graph_ = new BigGraph(services_.state, services_.messages, services_.owner);
        graph_->setWindowFlag(Qt::Window, true);
        connect(graph_, &BigGraph::printRequested, this, &AnalysisWindows::printGraph);
        if (baseline_) {
            graph_->baselineView().setBaseline(*baseline_);
        }
        connect(&graph_->sensitivity(), &GraphSensitivity::adjustRequested, this,
                &AnalysisWindows::adjustPoint);
        connect(graph_, &BigGraph::readingsAccepted, this,
                [this](const std::vector<BumpSteerReading>& readings) {
                    services_.document.apply(setReadingsEdit(readings));
                });
    }
    graph_->showGraph(kind);
}

void AnalysisWindows::hideGraph() {
    if (graph_) {
        graph_->hide();
    }
}

void AnalysisWindows::showDiveRoll() {
    if (!diveRoll_) {
        diveRoll_ = new DiveRollWindow(services_.state, services_.owner);
        diveRoll_->setWindowFlag(Qt::Window, true);
        connect(diveRoll_, &DiveRollWindow::printRequested, this, &AnalysisWindows::printDiveRoll);
        diveRoll_->setBaseline(baseline_.get());
    }
    diveRoll_->refresh();
    showBeside(*diveRoll_, *services_.owner);
}

void AnalysisWindows::showSteering() {
    if (!steering_) {
        steering_ = new SteeringWindow(services_.state, services_.owner);
        steering_->setWindowFlag(Qt::Window, true);
        connect(steering_, &SteeringWindow::printRequested, this, &AnalysisWindows::printSteering);
        steering_->setBaseline(baseline_.get());
    }
    steering_->refresh();
    showBeside(*steering_, *services_.owner);
}

void AnalysisWindows::showRates() {
    if (!rates_) {
        rates_ = new RatesWindow(services_.state, services_.owner);
        rates_->setWindowFlag(Qt::Window, true);
        connect(rates_, &RatesWindow::printRequested, this, &AnalysisWindows::printRates);
        rates_->setBaseline(baseline_.get());
    }
    rates_->refresh();
    showBeside(*rates_, *services_.owner);
}

void AnalysisWindows::showView3d() {
    if (!view3d_) {
        view3d_ = new View3dWindow(services_.state, services_.owner);
        view3d_->setWindowFlag(Qt::Window, true);
        connect(view3d_, &View3dWindow::printRequested, this, &AnalysisWindows::printView3d);
        view3d_->setBaseline(baseline_.get());
    }
    view3d_->refresh();
    showBeside(*view3d_, *services_.owner);
}

void AnalysisWindows::showAdjustPoint() {
    if (!adjust_) {
        adjustHost_ = std::make_unique<AdjustHost>(*this);
        adjust_ = new AdjustPointWindow(*adjustHost_, services_.messages, services_.owner);
    }
    adjust_->openFor(services_.state.Right_Active);
}

void AnalysisWindows::adjustPoint(int index) {
    showAdjustPoint();
    adjust_->selectIndex(index);
}

void AnalysisWindows::revertAdjustTrial() {
    if (adjust_) {
        adjust_->revert();
    }
}

void AnalysisWindows::selectSide(bool right) {
    if (mayChangeSide(right)) {
        services_.sides.selectSide(right);
        followSide();
    }
}

bool AnalysisWindows::mayChangeSide(bool right) {
    if (!adjust_ || !adjust_->trialOpen() || adjust_->right() == right) {
        return true;
    }
    const char* side = adjust_->right() ? "right" : "left";
    const MessageAnswer answer = services_.messages.show(Message{
        "Adjust a Point",
        std::string("Keep the trial change to the ") + side + " side before showing the " +
            (right ? "right" : "left") + " side? No puts the " + side + " side back as it was.",
        MessageIcon::Exclamation, MessageButtons::YesNoCancel});
    if (answer == MessageAnswer::Cancel) {
        return false;
    }
    if (answer == MessageAnswer::Yes) {
        adjust_->keep();
    } else {
        adjust_->revert();
    }
    return true;
}

void AnalysisWindows::followSide() {
    const bool right = services_.state.Right_Active;
    if (graph_ && graph_->isVisible()) {
        graph_->followSide();
    }
    if (adjust_ && adjust_->isVisible()) {
        adjust_->showSide(right);
    }
}

void AnalysisWindows::closeAll() {
    for (QWidget* window :
         {static_cast<QWidget*>(graph_.data()), static_cast<QWidget*>(diveRoll_.data()),
          static_cast<QWidget*>(steering_.data()), static_cast<QWidget*>(rates_.data()),
          static_cast<QWidget*>(view3d_.data()), static_cast<QWidget*>(adjust_.data())}) {
        if (window != nullptr) {
            window->close();
        }
    }
}

void AnalysisWindows::refreshAll() {
    services_.sides.reselectActiveSide();
    if (graph_ && graph_->isVisible()) {
        graph_->initialise();
    }
    refreshChassisWindows();
}

void AnalysisWindows::refreshChassisWindows() {
    if (diveRoll_) {
        diveRoll_->refresh();
    }
    if (steering_ && steering_->isVisible()) {
        steering_->refresh();
    }
    if (rates_ && rates_->isVisible()) {
        rates_->refresh();
    }
    if (view3d_ && view3d_->isVisible()) {
        view3d_->refresh();
    }
}

// --- Baseline ----------------------------------------------------------------------------

void AnalysisWindows::setBaseline(const Baseline& baseline) {
    baseline_ = std::make_unique<Baseline>(baseline);
    baselineFromTrial_ = false;
    showBaselineChange();
}

void AnalysisWindows::setBaselineFromProject() {
    setBaseline(baselineOf(services_.state));
}

bool AnalysisWindows::openBaselineProject(const std::string& path) {
    const ProjectReadResult read = readProjectFile(path);
    if (!read.ok()) {
        services_.messages.show(openErrorMessage());
        return false;
    }
    // Only the coordinates are taken; the user's project, its file name and notes stay.
    SuspensionState other;
    applyProjectData(other, *read.project);
    if (const std::optional<Message> notice = openNotice(*read.project)) {
        services_.messages.show(*notice);
    }
    setBaseline(baselineOf(other));
    return true;
}

void AnalysisWindows::clearBaseline() {
    if (!baseline_) {
        return;
    }
    baseline_.reset();
    baselineFromTrial_ = false;
    showBaselineChange();
}

void AnalysisWindows::showBaselineChange() {
    if (graph_) {
        graph_->baselineView().setBaseline(baseline_ ? std::optional<Baseline>(*baseline_)
                                                     : std::nullopt);
        if (graph_->isVisible()) {
            graph_->initialise();
        }
    }
    if (steering_) {
        steering_->setBaseline(baseline_.get());
    }
    if (rates_) {
        rates_->setBaseline(baseline_.get());
    }
    if (view3d_) {
        view3d_->setBaseline(baseline_.get());
    }
    if (diveRoll_) {
        diveRoll_->setBaseline(baseline_.get());
    }
    services_.sides.setBaseline(baseline_.get());
    emit baselineChanged(baseline_ != nullptr);
    // The thumbnails and the chassis windows follow with the side.
    services_.sides.reselectActiveSide();
    refreshChassisWindows();
}

// The side as it was before the first nudge is what the trial is compared with, unless the
// user has set a baseline of their own. A baseline the trial set is the trial's: it goes when
// the trial is kept or dropped, so the pictures are then drawn as before it.
void AnalysisWindows::trialStarted(bool right, const CoordinateSet& original) {
    if (baseline_ && !baselineFromTrial_) {
        return;
    }
    Baseline before = baselineOf(services_.state);
    (right ? before.RightCoords : before.LeftCoords) = original;
    setBaseline(before);
    baselineFromTrial_ = true;
}

void AnalysisWindows::trialEnded() {
    if (baselineFromTrial_) {
        clearBaseline();
    }
}

// --- Printing ----------------------------------------------------------------------------

void AnalysisWindows::printGraph() {
    if (!graph_) {
        return;
    }
    const GraphPageInputs inputs =
        graphPageInputs(graph_->view(), services_.state, services_.fileCaption(),
                        graph_->baselineView().result(graph_->view()));
    printGraphPage(services_.printServices(), inputs,
                   [this] { return graph_->refreshSuggestions(); });
}

void AnalysisWindows::printDiveRoll() {
    if (!diveRoll_ || !diveRoll_->current() || !diveRoll_->frontEnd()) {
        return;
    }
    const SuspensionState& state = services_.state;
    printPages(services_.printServices(), diveRollPrintFailure(), [&](Printer& printer) {
        buildDiveRollPage(printer, *diveRoll_->current(), diveRoll_->path(), *diveRoll_->frontEnd(),
                          antiDive(state.RightCoords, state.LeftCoords, state.Vehicle),
                          services_.fileCaption());
    });
}

void AnalysisWindows::printSteering() {
    if (!steering_) {
        return;
    }
    SteeringPageInputs inputs = steeringPageInputs(services_.state, steering_->maxRack());
    inputs.fileCaption = services_.fileCaption();
    if (const SteerSweep* baseline = steering_->baselineSweep()) {
        inputs.baseline = *baseline;
    }
    printPages(services_.printServices(), steeringPrintFailure(),
               [&](Printer& printer) { buildSteeringPage(printer, inputs); });
}

void AnalysisWindows::printRates() {
    if (!rates_) {
        return;
    }
    const RatesPageInputs inputs{rates_->figures(), services_.fileCaption()};
    printPages(services_.printServices(), ratesPrintFailure(),
               [&](Printer& printer) { buildRatesPage(printer, inputs); });
}

void AnalysisWindows::printView3d() {
    if (!view3d_ || !view3d_->scene().solved) {
        return;
    }
    const std::string stateLine = sceneStateText(view3d_->sceneState());
    printPages(services_.printServices(), view3dPrintFailure(), [&](Printer& printer) {
        buildView3dPage(printer, view3d_->scene(), view3d_->camera(), stateLine,
                        services_.fileCaption());
    });
}

} // namespace velmora
