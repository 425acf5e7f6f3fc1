// The File commands of the main window (New, Open, Save and Exit, and the close box) over
// ProjectCommands.
#include "mainwindow/main_window.h"

#include "mainwindow/notes_window.h"

#include <QLabel>

namespace velmora {

void MainWindow::takeNotesBack() {
    if (notes_) {
        notes_->takeNotesBack();
    }
}

void MainWindow::setFileLabel(const std::string& path) {
    lblfile_->setText(QString::fromStdString(path));
}

void MainWindow::fileNew() {
    frmDisable();
    project_->newProject();
    endCommand();
}

void MainWindow::fileOpen() {
    frmDisable();
    project_->open();
    endCommand();
}

bool MainWindow::openProject(const std::string& path) {
    frmDisable();
    const bool opened = project_->open(path);
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
