#include "chassis/steering.h"

#include "geometry/angles.h"
#include "geometry/rigid_sweep.h"
#include "geometry/rigid_walk.h"
#include "geometry/vec3.h"
#include "model/number_text.h"
#include "model/shown_length.h"
#include "model/typed_number.h"

#include <algorithm>
#include <cmath>

namespace velmora {
namespace {

constexpr const char* kTitle = "Steering";
// Longest step of rack travel one Newton solution is asked to bridge, inches.
constexpr double kRackStep = 0.25;
// A wheel steered this far, degrees, stands across the car: its toe and camber, angles of
// the spin axis, mean nothing there.
constexpr double kMostSteer = 90.0;
// Most steer one step of the walk may bring, degrees: a larger one is a jump to another way
// the linkage can be assembled, and the step is tried again in smaller ones.
constexpr double kMostSteerPerStep = 6.0;
// Below this steer, degrees, a wheel is taken as pointing straight ahead for Ackermann.
constexpr double kStraightAhead = 0.01;

Point3 movedInnerJoint(const CornerPoints& points, bool right, double rack) {
    Point3 inner = points.RI;
    inner.x += right ? -rack : rack;
    return inner;
}

// The turn from the steering arm (steering axis to outer tie rod joint) to the tie rod, about
// the steering axis: a triple product whose sign flips where the two pass their toggle point.
double toggleMeasure(const UprightPose& pose, const Point3& inner) {
    using namespace vec3;
    return dot(pose.TB - pose.BB, cross(pose.RO - pose.BB, inner - pose.RO));
}

} // namespace

std::string rackProblem(double rack, std::string_view typed) {
    if (!std::isfinite(rack) || std::fabs(rack) > kMostRack) {
        return outsideLengthRange("Rack travel", typed, rack, -kMostRack, kMostRack);
    }
    return {};
}

std::string rackEachWayProblem(double rack, std::string_view) {
    if (!(rack > 0 && rack <= kMostRack)) {
        return "Rack travel must be a number from 0 to " + generalText(shownLength(kMostRack)) +
               " " + lengthUnitText();
    }
    return {};
}

std::string steerStepsProblem(double steps, std::string_view typed) {
    if (!(steps >= 1 && steps <= kMostSteerSteps)) {
        return outsideRange("Steps", typed, steps, 1, kMostSteerSteps, "");
    }
    return {};
}

double ackermannPercent(double inner, double outer, double track, double wheelbase) {
    const double cotOuter = 1.0 / std::tan(radians(outer));
    // atan2 keeps the ideal angle right past 90 degrees on a very short car.
    const double ideal = degrees(std::atan2(1.0, cotOuter - track / wheelbase));
    return 100.0 * (inner - outer) / (ideal - outer);
}

std::optional<double> ackermannOf(const SteerWheel& right, const SteerWheel& left, double track,
                                  std::optional<double> wheelbase) {
    if (!wheelbase || !(*wheelbase > 0) || !right.solved || !left.solved) {
        return std::nullopt;
    }
    const bool bothLeft = right.steer > kStraightAhead && left.steer > kStraightAhead;
    const bool bothRight = right.steer < -kStraightAhead && left.steer < -kStraightAhead;
    if (!bothLeft && !bothRight) {
        return std::nullopt;
    }
    // The inner wheel is on the side of the turn.
    const double inner = std::fabs(bothLeft ? left.steer : right.steer);
    const double outer = std::fabs(bothLeft ? right.steer : left.steer);
    const double percent = ackermannPercent(inner, outer, track, *wheelbase);
    if (!std::isfinite(percent)) {
        return std::nullopt;
    }
    return percent;
}

void SteeringPair::prepare(Side& side, const CoordinateSet& coords, const char* name,
                           std::vector<Message>& messages) {
    if (!isComplete(coords)) {
        messages.push_back(steeringSetupMessage(Outcome::SteeringSideIncomplete,
                                                std::string("The ") + name +
                                                    " side is not complete, so the car cannot be "
                                                    "steered."));
        return;
    }
    side.points = cornerPoints(coords);
    std::string why;
    side.corner = RigidCorner::build(side.points, why);
    PoseReading reading;
    if (side.corner && !readPose(*side.corner, side.corner->staticPose(), reading)) {
        side.corner.reset();
        why = "the spin axis has no reading at ride height";
    }
    if (!side.corner) {
        messages.push_back(steeringSetupMessage(Outcome::SteeringCannotSteer,
                                                std::string("The ") + name +
                                                    " corner cannot be steered: " + why + "."));
        return;
    }
    side.staticCamber = reading.camber;
    side.staticCaster = reading.caster;
    side.staticToe = reading.toe;
    side.staticContactY = reading.contact.y;
    side.staticToggle = toggleMeasure(side.corner->staticPose(), side.points.RI);
    if (!(std::fabs(side.staticToggle) > 0)) {
        side.corner.reset();
        messages.push_back(steeringSetupMessage(Outcome::SteeringTieRodInLine,
                                                std::string("The ") + name +
                                                    " corner cannot be steered: its tie rod is in "
                                                    "line with the steering arm at ride height."));
    }
}

SteeringPair SteeringPair::build(const CoordinateSet& right, const CoordinateSet& left) {
    SteeringPair pair;
    prepare(pair.right_, right, "right", pair.setup_);
    prepare(pair.left_, left, "left", pair.setup_);
    return pair;
}

SteeringPair::Walk SteeringPair::startWalk(const Side& side) const {
    Walk walk;
    walk.pose = side.corner->staticPose();
    return walk;
}

SteeringPair::Stop SteeringPair::step(const Side& side, bool right, double rack, Walk& walk,
                                      UprightPose pose) const {
    const Point3 inner = movedInnerJoint(side.points, right, rack);
    if (side.corner->solve(0.0, pose, inner).status != PoseStatus::Converged) {
        return Stop::Settle;
    }
    PoseReading r;
    if (!readPose(*side.corner, pose, r)) {
        return Stop::Settle;
    }
    const double toggle = toggleMeasure(pose, inner);
    if (!(toggle * side.staticToggle > 0)) {
        return Stop::Toggle;
    }
    const double steer = right ? side.staticToe - r.toe : r.toe - side.staticToe;
    if (!(std::fabs(steer) < kMostSteer)) {
        return Stop::Across;
    }
    // A step too small to move the steer at all tells nothing of its sense.
    const double moved = (steer - walk.steer) * (rack - walk.rack);
    const int sense = moved > 0 ? 1 : moved < 0 ? -1 : walk.sense;
    if (walk.sense != 0 && sense != walk.sense) {
        return Stop::Toggle;
    }
    if (std::fabs(steer - walk.steer) > kMostSteerPerStep) {
        // Newton's method has jumped to another assembly of the linkage: try smaller steps.
        return Stop::Settle;
    }
    walk = Walk{pose, rack, steer, sense};
    return Stop::None;
}

SteeringPair::Stop SteeringPair::reach(const Side& side, bool right, double to, Walk& walk,
                                       double& stoppedAt) const {
    const double from = walk.rack;
    const int steps = stepsOver(to - from, kRackStep);
    for (int k = 1; k <= steps; ++k) {
        const double target = partWay(from, to, k, steps);
        // A step that fails is tried again in smaller ones, each from where the wheel stands;
        // a toggle seen on the way is the reason given when none of them gets through.
        Stop why = Stop::Settle; // a toggle or a wheel across the car says more than Settle
        const bool reached =
            stepInSubsteps(walk.rack, target, walk, walk, walk, [&](double rack, Walk& trial) {
                const Stop stop = step(side, right, rack, trial, trial.pose);
                if (stop != Stop::None && stop != Stop::Settle) {
                    why = stop;
                }
                return stop == Stop::None;
            });
        if (!reached) {
            stoppedAt = target;
            return why;
        }
    }
    return Stop::None;
}

SteerWheel SteeringPair::read(const Side& side, bool right, double rack,
                              const UprightPose& pose) const {
    SteerWheel wheel;
    wheel.pose = pose;
    wheel.innerJoint = movedInnerJoint(side.points, right, rack);
    PoseReading r;
    if (!readPose(*side.corner, pose, r)) {
        return wheel;
    }
    wheel.solved = true;
    wheel.wheelCentre = r.wheel;
    wheel.spinAxis = side.corner->spinAxis(pose);
    if (rack == 0) {
        return wheel; // straight ahead: every change is exactly 0
    }
    const double toeChange = r.toe - side.staticToe;
    wheel.steer = right ? -toeChange : toeChange;
    wheel.camberChange = r.camber - side.staticCamber;
    wheel.casterChange = r.caster - side.staticCaster;
    wheel.contactPatchHeightChange = r.contact.y - side.staticContactY;
    return wheel;
}

SteerState SteeringPair::solve(double rack, std::optional<double> wheelbase,
                               std::vector<Message>* messages) const {
    SteerState state;
    state.rack = rack;
    if (!ready()) {
        return state;
    }
    for (const bool right : {true, false}) {
        const Side& side = right ? right_ : left_;
        Walk walk = startWalk(side);
        double stoppedAt = 0;
        const Stop stop = rack == 0 ? Stop::None : reach(side, right, rack, walk, stoppedAt);
        if (stop == Stop::None) {
            (right ? state.right : state.left) = read(side, right, rack, walk.pose);
        } else if (messages) {
            messages->push_back(
                steeringReachMessage(right ? "right" : "left", stoppedAt, reason(stop)));
        }
    }
    state.ackermannPercent = ackermannOf(state.right, state.left, track(), wheelbase);
    return state;
}

bool SteerSweepOptions::IsValid(std::string* why) const {
    return noProblem({rackProblem(maxRack), steerStepsProblem(steps)}, why);
}

SteerSweep SteeringPair::sweep(const SteerSweepOptions& options) const {
    const double maxRack = options.maxRack;
    const int steps = options.steps;
    const std::optional<double> wheelbase = options.wheelbase;
    SteerSweep out;
    if (steps < 1) {
        return out;
    }
    out.states.resize(static_cast<std::size_t>(steps) + 1);
    std::vector<std::size_t> outward; // towards +max from straight ahead
    std::vector<std::size_t> inward;  // towards -max
    for (int k = 0; k <= steps; ++k) {
        // Formed so that k and steps - k give exactly opposite travels.
        const double rack = maxRack * (2 * k - steps) / steps;
        out.states[static_cast<std::size_t>(k)].rack = rack;
        (rack >= 0 ? outward : inward).push_back(static_cast<std::size_t>(k));
    }
    std::reverse(inward.begin(), inward.end());
    if (!ready()) {
        return out;
    }
    for (const bool right : {true, false}) {
        const Side& side = right ? right_ : left_;
        for (const std::vector<std::size_t>* direction : {&outward, &inward}) {
            Walk walk = startWalk(side);
            for (std::size_t k : *direction) {
                SteerState& state = out.states[k];
                double stoppedAt = 0;
                const Stop stop =
                    state.rack == 0 ? Stop::None : reach(side, right, state.rack, walk, stoppedAt);
                if (stop != Stop::None) {
                    // Named by the state the table shows first without this wheel.
                    out.messages.push_back(
                        steeringReachMessage(right ? "right" : "left", state.rack, reason(stop)));
                    break;
                }
                (right ? state.right : state.left) = read(side, right, state.rack, walk.pose);
            }
        }
    }
    for (SteerState& state : out.states) {
        state.ackermannPercent = ackermannOf(state.right, state.left, track(), wheelbase);
    }
    return out;
}

Message steeringSetupMessage(Outcome outcome, const std::string& text) {
    return Message{kTitle, text, MessageIcon::Warning, MessageButtons::Ok}.with(outcome);
}

SteerStop SteeringPair::reason(Stop stop) {
    return stop == Stop::Toggle   ? SteerStop::Toggle
           : stop == Stop::Across ? SteerStop::Across
                                  : SteerStop::Settle;
}

Message steeringReachMessage(const char* side, double rack, SteerStop why) {
    const char* because =
        why == SteerStop::Toggle   ? "its tie rod and steering arm pass their toggle point there."
        : why == SteerStop::Across ? "it would steer 90 degrees or more there."
                                   : "the solution does not settle there (the tie rod or an arm "
                                     "cannot reach).";
    return Message{kTitle,
                   std::string("The ") + side + " wheel stops at " +
                       shortestLength(static_cast<float>(rack)) + " " + lengthWord() +
                       " of rack travel: " + because,
                   MessageIcon::Warning, MessageButtons::Ok}
        .with(why == SteerStop::Toggle   ? Outcome::SteeringStopsAtToggle
              : why == SteerStop::Across ? Outcome::SteeringStopsAt90Degrees
                                         : Outcome::SteeringStopsUnsettled);
}

} // namespace velmora
