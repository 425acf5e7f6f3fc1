// The main window's Edit menu: undo and redo of the coordinate sets and of Open and New, in
// memory only.
#include "mainwindow/main_window.h"

#include "mainwindow/main_menus.h"
#include "mainwindow/notes_window.h"

#include <QAction>

namespace velmora {

void MainWindow::commitCoordinates() {
    history_.commitCoordinates(state_);
    updateUndoActions();
}

void MainWindow::storeSideCoordinates(bool right, const CoordinateSet& coords) {
    (right ? state_.RightCoords : state_.LeftCoords) = coords;
    commitCoordinates();
    reselectActiveSide();
    endCommand();
}

void MainWindow::updateUndoActions() {
    // While the window is inert (a dialog frame is open) the frame's boxes keep Ctrl+Z for
    // their own typing, and the project does not change beneath the frame.
    menus_->mnuUndo->setEnabled(!inert_ && history_.canUndo());
    menus_->mnuRedo->setEnabled(!inert_ && history_.canRedo());
}

void MainWindow::undo() {
    if (dialogFrameOpen()) {
        return;
    }
    // A trial of Adjust a Point ends first, so that redo never brings it back as stored.
    revertAdjustTrial();
    if (const std::optional<StepKind> kind = history_.undo(state_)) {
        showRestoredStep(*kind);
    }
}

void MainWindow::redo() {
    if (dialogFrameOpen()) {
        return;
    }
    revertAdjustTrial();
    if (const std::optional<StepKind> kind = history_.redo(state_)) {
        showRestoredStep(*kind);
    }
}

void MainWindow::showRestoredStep(StepKind kind) {
    if (kind == StepKind::Project) {
        // The project went back to another one: its notes, marks and file name show.
        // A box with text keeps it when filled, so it is emptied first, as Open does.
        if (notes_) {
            notes_->clearBox();
            notes_->fillFromNotes();
        }
        showCarStyleChecks();
        showTrackChecks();
        setFileLabel(state_.Lfile);
    }
    // The curves follow, as after the coordinate table's OK.
    reselectActiveSide();
    endCommand();
}

} // namespace velmora
