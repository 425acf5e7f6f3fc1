#pragma once

#include "model/project.h"
#include "model/project_edit.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// The project in memory and the undo history of its edits. Nothing here reaches the disk.
namespace velmora {

// What one edit, undo or redo changed.
struct ProjectChange {
    std::string name;      // of the edit
    ProjectParts parts;    // what differs from before
    bool replaced = false; // the whole project was another one (Open, New)
};

class ProjectHistory {
public:
    static constexpr std::size_t kDefaultLimit = 200;

    explicit ProjectHistory(Project start = {}, std::size_t limit = kDefaultLimit);

    const Project& project() const { return project_; }

    // Applies `edit` as one step. An edit that changes nothing makes no step; whatever could
    // be redone is forgotten once a step is made.
    ProjectChange apply(const ProjectEdit& edit);
    // Applies `edit` without a step of its own (the notes, whose box keeps its own undo, and
    // the file a save wrote). A later undo of an Open still brings back the notes as they
    // were before it, and redo the notes typed since.
    ProjectChange applyUnrecorded(const ProjectEdit& edit);

    // Takes back the last step, or does again the last one taken back; nothing when there is
    // none. Only the parts the step changed are put back, so notes typed since stay.
    std::optional<ProjectChange> undo();
    std::optional<ProjectChange> redo();

    bool canUndo() const { return done_ > 0; }
    bool canRedo() const { return done_ < steps_.size(); }
    // The names of the steps undo and redo would take; empty when there is none.
    std::string undoName() const;
    std::string redoName() const;

private:
    struct Step {
        std::string name;
        ProjectParts parts;
        bool replaced = false;
        Project before;
        Project after;
    };
    ProjectChange change(const ProjectEdit& edit, Project& before);

    Project project_;
    std::vector<Step> steps_;
    std::size_t done_ = 0; // steps_[0, done_) can be undone, the rest redone
    std::size_t limit_;
};

} // namespace velmora
