#pragma once

#include "geometry/corner_statics.h"
#include "geometry/rigid_corner.h"
#include "model/message_sink.h"
#include "model/spring_data.h"
#include "model/suspension_state.h"
#include "model/travel.h"

#include <optional>
#include <string>
#include <vector>

// How the springs, the dampers and the anti-roll bar's links move with the wheel.
//
// A mount on an arm moves rigidly with that arm: the arm turns about the line through its two
// pivots by the angle that takes its ball joint from ride height to where the 3-D solution puts
// it at travel t (wheel centre at spindle height + t). The chassis mount does not move.
namespace velmora {

// Where a point carried by an arm is, and how fast it moves per inch of wheel travel.
struct CarriedPoint {
    Point3 position;
    Point3 velocity;
};

// The point `mount` (its place at ride height) of the arm `member`, at the corner's `pose`
// whose joint velocities are `poseVelocity`. None when the arm's pivots coincide or its ball
// joint lies on its pivot axis, so that the arm's turn is not defined.
std::optional<CarriedPoint> carriedPoint(const CornerPoints& corner, ArmMember member,
                                         const Point3& mount, const UprightPose& pose,
                                         const UprightPose& poseVelocity);

// A spring or damper at one travel: its length, its change from ride height and its motion
// ratio -dS/dt (positive when it shortens in bump).
struct StrutAtTravel {
    double length = 0;
    double lengthChange = 0;
    double motionRatio = 0;
};

// A spring or damper at the corner's `pose` (with its velocity); none when its two mounts
// meet there.
std::optional<StrutAtTravel> strutAt(const CornerPoints& corner, const StrutMount& strut,
                                     const UprightPose& pose, const UprightPose& poseVelocity);

// The bar link's ratio dY/dt, the vertical motion of the link point per inch of wheel travel.
std::optional<double> barLinkRatioAt(const CornerPoints& corner, const BarLink& link,
                                     const UprightPose& pose, const UprightPose& poseVelocity);

// Why a mount of the corner does not move with the wheel (it lies on its arm's pivot axis, so
// its ratio is 0), naming the piece ("the spring"), or empty when it does.
std::string mountOnAxisProblem(const CornerPoints& corner, ArmMember member,
                               const MountPoint& mount, const std::string& piece);

// One position of the sweep. A value is there only where the position was solved and the piece
// is set (a wheel rate also needs the spring's rate).
struct SpringPosition {
    float travel = 0;
    bool solved = false;
    std::optional<StrutAtTravel> spring;
    std::optional<double> wheelRate; // lb/in: rate x motion ratio squared
    std::optional<StrutAtTravel> damper;
    std::optional<double> barLinkRatio;
};

// Over the 3-D sweep's wheel positions (full bump first).
struct SpringCurves {
    bool complete = false; // the corner had all 26 values
    std::vector<SpringPosition> positions;
    std::vector<Message> messages;
};

SpringCurves springCurves(const CoordinateSet& coords, const CornerSprings& springs, Travel travel);

// The same pieces at ride height (travel 0), solved at the corner's static pose.
SpringPosition springsAtRide(const CoordinateSet& coords, const CornerSprings& springs,
                             std::vector<Message>& messages);

} // namespace velmora
