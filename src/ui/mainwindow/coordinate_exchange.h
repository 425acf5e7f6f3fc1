#pragma once

#include "model/message_sink.h"

class QWidget;

namespace velmora {

class FileDialogs;
class ProjectDocument;

// File, "Import Coordinates..." and "Export Coordinates...": both sides' coordinates from and
// to a CSV file, as velmora-cli import and export have them. An import is one step of the
// Edit menu and asks first when it would replace values already entered.
class CoordinateExchange {
public:
    CoordinateExchange(ProjectDocument& document, FileDialogs& dialogs, MessageSink& messages,
                       QWidget* dialogParent);

    // True when the coordinates were taken.
    bool importCoordinates();
    // True when the file was written.
    bool exportCoordinates();

private:
    ProjectDocument& document_;
    FileDialogs& dialogs_;
    MessageSink& messages_;
    QWidget* dialogParent_;
};

} // namespace velmora
