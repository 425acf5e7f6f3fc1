// The File commands of the main window (New, Open, Save and Exit, and the close box) over
// ProjectCommands, and what those commands show in the window.
#include "mainwindow/main_window.h"

#include "mainwindow/notes_window.h"

#include <QLabel>

namespace velmora {

void MainWindow::takeNotesBack() {
    if (notes_) {
        notes_->takeNotesBack();
    }
}

void MainWindow::leaveProject() {
    // The graph window shows curves of the project being left; it goes, as Return does.
    hideGraphWindow();
    if (notes_) {
        notes_->clearBox();
    }
}

void MainWindow::showClearedProject() {
    sides_->Disable_Graphs();
    setFileLabel({});
    refreshChassisWindows();
}

void MainWindow::showFileName(const std::string& path) {
    setFileLabel(path);
}

void MainWindow::setFileLabel(const std::string& path) {
    lblfile_->setText(QString::fromStdString(path));
}

void MainWindow::showOpenedProject(TrackChoice track, CarStyleChoice style) {
    if (notes_) {
        notes_->fillFromNotes();
    }
    chooseTrack(track);
    if (style != CarStyleChoice::None) {
        chooseCarStyle(style);
    } else {
        // No style command runs, so the check marks follow the text as read (none of the
        // three), and the loaded coordinates are analysed whatever the style says.
        showCarStyleChecks();
        reselectActiveSide();
    }
}

void MainWindow::fileNew() {
    frmDisable();
    const ProjectSnapshot before = snapshotWithoutTrial();
    project_->newProject();
    history_.commitProject(before, state_);
    endCommand();
}

void MainWindow::fileOpen() {
    frmDisable();
    const ProjectSnapshot before = snapshotWithoutTrial();
    if (project_->open()) {
        history_.commitProject(before, state_);
    }
    endCommand();
}

bool MainWindow::openProject(const std::string& path) {
    frmDisable();
    const ProjectSnapshot before = snapshotWithoutTrial();
    const bool opened = project_->open(path);
    if (opened) {
        history_.commitProject(before, state_);
    }
    endCommand();
    return opened;
}

bool MainWindow::fileSave() {
    frmDisable();
    const bool saved = project_->save();
    endCommand();
    return saved;
}

bool MainWindow::confirmLeaving() {
    frmDisable();
    const bool mayLeave = project_->confirmLeaving();
    endCommand();
    return mayLeave;
}

void MainWindow::fileExit() {
    if (!confirmLeaving()) {
        return;
    }
    leaving_ = true;
    close();
}

} // namespace velmora
