#pragma once

#include "model/project_history.h"

#include <QObject>
#include <QString>

namespace velmora {

// The project of the session and its undo history, for the windows: every change is an edit
// applied here, and `changed` tells every window that follows the project what changed.
// The history is the core's own (not QUndoStack), so that the steps, their names and what
// they put back are tested without widgets and the command line could use them too.
class ProjectDocument : public QObject {
    Q_OBJECT

public:
    explicit ProjectDocument(QObject* parent = nullptr) : QObject(parent) {}

    const Project& project() const { return history_.project(); }

    // One undo step, unless nothing changed; false then, and no signal.
    bool apply(const ProjectEdit& edit);
    // No step of its own: the notes (their box has its own undo) and the file a save wrote.
    bool applyUnrecorded(const ProjectEdit& edit);
    bool undo();
    bool redo();
    bool canUndo() const { return history_.canUndo(); }
    bool canRedo() const { return history_.canRedo(); }
    // The Edit menu's entries: "&Undo Vehicle Data", or "&Undo" when there is nothing.
    QString undoText() const;
    QString redoText() const;

    // Tells every window to show the whole project again though nothing in it changed (the
    // units it is shown in did); no undo step.
    void retell(const std::string& why);

    // The project the session starts from, with no history: the program's start-up.
    void start(Project project);

signals:
    void changed(const velmora::ProjectChange& change);

private:
    bool tell(const ProjectChange& change);

    ProjectHistory history_;
};

} // namespace velmora
