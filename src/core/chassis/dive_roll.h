#pragma once

#include "geometry/corner_statics.h"
#include "geometry/rigid_corner.h"
#include "model/message_sink.h"
#include "model/suspension_state.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The front end as a pair in a dynamic state: the body dives and rolls, each corner is solved
// by the rigid-body 3-D solution at its own travel, and the roll centre, each tire's camber to
// the ground and the change of track follow.
//
// Front view of the car in the body frame (the project's frame at ride height, floor v = 0):
// u is lateral, positive toward the car's left side, so a right-side point has u = -X and a
// left-side point u = +X; v is the height.
namespace velmora {

struct FrontPoint {
    double u = 0;
    double v = 0;
    bool operator==(const FrontPoint&) const = default;
};

// Dive d: inches, positive when the front of the body moves down (both wheels in bump).
// Roll phi: degrees, positive when the body rolls toward its right side (the right front goes
// down, as in a left-hand turn). The limits the command line and the window accept:
inline constexpr double kMostDive = 9.0;  // inches each way, the sweep's widest default range
inline constexpr double kMostRoll = 10.0; // degrees each way
inline constexpr int kMostRollSteps = 200;

// Why a dive, a roll or a number of roll steps cannot be analysed, naming the value as typed
// (its shortest text when `typed` is empty) and the range ("Dive 10 is outside -9 to 9 in"),
// or empty when it can.
std::string diveProblem(double dive, std::string_view typed = {});
std::string rollProblem(double roll, std::string_view typed = {});
std::string rollStepsProblem(double steps, std::string_view typed = {});

// What a roll path covers: `steps` equal steps of roll from 0 to `maxRoll`, at `dive`.
struct RollPathOptions {
    double dive = 0;    // inches, nose down positive
    double maxRoll = 0; // degrees
    int steps = 1;
    // Whether the pass can analyse it, by the rules the command line and the window apply;
    // `why` (if given) is the first problem in the words above.
    bool IsValid(std::string* why = nullptr) const;
};

// One wheel at a state. Every value but `travel` exists only when the corner was solved.
struct WheelAtState {
    double travel = 0; // relative to the body, bump positive
    bool solved = false;
    double camberChangeBody = 0;   // the 3-D camber change at `travel`, degrees
    double camberChangeGround = 0; // against the track, degrees; negative = top inboard
    double bumpSteer = 0;          // the 3-D toe change at `travel`, degrees, positive toe out
    FrontPoint contactPatch;
    std::optional<FrontPoint> instantCentre; // none when the arm lines are parallel
    // How fast the contact patch moves per inch of this wheel's travel, body frame.
    std::optional<FrontPoint> contactVelocity;
    // For the drawing: the moved ball joints, the wheel centre and the front-view direction
    // of the spin axis (unit, outboard), and the axis feet the arms turn about.
    FrontPoint topBall, bottomBall, wheelCentre, spin;
    std::optional<FrontPoint> topAxisFoot, bottomAxisFoot;
    double wheelRadius = 0;
};

struct RollCentreAtState {
    double height = 0; // above the ground line through the contact patches
    double offset = 0; // along the ground line from its point at u = 0, positive to the left
    FrontPoint body;   // the point itself, body frame
};

struct DiveRollState {
    double dive = 0;
    double roll = 0;
    WheelAtState right;
    WheelAtState left;
    bool solved = false;    // both corners solved; the values below exist only then
    double groundAngle = 0; // degrees, positive when the right contact patch sits higher
    double trackChange = 0; // inches
    std::optional<RollCentreAtState> rollCentre; // none when the two lines are parallel
    // Where the lines through each contact patch square to its velocity meet: the point the
    // body rolls about for a moment, beside the geometric centre above.
    std::optional<RollCentreAtState> kinematicRollCentre;
    std::vector<Message> messages;
};

struct DiveRollPath {
    double dive = 0;
    std::vector<DiveRollState> states; // roll 0 to the chosen roll in equal steps
};

// Both front corners prepared for the rigid-body solution. Built once per project change.
class FrontEnd {
public:
    // Both sets must be complete; `problem` then names what cannot be modelled (in the
    // 3-D check's words), and states are all unsolved with that message.
    static FrontEnd build(const CoordinateSet& right, const CoordinateSet& left);

    DiveRollState solve(double dive, double roll) const;
    // The path `options` names: steps + 1 states.
    DiveRollPath path(const RollPathOptions& options) const;

    // The roll centre at ride height (the Static command's), for the drawing's faint mark.
    const std::optional<RollCentreAtState>& staticRollCentre() const { return static_; }
    double tireCentre(bool right) const { return (right ? right_ : left_).points.TC; }

    struct Side {
        CornerPoints points;
        std::optional<RigidCorner> corner;
        std::string why; // why no corner could be built
        std::optional<Point3> topAxisFoot, bottomAxisFoot;
        double staticCamber = 0, staticToe = 0;
    };

private:
    Side right_;
    Side left_;
    std::optional<RollCentreAtState> static_;
};

} // namespace velmora
