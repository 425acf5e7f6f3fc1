#include "ui/project/project_document.h"

namespace velmora {

namespace {

QString entryText(const char* verb, const std::string& step) {
    QString text = QString::fromLatin1(verb);
    if (!step.empty()) {
        text += QLatin1Char(' ') + QString::fromStdString(step);
    }
    return text;
}

} // namespace

bool ProjectDocument::tell(const ProjectChange& change) {
    if (change.parts.empty() && !change.replaced) {
        return false;
    }
    emit changed(change);
    return true;
}

bool ProjectDocument::apply(const ProjectEdit& edit) {
    return tell(history_.apply(edit));
}

bool ProjectDocument::applyUnrecorded(const ProjectEdit& edit) {
    return tell(history_.applyUnrecorded(edit));
}

bool ProjectDocument::undo() {
    const std::optional<ProjectChange> change = history_.undo();
    return change && tell(*change);
}

bool ProjectDocument::redo() {
    const std::optional<ProjectChange> change = history_.redo();
    return change && tell(*change);
}

QString ProjectDocument::undoText() const {
    return entryText("&Undo", history_.undoName());
}

QString ProjectDocument::redoText() const {
    return entryText("&Redo", history_.redoName());
}

void ProjectDocument::retell(const std::string& why) {
    emit changed(ProjectChange{why, ProjectParts::all(), false});
}

void ProjectDocument::start(Project project) {
    history_ = ProjectHistory(std::move(project));
    emit changed(ProjectChange{{}, ProjectParts::all(), true});
}

} // namespace velmora
