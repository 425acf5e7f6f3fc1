#include "model/project_history.h"

#include <utility>

namespace velmora {

ProjectHistory::ProjectHistory(Project start, std::size_t limit)
    : project_(std::move(start)), limit_(limit > 0 ? limit : 1) {}

ProjectChange ProjectHistory::change(const ProjectEdit& edit, Project& before) {
    before = project_;
    edit.change(project_);
    return ProjectChange{edit.name, differingParts(before, project_), edit.replacesProject};
}

ProjectChange ProjectHistory::apply(const ProjectEdit& edit) {
    Project before;
    ProjectChange changed = change(edit, before);
    if (changed.parts.empty()) {
        return changed;
    }
    steps_.resize(done_);
    // A step that replaced the project puts every part back, so the notes typed since come
    // back with a redo and go with an undo.
    const ProjectParts parts = changed.replaced ? ProjectParts::all() : changed.parts;
    steps_.push_back(Step{edit.name, parts, changed.replaced, std::move(before), project_});
    if (steps_.size() > limit_) {
        steps_.erase(steps_.begin());
    }
    done_ = steps_.size();
    return changed;
}

ProjectChange ProjectHistory::applyUnrecorded(const ProjectEdit& edit) {
    Project before;
    return change(edit, before);
}

std::optional<ProjectChange> ProjectHistory::undo() {
    if (!canUndo()) {
        return std::nullopt;
    }
    Step& step = steps_[--done_];
    const Project now = project_;
    step.after = now;
    copyParts(project_, step.before, step.parts);
    return ProjectChange{step.name, differingParts(now, project_), step.replaced};
}

std::optional<ProjectChange> ProjectHistory::redo() {
    if (!canRedo()) {
        return std::nullopt;
    }
    Step& step = steps_[done_++];
    const Project now = project_;
    step.before = now;
    copyParts(project_, step.after, step.parts);
    return ProjectChange{step.name, differingParts(now, project_), step.replaced};
}

std::string ProjectHistory::undoName() const {
    return canUndo() ? steps_[done_ - 1].name : std::string();
}

std::string ProjectHistory::redoName() const {
    return canRedo() ? steps_[done_].name : std::string();
}

} // namespace velmora
