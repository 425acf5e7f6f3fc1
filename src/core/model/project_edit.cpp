#include "model/project_edit.h"

namespace velmora {

ProjectEdit setCoordinatesEdit(std::string name, bool right, const CoordinateSet& coords) {
    return {std::move(name), [right, coords](Project& p) { p.coords(right) = coords; }};
}

ProjectEdit makeSymmetricalEdit(const CoordinateSet& coords) {
    return {"Make Symmetrical", [coords](Project& p) {
                p.right = coords;
                p.left = coords;
            }};
}

ProjectEdit importCoordinatesEdit(const CoordinateSet& right, const CoordinateSet& left) {
    return {"Import Coordinates", [right, left](Project& p) {
                p.right = right;
                p.left = left;
            }};
}

ProjectEdit keepAdjustedPointEdit(bool right, const CoordinateSet& kept) {
    return setCoordinatesEdit("Keep Adjusted Point", right, kept);
}

ProjectEdit setTravelEdit(float bump, float rebound) {
    return {"Travel Range", [bump, rebound](Project& p) {
                p.bump = bump;
                p.rebound = rebound;
            }};
}

ProjectEdit setCarStyleEdit(CarStyleChoice style) {
    return {"Car Type", [style](Project& p) {
                if (style == CarStyleChoice::None) {
                    return;
                }
                p.carStyle = std::string(carStyleText(style));
                p.formulaCar = style == CarStyleChoice::Formula;
            }};
}

ProjectEdit setTrackEdit(TrackChoice track) {
    return {"Track Type", [track](Project& p) { p.trackType = std::string(trackTypeText(track)); }};
}

ProjectEdit setNotesEdit(std::string notes) {
    return {"Notes", [notes = std::move(notes)](Project& p) { p.notes = notes; }};
}

ProjectEdit setVehicleDataEdit(const VehicleData& data) {
    return {"Vehicle Data", [data](Project& p) {
                std::vector<BumpSteerReading> readings = std::move(p.vehicle.readings);
                p.vehicle = data;
                p.vehicle.readings = std::move(readings);
            }};
}

ProjectEdit setSpringsEdit(const SpringData& springs) {
    return {"Springs and Bar", [springs](Project& p) { p.vehicle.springs = springs; }};
}

ProjectEdit setReadingsEdit(std::vector<BumpSteerReading> readings) {
    return {"Bump Steer Readings",
            [readings = std::move(readings)](Project& p) { p.vehicle.readings = readings; }};
}

ProjectEdit setFileEdit(std::string path) {
    return {"Save", [path = std::move(path)](Project& p) { p.file = path; }};
}

ProjectEdit openProjectEdit(Project opened) {
    return {"Open", [opened = std::move(opened)](Project& p) { p = opened; }, true};
}

ProjectEdit newProjectEdit() {
    return {"New",
            [](Project& p) {
                Project cleared;
                cleared.bump = p.bump;
                cleared.rebound = p.rebound;
                cleared.carStyle = p.carStyle;
                cleared.formulaCar = p.formulaCar;
                cleared.trackType = p.trackType;
                p = std::move(cleared);
            },
            true};
}

} // namespace velmora
