#include "model/project.h"

namespace velmora {

namespace {

// The vehicle data without its readings, which are a part of their own.
bool sameVehicleValues(const VehicleData& a, const VehicleData& b) {
    VehicleData aValues = a;
    aValues.readings.clear();
    VehicleData bValues = b;
    bValues.readings.clear();
    return aValues == bValues;
}

} // namespace

ProjectParts differingParts(const Project& a, const Project& b) {
    ProjectParts parts;
    const auto differs = [&parts](bool different, ProjectPart part) {
        if (different) {
            parts |= part;
        }
    };
    differs(a.right != b.right, ProjectPart::RightCoordinates);
    differs(a.left != b.left, ProjectPart::LeftCoordinates);
    differs(a.bump != b.bump || a.rebound != b.rebound, ProjectPart::Travel);
    differs(a.carStyle != b.carStyle || a.formulaCar != b.formulaCar, ProjectPart::CarStyle);
    differs(a.trackType != b.trackType, ProjectPart::Track);
    differs(a.notes != b.notes, ProjectPart::Notes);
    differs(!sameVehicleValues(a.vehicle, b.vehicle), ProjectPart::Vehicle);
    differs(a.vehicle.readings != b.vehicle.readings, ProjectPart::Readings);
    differs(a.file != b.file, ProjectPart::File);
    return parts;
}

void copyParts(Project& to, const Project& from, ProjectParts parts) {
    if (parts.has(ProjectPart::RightCoordinates)) {
        to.right = from.right;
    }
    if (parts.has(ProjectPart::LeftCoordinates)) {
        to.left = from.left;
    }
    if (parts.has(ProjectPart::Travel)) {
        to.bump = from.bump;
        to.rebound = from.rebound;
    }
    if (parts.has(ProjectPart::CarStyle)) {
        to.carStyle = from.carStyle;
        to.formulaCar = from.formulaCar;
    }
    if (parts.has(ProjectPart::Track)) {
        to.trackType = from.trackType;
    }
    if (parts.has(ProjectPart::Notes)) {
        to.notes = from.notes;
    }
    if (parts.has(ProjectPart::Vehicle)) {
        std::vector<BumpSteerReading> readings = std::move(to.vehicle.readings);
        to.vehicle = from.vehicle;
        to.vehicle.readings = std::move(readings);
    }
    if (parts.has(ProjectPart::Readings)) {
        to.vehicle.readings = from.vehicle.readings;
    }
    if (parts.has(ProjectPart::File)) {
        to.file = from.file;
    }
}

Project projectFromFile(const ProjectFile& file, const std::string& path, const Project& current) {
    Project project;
    project.right = file.RightCoords;
    project.left = file.LeftCoords;
    project.bump = current.bump;
    project.rebound = current.rebound;
    const CarStyleChoice style = carStyleChoiceFor(file, path);
    project.carStyle =
        style == CarStyleChoice::None ? file.CarStyle : std::string(carStyleText(style));
    // The Formula car's rules hold while the text says "formula" and at no other time, also
    // for a text that no style command names.
    project.formulaCar = project.carStyle == "formula";
    project.trackType = std::string(trackTypeText(trackChoiceFor(file)));
    project.notes = file.notes.value_or(std::string());
    project.vehicle = file.vehicle;
    project.file = path;
    return project;
}

void loadInputs(SuspensionState& state, const Project& project, ProjectParts parts) {
    if (parts.has(ProjectPart::RightCoordinates)) {
        state.RightCoords = project.right;
    }
    if (parts.has(ProjectPart::LeftCoordinates)) {
        state.LeftCoords = project.left;
    }
    if (parts.has(ProjectPart::Travel)) {
        state.VU = project.bump;
        state.VD = project.rebound;
    }
    if (parts.has(ProjectPart::CarStyle)) {
        state.CarStyle = project.carStyle;
        state.FormulaCar = project.formulaCar;
    }
    if (parts.has(ProjectPart::Track)) {
        state.TrackType = project.trackType;
    }
    if (parts.has(ProjectPart::Notes)) {
        state.Note_text = project.notes;
    }
    if (parts.any(ProjectPart::Vehicle | ProjectPart::Readings)) {
        state.Vehicle = project.vehicle;
    }
    if (parts.has(ProjectPart::File)) {
        state.Lfile = project.file;
    }
}

Project projectOf(const SuspensionState& state) {
    Project project;
    project.right = state.RightCoords;
    project.left = state.LeftCoords;
    project.bump = state.VU;
    project.rebound = state.VD;
    project.carStyle = state.CarStyle;
    project.formulaCar = state.FormulaCar;
    project.trackType = state.TrackType;
    project.notes = state.Note_text;
    project.vehicle = state.Vehicle;
    project.file = state.Lfile;
    return project;
}

} // namespace velmora
