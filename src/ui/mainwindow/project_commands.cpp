#include "ui/mainwindow/project_commands.h"

#include "model/project_file_io.h"
#include "ui/platform/file_dialogs.h"
#include "ui/project/project_document.h"

#include <filesystem>
#include <system_error>

namespace velmora {

namespace {

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

ProjectCommands::ProjectCommands(ProjectDocument& document, FileDialogs& dialogs,
                                 MessageSink& messages, ProjectWindow& window,
                                 QWidget* dialogParent)
    : document_(document), dialogs_(dialogs), messages_(messages), window_(window),
      dialogParent_(dialogParent), coordinates_(document, dialogs, messages, dialogParent) {}

void ProjectCommands::newProject() {
    document_.apply(newProjectEdit());
}

bool ProjectCommands::open() {
    // The file is chosen and read before anything is cleared: cancelling, or a file that
    // cannot be read, leaves the project the user has as it was.
    const std::optional<QString> chosen = dialogs_.openFileName(dialogParent_, kProjectOpenFilter);
    return chosen && open(chosen->toStdString());
}

bool ProjectCommands::open(const std::string& path) {
    const ProjectReadResult read = readProjectFile(path);
    if (!read.ok()) {
        messages_.show(openErrorMessage());
        return false;
    }

    document_.apply(openProjectEdit(projectFromFile(*read.project, path, document_.project())));
    // Records of the extension block that could not be read were left out; say which.
    if (const std::optional<Message> notice = openNotice(*read.project)) {
        messages_.show(*notice);
    }
    return true;
}

bool ProjectCommands::save() {
    window_.takeNotesBack();
    const std::optional<QString> chosen = dialogs_.saveFileName(dialogParent_, kProjectSaveFilter);
    if (!chosen) {
        return false;
    }
    const std::string typed = chosen->toStdString();
    const std::string path = withNativeExtension(typed);
    // The dialog asked about the name it saw; a file that only the added extension names
    // has not been asked about yet.
    if (path != typed && fileExists(path) &&
        messages_.show(replaceQuestion(path)) != MessageAnswer::Yes) {
        return false;
    }
    // Written to a temporary beside the target and renamed over it, so a failed save
    // leaves the previous file as it was.
    std::string reason;
    switch (writeProjectFile(path, document_.project(), &reason)) {
    case ProjectSaveResult::Saved:
        break;
    case ProjectSaveResult::TooLarge:
        messages_.show(projectTooLargeMessage());
        return false;
    case ProjectSaveResult::Failed:
        messages_.show(saveErrorMessage(reason));
        return false;
    }
    document_.applyUnrecorded(setFileEdit(path));
    return true;
}

bool ProjectCommands::confirmLeaving() {
    window_.takeNotesBack();
    switch (messages_.show(leavingQuestion())) {
    case MessageAnswer::Yes:
        // The program ends only once the project is safely written.
        return save();
    case MessageAnswer::No:
        return true;
    default:
        return false;
    }
}

} // namespace velmora
