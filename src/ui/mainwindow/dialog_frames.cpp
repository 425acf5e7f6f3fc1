#include "ui/mainwindow/dialog_frames.h"

#include "model/shown_length.h"

#include "geometry/coordinate_checks.h"
#include "geometry/static_geometry.h"
#include "model/gathering_message_sink.h"
#include "ui/chassis/springs_frame.h"
#include "ui/chassis/vehicle_data_frame.h"
#include "ui/mainwindow/coordinate_frame.h"
#include "ui/mainwindow/dimension_frame.h"
#include "ui/mainwindow/help_frame.h"
#include "ui/mainwindow/side_frame.h"
#include "ui/mainwindow/side_refresh.h"
#include "ui/mainwindow/static_frame.h"
#include "ui/mainwindow/travel_frame.h"
#include "ui/project/project_document.h"
#include "ui/widgets/picture_button.h"

namespace velmora {

namespace {

Message frameMessage(const char* title, std::string text) {
    return Message{title, std::move(text), MessageIcon::Exclamation, MessageButtons::Ok};
}

} // namespace

DialogFrames::DialogFrames(MainPanels& panels, ProjectDocument& document,
                           const SuspensionState& state, MessageSink& messages, FrameHost& host,
                           QObject* parent)
    : QObject(parent), panels_(panels), document_(document), state_(state), messages_(messages),
      host_(host) {
    connectFrames();
}

void DialogFrames::connectFrames() {
    connect(panels_.frmTravel, &TravelFrame::okPressed, this, &DialogFrames::acceptTravel);
    connect(panels_.frmTravel, &TravelFrame::cancelPressed, this,
            [this] { closeFrame(panels_.frmTravel); });
    connect(panels_.frmXYZ, &CoordinateFrame::okPressed, this, &DialogFrames::acceptCoordinates);
    connect(panels_.frmXYZ, &CoordinateFrame::cancelPressed, this,
            [this] { closeFrame(panels_.frmXYZ); });
    connect(panels_.frmXYZ, &CoordinateFrame::symmetricalPressed, this,
            &DialogFrames::makeSymmetrical);
    connect(panels_.frmXYZ, &CoordinateFrame::printPressed, this, [this] {
        // The page prints what the boxes show, typed but not yet accepted included.
        host_.printCoordinates(panels_.frmXYZ->texts());
    });
    connect(panels_.frmDimentions, &DimensionFrame::enableRequested, this,
            [this] { host_.frmEnable(); });
    connect(panels_.frmDimentions, &DimensionFrame::reselectRequested, this,
            [this] { host_.reselectActiveSide(); });
    connect(panels_.frmDimentions, &DimensionFrame::helpRequested, this, [this] {
        panels_.frmHelp->setCarStyle(state_.CarStyle);
        panels_.frmHelp->open();
    });
    // Each wizard screen that stores its values is one step.
    connect(panels_.frmDimentions, &DimensionFrame::valuesStored, this,
            [this](const CoordinateSet& values) {
                document_.apply(setCoordinatesEdit("Dimensions", state_.Right_Active, values));
            });
    connect(panels_.frmVehicle, &VehicleDataFrame::okPressed, this,
            &DialogFrames::acceptVehicleData);
    connect(panels_.frmVehicle, &VehicleDataFrame::cancelPressed, this,
            [this] { closeFrame(panels_.frmVehicle); });
    connect(panels_.frmSprings, &SpringsFrame::okPressed, this, &DialogFrames::acceptSprings);
    connect(panels_.frmSprings, &SpringsFrame::cancelPressed, this,
            [this] { closeFrame(panels_.frmSprings); });
    // A side panel's pictures open the wizard on their group, its table the coordinate table.
    for (SideFrame* side : {panels_.frmLeft, panels_.frmRight}) {
        connect(side->topButton(), &PictureButton::clicked, this,
                [this] { openWizard(PictureGroup::Top); });
        connect(side->bottomButton(), &PictureButton::clicked, this,
                [this] { openWizard(PictureGroup::Bottom); });
        connect(side->miscButton(), &PictureButton::clicked, this,
                [this] { openWizard(PictureGroup::Misc); });
        connect(side->xyzButton(), &PictureButton::clicked, this,
                [this] { showCoordinateTable(); });
    }
}

void DialogFrames::openFrame(QWidget* frame) {
    frame->show();
    frame->raise();
    host_.frmDisable();
}

void DialogFrames::closeFrame(QWidget* frame) {
    frame->hide();
    host_.frmEnable();
}

void DialogFrames::showTravelFrame() {
    panels_.frmTravel->setTravel(state_.VU, state_.VD);
    openFrame(panels_.frmTravel);
    panels_.frmTravel->focusBump();
}

void DialogFrames::acceptTravel() {
    const std::optional<TravelRange> travel =
        acceptedTravel(panels_.frmTravel->bumpText(), panels_.frmTravel->reboundText());
    if (!travel) {
        // The frame stays open with what was typed, so it can be corrected.
        messages_.show(frameMessage("Range to Analyze", "Please enter the travel in " +
                                                            lengthWord() +
                                                            " as a number greater than 0."));
        return;
    }
    panels_.frmTravel->hide();
    if (!document_.apply(setTravelEdit(travel->bump, travel->rebound))) {
        host_.endCommand();
    }
}

void DialogFrames::showCoordinateTable() {
    panels_.frmXYZ->setValues(state_.activeCoords());
    panels_.frmXYZ->setSide(state_.Right_Active);
    openFrame(panels_.frmXYZ);
    panels_.frmXYZ->focusFirstBox();
}

void DialogFrames::acceptCoordinates() {
    const std::optional<CoordinateSet> values = takeCoordinateTable();
    if (values &&
        !document_.apply(setCoordinatesEdit("Coordinate Table", state_.Right_Active, *values))) {
        // The values the side has: its curves are drawn again all the same.
        host_.reselectActiveSide();
        host_.endCommand();
    }
}

std::optional<CoordinateSet> DialogFrames::takeCoordinateTable() {
    const CoordinateTableResult result = readCoordinateTable(panels_.frmXYZ->texts());
    if (!result.accepted()) {
        // The table stays open with what was typed, so it can be corrected.
        messages_.show(impossibleCombinationMessage(*result.failedCheck));
        return std::nullopt;
    }
    panels_.frmXYZ->hide();
    CoordinateSet values = document_.project().coords(state_.Right_Active);
    applyCoordinateTable(result, values);
    if (!result.complete()) {
        messages_.show(missingDataMessage());
    }
    return values;
}

void DialogFrames::makeSymmetrical() {
    // The table is accepted first; a table refused by the checks stays open and nothing is
    // copied, so the other side never receives a set the user did not mean to keep.
    const std::optional<CoordinateSet> values = takeCoordinateTable();
    if (!values) {
        return;
    }
    // The table's values and the copy are one step; the table is open again, so the rest of
    // the window stays inert as with every open frame.
    panels_.frmXYZ->show();
    panels_.frmXYZ->raise();
    if (!document_.apply(makeSymmetricalEdit(*values))) {
        host_.reselectActiveSide();
    }
    host_.frmDisable();
    messages_.show(Message{"Done", "Both sides now have the same dimensions.", MessageIcon::None,
                           MessageButtons::Ok});
}

void DialogFrames::openWizard(PictureGroup group) {
    host_.frmDisable();
    panels_.frmDimentions->openGroup(group);
}

void DialogFrames::showVehicleData() {
    panels_.frmVehicle->setValues(state_.Vehicle);
    openFrame(panels_.frmVehicle);
    panels_.frmVehicle->focusFirst();
}

void DialogFrames::acceptVehicleData() {
    auto accepted = acceptedVehicleData(panels_.frmVehicle->texts(), state_.Vehicle);
    if (const std::string* problem = std::get_if<std::string>(&accepted)) {
        // The frame stays open with what was typed, so it can be corrected.
        messages_.show(frameMessage("Vehicle Data", *problem));
        return;
    }
    panels_.frmVehicle->hide();
    if (!document_.apply(setVehicleDataEdit(std::get<VehicleData>(accepted)))) {
        host_.endCommand();
    }
}

void DialogFrames::showSprings() {
    panels_.frmSprings->setValues(state_.Vehicle.springs, state_.Right_Active);
    openFrame(panels_.frmSprings);
    panels_.frmSprings->focusFirst();
}

void DialogFrames::acceptSprings() {
    auto accepted = acceptedSpringData(panels_.frmSprings->texts(), state_.Vehicle.springs);
    if (const std::string* problem = std::get_if<std::string>(&accepted)) {
        messages_.show(frameMessage("Springs and Bar", *problem));
        return;
    }
    panels_.frmSprings->hide();
    if (!document_.apply(setSpringsEdit(std::get<SpringData>(accepted)))) {
        host_.endCommand();
    }
}

void DialogFrames::showStaticGeometry() {
    panels_.frmStatic->Clear_RStat();
    panels_.frmStatic->Clear_LStat();
    GatheringMessageSink messages(messages_, kMessageBoxesPerSweep);
    // The frame's values are its own: the pass works on a copy, so the working state keeps
    // the sweep of the active side the other windows show.
    SuspensionState scratch = state_;
    panels_.frmStatic->setCaptions(staticCaptions(runStaticGeometry(scratch, messages)));
    panels_.frmStatic->show();
    panels_.frmStatic->raise();
}

} // namespace velmora
