// The main window's analysis: the small graphs, the Analyze buttons, the static geometry
// and the Notes button.
#include "mainwindow/main_window.h"

#include "analysis/big_graph.h"
#include "analysis/graph_sensitivity.h"
#include "analysis/thumbnails.h"
#include "geometry/static_geometry.h"
#include "mainwindow/geometry_frame.h"
#include "mainwindow/notes_window.h"
#include "mainwindow/static_frame.h"
#include "model/gathering_message_sink.h"

#include <QApplication>
#include <QPalette>

namespace velmora {

namespace {

// A sweep over a wide travel range can report at every position; the user clicks through
// this many boxes at most, and one more lists the rest.
constexpr std::size_t kMessageBoxesPerSweep = 3;

Rgb buttonFace() {
    const QColor face = QApplication::palette().color(QPalette::Active, QPalette::Button);
    return Rgb{static_cast<std::uint8_t>(face.red()), static_cast<std::uint8_t>(face.green()),
               static_cast<std::uint8_t>(face.blue())};
}

} // namespace

void MainWindow::Enable_Graphs(bool gonly) {
    enableGraphsOf(state_.Right_Active, gonly);
}

void MainWindow::enableGraphsOf(bool right, bool gonly) {
    // Enabled before the sweep's messages are shown.
    frmGeo_->setEnabled(isComplete(state_.coords(right)));
    GatheringMessageSink messages(messages_, kMessageBoxesPerSweep);
    sweepAndDrawThumbnails(state_, right, frmGeo_->surfaces(), gonly, buttonFace(), messages);
}

void MainWindow::Disable_Graphs() {
    frmGeo_->setEnabled(false);
    drawDisabledThumbnails(frmGeo_->surfaces(), buttonFace());
}

void MainWindow::Update_Graphs(bool gonly) {
    drawThumbnails(state_, frmGeo_->surfaces(), gonly);
}

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
    frmStatic_->setCaptions(runStaticGeometry(state_, messages).byLabel);
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
