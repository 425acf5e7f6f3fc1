#pragma once

#include "model/project.h"

#include <functional>
#include <string>
#include <vector>

// The edits of a project: every change the user makes is one of these, with the name the
// Edit menu gives it ("Undo Vehicle Data"). An edit only says what the project becomes;
// ProjectHistory applies it, finds what it changed and keeps it as one step.
namespace velmora {

struct ProjectEdit {
    std::string name;
    std::function<void(Project&)> change;
    bool replacesProject = false; // Open and New: another project, not a change of this one
};

// The coordinate table's OK, a wizard screen: one side's 26 values.
ProjectEdit setCoordinatesEdit(std::string name, bool right, const CoordinateSet& coords);
// Make Symmetrical: the table's values for its side, copied to the other side.
ProjectEdit makeSymmetricalEdit(const CoordinateSet& coords);
// File, Import Coordinates: both sides at once, one step.
ProjectEdit importCoordinatesEdit(const CoordinateSet& right, const CoordinateSet& left);
// Keep in Adjust a Point.
ProjectEdit keepAdjustedPointEdit(bool right, const CoordinateSet& kept);
ProjectEdit setTravelEdit(float bump, float rebound);
ProjectEdit setCarStyleEdit(CarStyleChoice style);
ProjectEdit setTrackEdit(TrackChoice track);
ProjectEdit setNotesEdit(std::string notes);
// The Vehicle Data frame's values; the readings stay.
ProjectEdit setVehicleDataEdit(const VehicleData& data);
// The springs, dampers, bar links and the bar, the rest of the vehicle data as it is.
ProjectEdit setSpringsEdit(const SpringData& springs);
// Both sides' bump-steer readings.
ProjectEdit setReadingsEdit(std::vector<BumpSteerReading> readings);
// The file a save wrote the project to.
ProjectEdit setFileEdit(std::string path);
// Open: the whole project becomes the one read.
ProjectEdit openProjectEdit(Project opened);
// New: no coordinates, notes, vehicle data or file; the travel, car style and track stay.
ProjectEdit newProjectEdit();

} // namespace velmora
