#pragma once

#include "model/message_sink.h"
#include "model/project_file.h"
#include "ui/mainwindow/coordinate_exchange.h"

#include <string>

class QWidget;

namespace velmora {

class FileDialogs;
class ProjectDocument;

// What the project commands ask of the window that shows the project.
class ProjectWindow {
public:
    // The Notes window's text into the project, before the project is saved or left.
    virtual void takeNotesBack() = 0;

protected:
    ~ProjectWindow() = default;
};

// The File commands over the project: New, Open, Save and the question before leaving, each
// an edit of the document (Save only records the file it wrote). Dialogs and messages go
// through the services the window was given, so tests answer them.
class ProjectCommands {
public:
    ProjectCommands(ProjectDocument& document, FileDialogs& dialogs, MessageSink& messages,
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
    // Import Coordinates and Export Coordinates.
    CoordinateExchange& coordinates() { return coordinates_; }

private:
    ProjectDocument& document_;
    FileDialogs& dialogs_;
    MessageSink& messages_;
    ProjectWindow& window_;
    QWidget* dialogParent_;
    CoordinateExchange coordinates_;
};

} // namespace velmora
