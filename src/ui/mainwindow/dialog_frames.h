#pragma once

#include "model/coordinate_box_texts.h"
#include "model/message_sink.h"
#include "model/suspension_state.h"
#include "pictures/picture_key.h"
#include "ui/mainwindow/main_panels.h"

#include <QObject>

#include <optional>

class QWidget;

namespace velmora {

class ProjectDocument;

// What the dialog frames ask of the window they open over.
class FrameHost {
public:
    // The window goes inert beneath an open frame, and live again.
    virtual void frmDisable() = 0;
    virtual void frmEnable() = 0;
    // frmEnable, unless a dialog frame is still open.
    virtual void endCommand() = 0;
    virtual void reselectActiveSide() = 0;
    virtual void printCoordinates(const CoordinateBoxTexts& boxes) = 0;

protected:
    ~FrameHost() = default;
};

// The dialog frames that enter data over the main window's layout: the travel range, the
// coordinate table with Make Symmetrical, the dimension wizard and its guide, and the vehicle
// data. Each OK turns what was typed into one edit of the project; a refused entry keeps the
// frame open with what was typed and says why.
class DialogFrames : public QObject {
    Q_OBJECT

public:
    DialogFrames(MainPanels& panels, ProjectDocument& document, const SuspensionState& state,
                 MessageSink& messages, FrameHost& host, QObject* parent);

    void showTravelFrame();
    void showCoordinateTable();
    // The dimension wizard for a point group of the active side.
    void openWizard(PictureGroup group);
    void showVehicleData();
    // Chassis menu, "Springs and Bar...": the mounts of both sides and the bar's dimensions.
    void showSprings();
    // The "Static" button: the static geometry of both sides in its frame.
    void showStaticGeometry();

private:
    void connectFrames();
    void openFrame(QWidget* frame);
    void closeFrame(QWidget* frame);
    void acceptTravel();
    void acceptCoordinates();
    // The side's values with what the table holds; nothing, after the message, when the
    // table was refused and stays open.
    std::optional<CoordinateSet> takeCoordinateTable();
    void makeSymmetrical();
    void acceptVehicleData();
    void acceptSprings();

    MainPanels& panels_;
    ProjectDocument& document_;
    const SuspensionState& state_;
    MessageSink& messages_;
    FrameHost& host_;
};

} // namespace velmora
