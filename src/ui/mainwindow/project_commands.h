#pragma once

#include "model/message_sink.h"
#include "model/project_file.h"
#include "model/suspension_state.h"

#include <string>

class QWidget;

namespace velmora {

class FileDialogs;

// What the project commands ask of the window that shows the project.
class ProjectWindow {
public:
    // The Notes window's text into the state, before the project is saved or left.
    virtual void takeNotesBack() = 0;
    // Before the project's data is cleared: what shows the project being left goes (the graph
    // window, the notes box).
    virtual void leaveProject() = 0;
    // After: the blank thumbnails, no file name, the chassis windows read the project again.
    virtual void showClearedProject() = 0;
    virtual void showFileName(const std::string& path) = 0;
    // An opened project is in the state: its notes, the track and car-style commands (None
    // runs none), and the analysis of its coordinates.
    virtual void showOpenedProject(TrackChoice track, CarStyleChoice style) = 0;

protected:
    ~ProjectWindow() = default;
};

// The File commands over the shared state: New, Open, Save and the question before leaving.
// Dialogs and messages go through the services the window was given, so tests answer them.
class ProjectCommands {
public:
    ProjectCommands(SuspensionState& state, FileDialogs& dialogs, MessageSink& messages,
                    ProjectWindow& window, QWidget* dialogParent);

    void newProject();
    // Asks for a file and opens it; false when cancelled or when it cannot be read.
    bool open();
    // Opens the project at `path`; false, after the open error message, when it cannot be
    // read. The file is read before anything is cleared, so a failure leaves the project
    // the user has as it was.
    bool open(const std::string& path);
    // Asks for a name and writes the project; true when it was written.
    bool save();
    // Asks whether to save before leaving; true when the program may end.
    bool confirmLeaving();

private:
    void clearProjectAndNotes();

    SuspensionState& state_;
    FileDialogs& dialogs_;
    MessageSink& messages_;
    ProjectWindow& window_;
    QWidget* dialogParent_;
};

} // namespace velmora
