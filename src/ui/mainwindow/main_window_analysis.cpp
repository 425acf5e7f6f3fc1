// The main window's analysis: the Analyze buttons, the static geometry and the Notes button.
#include "mainwindow/main_window.h"

#include "chassis/adjust_point_window.h"

#include "chassis/steering_window.h"

#include "chassis/dive_roll_window.h"

#include "analysis/baseline_view.h"
#include "analysis/big_graph.h"
#include "analysis/graph_sensitivity.h"
#include "geometry/static_geometry.h"
#include "mainwindow/geometry_frame.h"
#include "mainwindow/notes_window.h"
#include "mainwindow/static_frame.h"
#include "model/gathering_message_sink.h"

namespace velmora {

OpenWindows MainWindow::windows() const {
    return {notes_.data(), graph_.data(), diveRoll_.data(), steering_.data(), adjust_.data()};
}

void MainWindow::analyze(GraphKind kind) {
    if (!graph_) {
        graph_ = new BigGraph(state_, messages_, this);
        // A window of its own that stays with the main window.
        graph_->setWindowFlag(Qt::Window, true);
        connect(graph_, &BigGraph::printRequested, this, &MainWindow::printGraph);
        if (baseline_) {
            graph_->baselineView().setBaseline(*baseline_);
        }
        connect(&graph_->sensitivity(), &GraphSensitivity::adjustRequested, this,
                &MainWindow::adjustPoint);
        connect(graph_, &BigGraph::readingsAccepted, this,
                [this](const std::vector<BumpSteerReading>& readings) {
                    document_.apply(setReadingsEdit(readings));
                });
        connect(&document_, &ProjectDocument::changed, graph_, [this](const ProjectChange& c) {
            if (graph_->isVisible()) {
                graph_->followProject(c.parts);
            }
        });
    }
    graph_->showGraph(kind);
}

void MainWindow::hideGraphWindow() {
    if (graph_) {
        graph_->hide();
    }
}

void MainWindow::showStaticGeometry() {
    frmStatic_->Clear_RStat();
    frmStatic_->Clear_LStat();
    GatheringMessageSink messages(messages_, kMessageBoxesPerSweep);
    frmStatic_->setCaptions(staticCaptions(runStaticGeometry(state_, messages)));
    frmStatic_->show();
    frmStatic_->raise();
}

void MainWindow::showNotes() {
    if (!notes_) {
        notes_ = new NotesWindow(document_);
        notes_->setAttribute(Qt::WA_DeleteOnClose);
    }
    notes_->fillFromNotes();
    notes_->show();
    notes_->raise();
    notes_->activateWindow();
}

} // namespace velmora
