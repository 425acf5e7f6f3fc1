// The main window's commands: each turns what the user chose or typed into an edit of the
// project, and the window follows the project's change.
#include "ui/mainwindow/main_window.h"

#include "ui/mainwindow/main_menus.h"
#include "ui/mainwindow/notes_window.h"
#include "ui/mainwindow/side_refresh.h"
#include "ui/platform/file_dialogs.h"

#include <QAction>
#include <QLabel>

namespace velmora {

namespace {

// What the side panels, the small graphs and the sweep are drawn from.
constexpr ProjectParts kAnalysed =
    ProjectParts::coordinates() | ProjectPart::Travel | ProjectPart::CarStyle;
constexpr ProjectParts kNotesAndFile = ProjectPart::Notes | ProjectPart::File;

} // namespace

void MainWindow::showProjectChange(const ProjectChange& change) {
    if (change.replaced) {
        // Another project: the results of the one left go; the notes box shows the new notes.
        clearProject(state_);
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
        panels_.lblfile->setText(QString::fromStdString(document_.project().file));
    }
    if (parts.any(kAnalysed)) {
        reselectActiveSide();
    }
    if (!panels_.dialogFrameOpen() && (change.replaced || !parts.within(kNotesAndFile))) {
        frmEnable();
    } else {
        // A frame still open (a wizard screen stored) keeps the window inert; typing notes
        // leaves it as it is.
        updateUndoActions();
    }
}

// --- Edit --------------------------------------------------------------------------------

void MainWindow::updateUndoActions() {
    // While the window is inert (a dialog frame is open) the frame's boxes keep Ctrl+Z for
    // their own typing, and the project does not change beneath the frame.
    menus_->mnuUndo->setEnabled(!inert_ && document_.canUndo());
    menus_->mnuRedo->setEnabled(!inert_ && document_.canRedo());
    menus_->mnuUndo->setText(document_.undoText());
    menus_->mnuRedo->setText(document_.redoText());
}

void MainWindow::undo() {
    if (!panels_.dialogFrameOpen()) {
        // A trial of Adjust a Point ends first, so that redo never brings it back as stored.
        analyses_->revertAdjustTrial();
        document_.undo();
    }
}

void MainWindow::redo() {
    if (!panels_.dialogFrameOpen()) {
        analyses_->revertAdjustTrial();
        document_.redo();
    }
}

// --- File --------------------------------------------------------------------------------

void MainWindow::takeNotesBack() {
    if (notes_) {
        notes_->takeNotesBack();
    }
}

bool MainWindow::openProject(const std::string& path) {
    return whileInert([&] { return project_->open(path); });
}

bool MainWindow::fileOpen() {
    return whileInert([&] { return project_->open(); });
}

bool MainWindow::fileSave() {
    return whileInert([&] { return project_->save(); });
}

bool MainWindow::confirmLeaving() {
    return whileInert([&] { return project_->confirmLeaving(); });
}

void MainWindow::fileExit() {
    if (confirmLeaving()) {
        leaving_ = true;
        close();
    }
}

// --- Options -----------------------------------------------------------------------------

void MainWindow::chooseCarStyle(CarStyleChoice style) {
    if (!document_.apply(setCarStyleEdit(style))) {
        // The style the project has: its pictures and curves are drawn again all the same.
        showCarStyleChecks();
        reselectActiveSide();
    }
}

void MainWindow::showCarStyleChecks() {
    const CarStyleChoice style = carStyleChoiceOf(state_.CarStyle);
    menus_->mnuCarGM->setChecked(style == CarStyleChoice::GM);
    menus_->mnuCarFord->setChecked(style == CarStyleChoice::Ford);
    menus_->mnuCarFormula->setChecked(style == CarStyleChoice::Formula);
}

void MainWindow::chooseTrack(TrackChoice track) {
    if (!document_.apply(setTrackEdit(track))) {
        showTrackChecks(); // a checked entry chosen again stays checked
    }
}

void MainWindow::showTrackChecks() {
    const std::string& track = state_.TrackType;
    menus_->mnuTrackDirtO->setChecked(track == trackTypeText(TrackChoice::Dirt));
    menus_->mnuTrackAsphaltO->setChecked(track == trackTypeText(TrackChoice::Asphalt));
    menus_->mnuTrackRoad->setChecked(track == trackTypeText(TrackChoice::Road));
}

// --- Analysis ----------------------------------------------------------------------------

void MainWindow::analyze(GraphKind kind) {
    analyses_->analyze(kind);
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

void MainWindow::openBaselineProject() {
    whileInert([&] {
        const std::optional<QString> chosen = fileDialogs_.openFileName(this, kProjectOpenFilter);
        return chosen && analyses_->openBaselineProject(chosen->toStdString());
    });
}

// --- Printing ----------------------------------------------------------------------------

PrintServices MainWindow::printServices() {
    return PrintServices{*printer_, messages_,
                         printoutFolder_.isEmpty() ? defaultPrintoutFolder() : printoutFolder_};
}

void MainWindow::printCoordinates(const CoordinateBoxTexts& boxes) {
    printCoordinatePage(printServices(), state_.Right_Active, boxes,
                        panels_.lblfile->text().toStdString());
}

} // namespace velmora
