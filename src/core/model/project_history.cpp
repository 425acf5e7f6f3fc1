#include "model/project_history.h"

namespace velmora {

ProjectSnapshot snapshotOf(const SuspensionState& state, StepKind kind) {
    ProjectSnapshot snapshot{state.RightCoords, state.LeftCoords, std::nullopt};
    if (kind == StepKind::Project) {
        snapshot.details = ProjectDetails{state.CarStyle,  state.FormulaCar, state.TrackType,
                                          state.Note_text, state.Lfile,      state.Vehicle};
    }
    return snapshot;
}

void restoreSnapshot(SuspensionState& state, const ProjectSnapshot& snapshot) {
    state.RightCoords = snapshot.right;
    state.LeftCoords = snapshot.left;
    if (const auto& details = snapshot.details) {
        state.CarStyle = details->carStyle;
        state.FormulaCar = details->formulaCar;
        state.TrackType = details->trackType;
        state.Note_text = details->notes;
        state.Lfile = details->file;
        state.Vehicle = details->vehicle;
    }
}

ProjectHistory::ProjectHistory(const SuspensionState& start, std::size_t limit)
    : limit_(limit > 0 ? limit : 1) {
    remember(start);
}

void ProjectHistory::remember(const SuspensionState& state) {
    right_ = state.RightCoords;
    left_ = state.LeftCoords;
}

bool ProjectHistory::push(ProjectSnapshot before, ProjectSnapshot after) {
    if (before == after) {
        return false;
    }
    steps_.resize(done_);
    steps_.push_back(Step{std::move(before), std::move(after)});
    if (steps_.size() > limit_) {
        steps_.erase(steps_.begin());
    }
    done_ = steps_.size();
    return true;
}

bool ProjectHistory::commitCoordinates(const SuspensionState& state) {
    ProjectSnapshot before{right_, left_, std::nullopt};
    remember(state);
    return push(std::move(before), snapshotOf(state, StepKind::Coordinates));
}

bool ProjectHistory::commitProject(const ProjectSnapshot& before, const SuspensionState& state) {
    remember(state);
    return push(before, snapshotOf(state, StepKind::Project));
}

std::optional<StepKind> ProjectHistory::undo(SuspensionState& state) {
    if (!canUndo()) {
        return std::nullopt;
    }
    Step& step = steps_[--done_];
    const StepKind kind = step.before.kind();
    step.after = snapshotOf(state, kind);
    restoreSnapshot(state, step.before);
    remember(state);
    return kind;
}

std::optional<StepKind> ProjectHistory::redo(SuspensionState& state) {
    if (!canRedo()) {
        return std::nullopt;
    }
    Step& step = steps_[done_++];
    const StepKind kind = step.after.kind();
    step.before = snapshotOf(state, kind);
    restoreSnapshot(state, step.after);
    remember(state);
    return kind;
}

} // namespace velmora
