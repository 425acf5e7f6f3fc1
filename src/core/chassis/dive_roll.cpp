#include "chassis/dive_roll.h"

#include "chassis/front_view_lines.h"
#include "chassis/pose_at_travel.h"
#include "geometry/angles.h"
#include "geometry/checked_math.h"
#include "geometry/rigid_sweep.h"
#include "geometry/vec3.h"
#include "model/number_text.h"
#include "model/typed_number.h"

#include <algorithm>
#include <cmath>

namespace velmora {

using namespace vec3;

namespace {

std::optional<Point3> axisFoot(const Point3& front, const Point3& rear, const Point3& ball) {
    try {
        return swingArm(front, rear, ball).axisFoot;
    } catch (const sweepmath::ArithmeticFault&) {
        return std::nullopt; // a pivot axis square to the centreline has no foot
    }
}

FrontEnd::Side prepareSide(const CoordinateSet& coords) {
    FrontEnd::Side side;
    side.points = cornerPoints(coords);
    side.corner = RigidCorner::build(side.points, side.why);
    side.topAxisFoot = axisFoot(side.points.TF, side.points.TR, side.points.TB);
    side.bottomAxisFoot = axisFoot(side.points.BF, side.points.BR, side.points.BB);
    PoseReading r;
    if (side.corner && readPose(*side.corner, side.corner->staticPose(), r)) {
        side.staticCamber = r.camber;
        side.staticToe = r.toe;
    } else if (side.corner) {
        side.corner.reset();
        side.why = "the wheel cannot be placed at ride height";
    }
    return side;
}

// Side's own X to the body frame's u.
double toU(bool right, double x) {
    return right ? -x : x;
}

FrontPoint frontOf(bool right, const Point3& p) {
    return {toU(right, p.x), p.y};
}

// The contact patch's velocity per inch of travel: its change along the motion's tangent. The
// patch is a smooth function of the pose, so a central difference this short is exact to far
// below 1e-7.
std::optional<Point3> contactVelocity(const RigidCorner& corner, const UprightPose& pose) {
    const std::optional<UprightPose> v = corner.velocity(pose);
    if (!v) {
        return std::nullopt;
    }
    constexpr double h = 1e-4;
    const UprightPose ahead{pose.TB + h * v->TB, pose.BB + h * v->BB, pose.RO + h * v->RO};
    const UprightPose behind{pose.TB - h * v->TB, pose.BB - h * v->BB, pose.RO - h * v->RO};
    PoseReading a;
    PoseReading b;
    if (!readPose(corner, ahead, a) || !readPose(corner, behind, b)) {
        return std::nullopt;
    }
    return (0.5 / h) * (a.contact - b.contact);
}

bool solveWheel(const FrontEnd::Side& side, bool right, WheelAtState& w,
                std::vector<Message>& messages) {
    if (!side.corner) {
        messages.push_back(rigidSetupMessage(side.why));
        return false;
    }
    Message failure;
    const std::optional<UprightPose> pose = poseAtTravel(*side.corner, w.travel, failure);
    PoseReading r;
    if (!pose || !readPose(*side.corner, *pose, r)) {
        messages.push_back(pose ? rigidLockMessage(static_cast<float>(w.travel)) : failure);
        return false;
    }
    const bool atStatic = w.travel == 0;
    w.camberChangeBody = atStatic ? 0 : r.camber - side.staticCamber;
    w.bumpSteer = atStatic ? 0 : r.toe - side.staticToe;
    w.contactPatch = frontOf(right, r.contact);
    w.topBall = frontOf(right, pose->TB);
    w.bottomBall = frontOf(right, pose->BB);
    w.wheelCentre = frontOf(right, side.corner->wheelCentre(*pose));
    const Point3 s = side.corner->spinAxis(*pose);
    const double planar = std::hypot(s.x, s.y);
    w.spin = planar > 0 ? FrontPoint{toU(right, s.x) / planar, s.y / planar} : FrontPoint{};
    w.wheelRadius = side.corner->wheelRadius();
    if (const std::optional<Point3> cv = contactVelocity(*side.corner, *pose)) {
        w.contactVelocity = FrontPoint{toU(right, cv->x), cv->y};
    }
    if (side.topAxisFoot) {
        w.topAxisFoot = frontOf(right, *side.topAxisFoot);
    }
    if (side.bottomAxisFoot) {
        w.bottomAxisFoot = frontOf(right, *side.bottomAxisFoot);
    }
    if (w.topAxisFoot && w.bottomAxisFoot) {
        w.instantCentre =
            lineIntersection(*w.topAxisFoot, w.topBall, *w.bottomAxisFoot, w.bottomBall);
    }
    w.solved = true;
    return true;
}

// A centre found in the body frame, measured against the ground line as the roll centre is.
std::optional<RollCentreAtState> againstGround(const std::optional<FrontPoint>& rc,
                                               const WheelAtState& right,
                                               const WheelAtState& left) {
    if (!rc) {
        return std::nullopt;
    }
    const GroundLine ground = groundLine(right.contactPatch, left.contactPatch);
    if (!ground.valid) {
        return std::nullopt;
    }
    RollCentreAtState out;
    out.body = *rc;
    out.height =
        (rc->u - right.contactPatch.u) * ground.n.u + (rc->v - right.contactPatch.v) * ground.n.v;
    out.offset =
        (rc->u - ground.atCentreline.u) * ground.e.u + (rc->v - ground.atCentreline.v) * ground.e.v;
    return out;
}

std::optional<RollCentreAtState> rollCentreOf(const WheelAtState& right, const WheelAtState& left) {
    if (!right.instantCentre || !left.instantCentre) {
        return std::nullopt;
    }
    return againstGround(lineIntersection(right.contactPatch, *right.instantCentre,
                                          left.contactPatch, *left.instantCentre),
                         right, left);
}

std::optional<RollCentreAtState> kinematicRollCentreOf(const WheelAtState& right,
                                                       const WheelAtState& left) {
    if (!right.contactVelocity || !left.contactVelocity) {
        return std::nullopt;
    }
    // Each patch's line runs square to its velocity.
    const auto along = [](const WheelAtState& w) {
        return FrontPoint{w.contactPatch.u - w.contactVelocity->v,
                          w.contactPatch.v + w.contactVelocity->u};
    };
    return againstGround(
        lineIntersection(right.contactPatch, along(right), left.contactPatch, along(left)), right,
        left);
}

} // namespace

std::string diveProblem(double dive, std::string_view typed) {
    if (!std::isfinite(dive) || std::fabs(dive) > kMostDive) {
        return outsideLengthRange("Dive", typed, dive, -kMostDive, kMostDive);
    }
    return {};
}

std::string rollProblem(double roll, std::string_view typed) {
    if (!std::isfinite(roll) || std::fabs(roll) > kMostRoll) {
        return outsideRange("Roll", typed, roll, -kMostRoll, kMostRoll, "deg");
    }
    return {};
}

std::string rollStepsProblem(double steps, std::string_view typed) {
    if (!(steps >= 1 && steps <= kMostRollSteps)) {
        return outsideRange("Steps", typed, steps, 1, kMostRollSteps, "");
    }
    return {};
}

FrontEnd FrontEnd::build(const CoordinateSet& right, const CoordinateSet& left) {
    FrontEnd front;
    front.right_ = prepareSide(right);
    front.left_ = prepareSide(left);
    const DiveRollState ride = front.solve(0, 0);
    front.static_ = ride.rollCentre;
    return front;
}

DiveRollState FrontEnd::solve(double dive, double roll) const {
    DiveRollState s;
    s.dive = dive;
    s.roll = roll;
    const double slope = std::tan(radians(roll));
    s.right.travel = dive + right_.points.TC * slope;
    s.left.travel = dive - left_.points.TC * slope;
    const bool rightSolved = solveWheel(right_, true, s.right, s.messages);
    const bool leftSolved = solveWheel(left_, false, s.left, s.messages);
    if (!rightSolved || !leftSolved) {
        // A state is whole or not at all: half a front end has no roll centre or ground.
        const double rightTravel = s.right.travel;
        const double leftTravel = s.left.travel;
        s.right = WheelAtState{};
        s.left = WheelAtState{};
        s.right.travel = rightTravel;
        s.left.travel = leftTravel;
        return s;
    }
    const FrontPoint& cpR = s.right.contactPatch;
    const FrontPoint& cpL = s.left.contactPatch;
    s.groundAngle = degrees(std::atan2(cpR.v - cpL.v, cpL.u - cpR.u));
    s.right.camberChangeGround = s.right.camberChangeBody + s.groundAngle;
    s.left.camberChangeGround = s.left.camberChangeBody - s.groundAngle;
    s.trackChange = (cpL.u - cpR.u) - (right_.points.TC + left_.points.TC);
    s.rollCentre = rollCentreOf(s.right, s.left);
    s.kinematicRollCentre = kinematicRollCentreOf(s.right, s.left);
    s.solved = true;
    return s;
}

bool RollPathOptions::IsValid(std::string* why) const {
    return noProblem({diveProblem(dive), rollProblem(maxRoll), rollStepsProblem(steps)}, why);
}

DiveRollPath FrontEnd::path(const RollPathOptions& options) const {
    const double dive = options.dive;
    const double maxRoll = options.maxRoll;
    int steps = options.steps;
    DiveRollPath p;
    p.dive = dive;
    steps = std::max(steps, 1);
    p.states.reserve(static_cast<std::size_t>(steps) + 1);
    for (int k = 0; k <= steps; ++k) {
        // Each state is solved from ride height on its own, so a state of the path is the
        // same to the last digit as that state asked for alone.
        const double roll = k == steps ? maxRoll : maxRoll * k / steps;
        p.states.push_back(solve(dive, roll));
    }
    return p;
}

} // namespace velmora
