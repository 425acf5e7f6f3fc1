// The main window's baseline: set from the project's coordinates, read from another project
// file, or cleared, and handed to every picture that draws it.
#include "mainwindow/main_window.h"

#include "analysis/baseline.h"
#include "analysis/baseline_view.h"
#include "analysis/big_graph.h"
#include "chassis/dive_roll_window.h"
#include "chassis/steering_window.h"
#include "mainwindow/main_menus.h"
#include "mainwindow/side_refresh.h"
#include "model/project_file_io.h"
#include "platform/file_dialogs.h"

#include <QAction>

namespace velmora {

void MainWindow::connectBaselineMenu() {
    connect(menus_->mnuSetBaseline, &QAction::triggered, this, &MainWindow::setBaselineFromProject);
    connect(menus_->mnuOpenBaseline, &QAction::triggered, this,
            qOverload<>(&MainWindow::openBaselineProject));
    connect(menus_->mnuClearBaseline, &QAction::triggered, this, &MainWindow::clearBaseline);
}

void MainWindow::setBaseline(const Baseline& baseline) {
    baseline_ = std::make_unique<Baseline>(baseline);
    baselineFromTrial_ = false;
    showBaselineChange();
}

void MainWindow::setBaselineFromProject() {
    setBaseline(baselineOf(state_));
}

void MainWindow::openBaselineProject() {
    frmDisable();
    const std::optional<QString> chosen = fileDialogs_.openFileName(this, kProjectOpenFilter);
    if (chosen) {
        openBaselineProject(chosen->toStdString());
    }
    endCommand();
}

bool MainWindow::openBaselineProject(const std::string& path) {
    const ProjectReadResult read = readProjectFile(path);
    if (!read.ok()) {
        messages_.show(openErrorMessage());
        return false;
    }
    // Only the coordinates are taken; the user's project, its file name and notes stay.
    SuspensionState other;
    applyProjectData(other, *read.project);
    if (const std::optional<Message> notice = openNotice(*read.project)) {
        messages_.show(*notice);
    }
    setBaseline(baselineOf(other));
    return true;
}

void MainWindow::clearBaseline() {
    if (!baseline_) {
        return;
    }
    baseline_.reset();
    baselineFromTrial_ = false;
    showBaselineChange();
}

bool MainWindow::hasBaseline() const {
    return baseline_ != nullptr;
}

const Baseline* MainWindow::baseline() const {
    return baseline_.get();
}

void MainWindow::showBaselineChange() {
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
    if (diveRoll_) {
        diveRoll_->setBaseline(baseline_.get());
    }
    sides_->setBaseline(baseline_.get());
    // The thumbnails and the chassis windows follow with the side.
    reselectActiveSide();
    refreshChassisWindows();
}

} // namespace velmora
