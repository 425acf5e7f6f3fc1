#pragma once

#include "model/project_file.h"
#include "model/suspension_state.h"
#include "model/vehicle_data.h"

#include <string>

namespace velmora {

// What the user has entered and saves: both corners, the travel range, the car style, the
// track type, the notes, the vehicle data with the bump-steer readings and the extension
// records kept for later versions, and the file the project came from. No results and no
// mode of any window: those belong to whoever shows them.
struct Project {
    CoordinateSet right;
    CoordinateSet left;
    float bump = 3.0f;    // inches of travel up from ride height
    float rebound = 3.0f; // and down
    std::string carStyle = "GM";
    bool formulaCar = false; // the Formula car's rules: exactly while carStyle is "formula"
    std::string trackType;
    std::string notes;
    VehicleData vehicle; // readings included
    std::string file;

    CoordinateSet& coords(bool rightSide) { return rightSide ? right : left; }
    const CoordinateSet& coords(bool rightSide) const { return rightSide ? right : left; }
    bool operator==(const Project&) const = default;
};

// The parts of a project an edit can change, as flags, so that a window can tell whether a
// change concerns it.
enum class ProjectPart : unsigned {
    RightCoordinates = 1u << 0,
    LeftCoordinates = 1u << 1,
    Travel = 1u << 2,
    CarStyle = 1u << 3,
    Track = 1u << 4,
    Notes = 1u << 5,
    Vehicle = 1u << 6,  // the vehicle values and the records kept with them
    Readings = 1u << 7, // the bump-steer readings
    File = 1u << 8,
};

class ProjectParts {
public:
    constexpr ProjectParts() = default;
    constexpr ProjectParts(ProjectPart part) : bits_(static_cast<unsigned>(part)) {} // NOLINT
    static constexpr ProjectParts all() { return fromBits((1u << 9) - 1); }
    static constexpr ProjectParts coordinates() {
        return ProjectParts(ProjectPart::RightCoordinates) | ProjectPart::LeftCoordinates;
    }

    constexpr bool has(ProjectPart part) const {
        return (bits_ & static_cast<unsigned>(part)) != 0;
    }
    constexpr bool any(ProjectParts parts) const { return (bits_ & parts.bits_) != 0; }
    constexpr bool empty() const { return bits_ == 0; }
    // Every part of these is one of `parts`.
    constexpr bool within(ProjectParts parts) const { return (bits_ & ~parts.bits_) == 0; }
    constexpr ProjectParts operator|(ProjectParts other) const {
        return fromBits(bits_ | other.bits_);
    }
    constexpr ProjectParts& operator|=(ProjectParts other) {
        bits_ |= other.bits_;
        return *this;
    }
    constexpr bool operator==(const ProjectParts&) const = default;

private:
    static constexpr ProjectParts fromBits(unsigned bits) {
        ProjectParts parts;
        parts.bits_ = bits;
        return parts;
    }
    unsigned bits_ = 0;
};

constexpr ProjectParts operator|(ProjectPart a, ProjectPart b) {
    return ProjectParts(a) | b;
}

// The parts in which `a` and `b` differ.
ProjectParts differingParts(const Project& a, const Project& b);
// Copies `parts` of `from` into `to`; the rest of `to` stays.
void copyParts(Project& to, const Project& from, ProjectParts parts);

// The project Open makes of a file read from `path`: what the file holds, the track type
// and car style the file's texts choose (a style no command names stays as read), the
// travel of `current` (an option of the session, not of the file).
Project projectFromFile(const ProjectFile& file, const std::string& path, const Project& current);

// The project's inputs in the working state of the passes; only `parts` are copied, so a
// view's own values (an Adjust a Point trial on show) survive a change elsewhere.
void loadInputs(SuspensionState& state, const Project& project,
                ProjectParts parts = ProjectParts::all());
// The inputs the working state holds, as a project.
Project projectOf(const SuspensionState& state);

} // namespace velmora
