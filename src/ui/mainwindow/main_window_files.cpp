// The File commands of the main window: New, Open, Save and Exit, and the close box.
#include "mainwindow/main_window.h"

#include "mainwindow/notes_window.h"
#include "model/project_file_io.h"
#include "platform/file_dialogs.h"

#include <filesystem>
#include <system_error>

namespace velmora {

namespace {

const QString kSaveFilter = QStringLiteral("Tarsyn (*.kqw)|*.kqw");
const QString kOpenFilter = QStringLiteral("Tarsyn (*.kqw)|*.kqw|Orrin dos(*.kqp)|*.kqp");

Message leavingQuestion() {
    return Message{"Warning", "Would you like to save the current data before exiting?",
                   MessageIcon::Warning, MessageButtons::YesNoCancel};
}

Message replaceQuestion(const std::string& path) {
    return Message{"Save As", path + " already exists.\nDo you want to replace it?",
                   MessageIcon::Warning, MessageButtons::YesNo};
}

bool fileExists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::symlink_status(path, ec).type() !=
               std::filesystem::file_type::not_found &&
           !ec;
}

} // namespace

void MainWindow::pullNotes() {
    if (notes_) {
        notes_->takeNotesBack();
    }
}

void MainWindow::clearProjectAndNotes() {
    // The graph window shows curves of the project being left; it goes, as Return does.
    hideGraphWindow();
    state_.Note_text.clear();
    if (notes_) {
        notes_->clearBox();
    }
    clearProject(state_);
    Disable_Graphs();
    setFileLabel({});
    refreshChassisWindows();
}

void MainWindow::fileNew() {
    frmDisable();
    clearProjectAndNotes();
    endCommand();
}

void MainWindow::fileOpen() {
    frmDisable();
    // The file is chosen and read before anything is cleared: cancelling, or a file that
    // cannot be read, leaves the project the user has as it was.
    const std::optional<QString> chosen = fileDialogs_.openFileName(this, kOpenFilter);
    if (chosen) {
        loadProject(chosen->toStdString());
    }
    endCommand();
}

bool MainWindow::openProject(const std::string& path) {
    frmDisable();
    const bool opened = loadProject(path);
    endCommand();
    return opened;
}

bool MainWindow::loadProject(const std::string& path) {
    const ProjectReadResult read = readProjectFile(path);
    if (!read.ok()) {
        messages_.show(openErrorMessage());
        return false;
    }

    clearProjectAndNotes();
    state_.Lfile = path;
    setFileLabel(path);
    applyProjectData(state_, *read.project);
    if (notes_) {
        notes_->fillFromNotes();
    }
    chooseTrack(trackChoiceFor(*read.project));
    const CarStyleChoice style = carStyleChoiceFor(*read.project, path);
    if (style != CarStyleChoice::None) {
        chooseCarStyle(style);
    } else {
        reselectActiveSide(); // the loaded coordinates are analysed whatever the style says
    }
    // Records of the extension block that could not be read were left out; say which.
    if (const std::optional<Message> notice = openNotice(*read.project)) {
        messages_.show(*notice);
    }
    return true;
}

bool MainWindow::fileSave() {
    pullNotes();
    frmDisable();
    const std::optional<QString> chosen = fileDialogs_.saveFileName(this, kSaveFilter);
    if (!chosen) {
        endCommand();
        return false;
    }
    const std::string typed = chosen->toStdString();
    const std::string path = withNativeExtension(typed);
    // The dialog asked about the name it saw; a file that only the added extension names
    // has not been asked about yet.
    if (path != typed && fileExists(path) &&
        messages_.show(replaceQuestion(path)) != MessageAnswer::Yes) {
        endCommand();
        return false;
    }
    // Written to a temporary beside the target and renamed over it, so a failed save
    // leaves the previous file as it was.
    std::string reason;
    switch (writeProjectFile(path, state_, &reason)) {
    case ProjectSaveResult::Saved:
        break;
    case ProjectSaveResult::TooLarge:
        messages_.show(projectTooLargeMessage());
        endCommand();
        return false;
    case ProjectSaveResult::Failed:
        messages_.show(saveErrorMessage(reason));
        endCommand();
        return false;
    }
    state_.Lfile = path;
    setFileLabel(path);
    endCommand();
    return true;
}

bool MainWindow::confirmLeaving() {
    pullNotes();
    switch (messages_.show(leavingQuestion())) {
    case MessageAnswer::Yes:
        // The program ends only once the project is safely written.
        return fileSave();
    case MessageAnswer::No:
        return true;
    default:
        return false;
    }
}

void MainWindow::fileExit() {
    if (!confirmLeaving()) {
        endCommand();
        return;
    }
    leaving_ = true;
    close();
}

} // namespace velmora
