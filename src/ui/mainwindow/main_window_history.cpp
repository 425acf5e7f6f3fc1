// The main window's side of the project: it follows every change of the document, and its
// Edit menu undoes and redoes the document's edits, in memory only.
#include "mainwindow/main_window.h"

#include "mainwindow/main_menus.h"
#include "mainwindow/notes_window.h"

#include <QAction>

namespace velmora {

namespace {

// What the side panels, the small graphs and the sweep are drawn from.
constexpr ProjectParts kAnalysed =
    ProjectParts::coordinates() | ProjectPart::Travel | ProjectPart::CarStyle;
constexpr ProjectParts kNotesAndFile = ProjectPart::Notes | ProjectPart::File;

} // namespace

void MainWindow::showProjectChange(const ProjectChange& change) {
    if (change.replaced) {
        // Another project: the results of the one left go, and so does the graph window that
        // shows them, as Return does; the notes box shows the new notes.
        clearProject(state_);
        hideGraphWindow();
        if (notes_) {
            notes_->clearBox();
        }
    }
    const ProjectParts parts = change.replaced ? ProjectParts::all() : change.parts;
    loadInputs(state_, document_.project(), parts);
    if (change.replaced && notes_) {
        notes_->fillFromNotes();
    }
    if (parts.has(ProjectPart::CarStyle)) {
        showCarStyleChecks();
    }
    if (parts.has(ProjectPart::Track)) {
        showTrackChecks();
    }
    if (parts.has(ProjectPart::File)) {
        setFileLabel(document_.project().file);
    }
    if (parts.any(kAnalysed)) {
        reselectActiveSide();
    }
    if (!dialogFrameOpen() && (change.replaced || !parts.within(kNotesAndFile))) {
        frmEnable();
    } else {
        // A frame still open (a wizard screen stored) keeps the window inert; typing notes
        // leaves it as it is.
        updateUndoActions();
    }
}

void MainWindow::updateUndoActions() {
    // While the window is inert (a dialog frame is open) the frame's boxes keep Ctrl+Z for
    // their own typing, and the project does not change beneath the frame.
    menus_->mnuUndo->setEnabled(!inert_ && document_.canUndo());
    menus_->mnuRedo->setEnabled(!inert_ && document_.canRedo());
    menus_->mnuUndo->setText(document_.undoText());
    menus_->mnuRedo->setText(document_.redoText());
}

void MainWindow::undo() {
    if (dialogFrameOpen()) {
        return;
    }
    // A trial of Adjust a Point ends first, so that redo never brings it back as stored.
    revertAdjustTrial();
    document_.undo();
}

void MainWindow::redo() {
    if (dialogFrameOpen()) {
        return;
    }
    revertAdjustTrial();
    document_.redo();
}

} // namespace velmora
