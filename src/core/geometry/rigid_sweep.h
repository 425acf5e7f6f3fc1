#pragma once

#include "geometry/corner_statics.h"
#include "geometry/rigid_corner.h"
#include "model/message_sink.h"
#include "model/suspension_state.h"
#include "model/travel.h"

#include <array>
#include <vector>

namespace velmora {

// A curve of the 3-D solution, double precision, positions 1..n like the classic curves.
using Curve3D = std::array<double, kMaxPositions + 1>;

// The five curves of the rigid-body solution at the classic sweep's wheel positions, with the
// classic curves' meaning, units, signs and zero at the static position:
// - CamberChange: front-view angle of the spin axis, degrees, negative when the top of the
//   tire moves inboard;
// - CasterChange: side-view angle of the ball joint axis, degrees, positive when the top ball
//   joint moves rearward relative to the bottom one;
// - SideScrub: sideways movement of the contact patch (the lowest point of the wheel's disc,
//   whose radius is the spindle height), inches, positive outboard;
// - ForeAft: movement of the wheel centre along Z, inches, positive rearward;
// - BumpSteer: change of toe, degrees, positive toe out.
// Only solved positions hold values; the others hold 0 and are marked unsolved.
struct RigidSweep {
    bool complete = false; // the corner had all 26 values
    float VU = 0;
    float VD = 0;
    float VY = 0;
    int n = 0;                                     // wheel positions 1..n
    std::array<float, kMaxPositions + 1> travel{}; // travel of position i, bump positive
    std::array<bool, kMaxPositions + 1> solved{};
    Curve3D CamberChange{};
    Curve3D SideScrub{};
    Curve3D CasterChange{};
    Curve3D ForeAft{};
    Curve3D BumpSteer{};
    std::array<BallJointPair, kMaxPositions + 1> BallJointPos{};
    std::array<Point3, kMaxPositions + 1> TieRodOuter{};
    int iterations = 0; // the most Newton iterations any position needed
    std::vector<Message> messages;

    bool allSolved() const;
    int solvedCount() const;
};

// The angles and points the 3-D curves are measured from, for one pose of a corner.
struct PoseReading {
    double camber = 0; // front-view angle of the spin axis, degrees, negative = top inboard
    double caster = 0; // side-view angle of the ball joint axis, degrees
    double toe = 0;    // plan-view angle of the spin axis, degrees, positive = toe out
    Point3 wheel;      // wheel centre
    Point3 contact;    // lowest point of the wheel's disc
};
// False when the pose has no finite reading (level ball joints, a spin axis straight down).
bool readPose(const RigidCorner& corner, const UprightPose& pose, PoseReading& reading);

// The wheel positions as the classic sweep steps them: a zero travel becomes 9 inches each
// way, the step is (VU + VD) / 24 formed in single precision, and position i lies at VU minus
// i - 1 steps (repeated subtraction).
void setTravelPositions(RigidSweep& sweep, Travel travel);

// Solves the corner at every position, moving outward from the static position so that each
// solution starts from its neighbour: first towards full bump, then towards full rebound. A
// position that cannot be solved ends its direction of travel with a message naming its
// travel; the positions nearer static are kept.
RigidSweep rigidSweep(const CornerPoints& corner, Travel travel);
// The same for a coordinate set; an incomplete set gives an empty, incomplete sweep.
RigidSweep rigidSweep(const CoordinateSet& coords, Travel travel);
// The active side of the state over its travel range (the state is not changed).
RigidSweep rigidSweep(const SuspensionState& state);

// The curve of a graph kind.
const Curve3D& rigidCurve(const RigidSweep& sweep, GraphKind kind);

// Largest bump steer magnitude over the solved positions, degrees.
double largestBumpSteer(const RigidSweep& sweep);

// The messages of the 3-D solution (title "3-D Check", warning icon, OK).
Message rigidSetupMessage(const std::string& why);
Message rigidLockMessage(float travel);
Message rigidNoConvergenceMessage(float travel);

} // namespace velmora
