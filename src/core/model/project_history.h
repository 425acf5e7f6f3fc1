#pragma once

#include "model/suspension_state.h"
#include "model/vehicle_data.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// Undo and redo of the project in memory. A step is what one command changed: the
// coordinate sets (the table's OK, Make Symmetrical, a wizard screen, a kept adjustment), or
// the whole project (Open and New). Nothing here reaches the disk.
namespace velmora {

enum class StepKind { Coordinates, Project };

// What Open and New change besides the coordinates.
struct ProjectDetails {
    std::string carStyle;
    bool formulaCar = false;
    std::string trackType;
    std::string notes;
    std::string file;
    VehicleData vehicle;

    bool operator==(const ProjectDetails&) const = default;
};

struct ProjectSnapshot {
    CoordinateSet right;
    CoordinateSet left;
    std::optional<ProjectDetails> details; // set for a Project step

    StepKind kind() const { return details ? StepKind::Project : StepKind::Coordinates; }
    bool operator==(const ProjectSnapshot&) const = default;
};

ProjectSnapshot snapshotOf(const SuspensionState& state, StepKind kind);
// Puts a snapshot back; a coordinate snapshot leaves everything but the coordinates alone.
void restoreSnapshot(SuspensionState& state, const ProjectSnapshot& snapshot);

class ProjectHistory {
public:
    static constexpr std::size_t kDefaultLimit = 200;

    // `start` is the project the history begins from.
    explicit ProjectHistory(const SuspensionState& start, std::size_t limit = kDefaultLimit);

    // The coordinate sets of `state` become one step from those the last step left. A
    // command that changed nothing makes no step (false). Whatever could be redone is
    // forgotten once a new step is made.
    bool commitCoordinates(const SuspensionState& state);
    // Open and New: one step from `before` (snapshotOf(state, StepKind::Project) taken just
    // before the command) to the project `state` holds now.
    bool commitProject(const ProjectSnapshot& before, const SuspensionState& state);

    // Take back the last step, or do again the last one taken back, on `state`; the kind of
    // the step, or nothing when there is none. What `state` held when it was taken back (the
    // notes typed since an Open, say) is what redo brings back.
    std::optional<StepKind> undo(SuspensionState& state);
    std::optional<StepKind> redo(SuspensionState& state);

    bool canUndo() const { return done_ > 0; }
    bool canRedo() const { return done_ < steps_.size(); }

private:
    struct Step {
        ProjectSnapshot before;
        ProjectSnapshot after;
    };

    bool push(ProjectSnapshot before, ProjectSnapshot after);
    void remember(const SuspensionState& state);

    std::vector<Step> steps_;
    std::size_t done_ = 0; // steps_[0, done_) can be undone, the rest redone
    std::size_t limit_;
    CoordinateSet right_; // the coordinate sets as the last step left them
    CoordinateSet left_;
};

} // namespace velmora
