// The main window's analysis: the Analyze buttons, the static geometry and the Notes button.
#include "mainwindow/main_window.h"

#include "analysis/baseline_view.h"
#include "analysis/big_graph.h"
#include "analysis/graph_sensitivity.h"
#include "geometry/static_geometry.h"
#include "mainwindow/geometry_frame.h"
#include "mainwindow/notes_window.h"
#include "mainwindow/static_frame.h"
#include "model/gathering_message_sink.h"

namespace velmora {

BigGraph* MainWindow::graphWindow() const {
    return graph_.data();
}

NotesWindow* MainWindow::notesWindow() const {
    return notes_.data();
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
        notes_ = new NotesWindow(state_);
        notes_->setAttribute(Qt::WA_DeleteOnClose);
    }
    notes_->fillFromNotes();
    notes_->show();
    notes_->raise();
    notes_->activateWindow();
}

} // namespace velmora
