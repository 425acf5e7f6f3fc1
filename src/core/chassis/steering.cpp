#include "chassis/steering.h"

#include "geometry/rigid_sweep.h"
#include "model/number_text.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace velmora {
namespace {

constexpr const char* kTitle = "Steering";
// Longest step of rack travel one Newton solution is asked to bridge, inches; a step that
// fails is tried again in up to this many smaller ones.
constexpr double kRackStep = 0.25;
constexpr int kMostSubsteps = 8;
// Below this steer, degrees, a wheel is taken as pointing straight ahead for Ackermann.
constexpr double kStraightAhead = 0.01;

double degrees(double radians) {
    return radians * 180.0 / std::numbers::pi;
}

double radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

Point3 movedInnerJoint(const CornerPoints& points, bool right, double rack) {
    Point3 inner = points.RI;
    inner.x += right ? -rack : rack;
    return inner;
}

} // namespace

std::string rackProblem(double rack, const std::string& what) {
    if (!std::isfinite(rack) || std::fabs(rack) > kMostRack) {
        return "the " + what + " must be a number of inches from -" +
               shortestText(static_cast<float>(kMostRack)) + " to " +
               shortestText(static_cast<float>(kMostRack));
    }
    return {};
}

std::string steerStepsProblem(long long steps, const std::string& what) {
    if (steps < 1 || steps > kMostSteerSteps) {
        return "the " + what + " must be a whole number from 1 to " +
               std::to_string(kMostSteerSteps);
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
        messages.push_back(steeringSetupMessage(std::string("The ") + name +
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
        messages.push_back(steeringSetupMessage(std::string("The ") + name +
                                                " corner cannot be steered: " + why + "."));
        return;
    }
    side.staticCamber = reading.camber;
    side.staticCaster = reading.caster;
    side.staticToe = reading.toe;
    side.staticContactY = reading.contact.y;
}

SteeringPair SteeringPair::build(const CoordinateSet& right, const CoordinateSet& left) {
    SteeringPair pair;
    prepare(pair.right_, right, "right", pair.setup_);
    prepare(pair.left_, left, "left", pair.setup_);
    return pair;
}

bool SteeringPair::reach(const Side& side, bool right, double from, double to,
                         UprightPose& pose) const {
    const int steps = std::max(1, static_cast<int>(std::ceil(std::fabs(to - from) / kRackStep)));
    UprightPose x = pose;
    double at = from;
    for (int k = 1; k <= steps; ++k) {
        const double target = k == steps ? to : from + (to - from) * k / steps;
        bool reached = false;
        for (int substeps = 1; !reached && substeps <= kMostSubsteps; substeps *= 2) {
            UprightPose trial = x;
            reached = true;
            for (int j = 1; j <= substeps && reached; ++j) {
                const double rack = j == substeps ? target : at + (target - at) * j / substeps;
                reached = side.corner->solve(0.0, trial, movedInnerJoint(side.points, right, rack))
                              .status == PoseStatus::Converged;
            }
            if (reached) {
                x = trial;
            }
        }
        if (!reached) {
            return false;
        }
        at = target;
    }
    pose = x;
    return true;
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
        UprightPose pose = side.corner->staticPose();
        if (rack == 0 || reach(side, right, 0.0, rack, pose)) {
            (right ? state.right : state.left) = read(side, right, rack, pose);
        } else if (messages) {
            messages->push_back(steeringReachMessage(right ? "right" : "left", rack));
        }
    }
    state.ackermannPercent = ackermannOf(state.right, state.left, track(), wheelbase);
    return state;
}

SteerSweep SteeringPair::sweep(double maxRack, int steps, std::optional<double> wheelbase) const {
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
            UprightPose pose = side.corner->staticPose();
            double at = 0;
            for (std::size_t k : *direction) {
                SteerState& state = out.states[k];
                if (state.rack != 0 && !reach(side, right, at, state.rack, pose)) {
                    out.messages.push_back(
                        steeringReachMessage(right ? "right" : "left", state.rack));
                    break;
                }
                at = state.rack;
                (right ? state.right : state.left) = read(side, right, state.rack, pose);
            }
        }
    }
    for (SteerState& state : out.states) {
        state.ackermannPercent = ackermannOf(state.right, state.left, track(), wheelbase);
    }
    return out;
}

Message steeringSetupMessage(const std::string& text) {
    return Message{kTitle, text, MessageIcon::Warning, MessageButtons::Ok};
}

Message steeringReachMessage(const char* side, double rack) {
    return Message{kTitle,
                   std::string("The ") + side + " wheel cannot be steered to " +
                       shortestText(static_cast<float>(rack)) +
                       " inches of rack travel: the tie rod or an arm cannot reach.",
                   MessageIcon::Warning, MessageButtons::Ok};
}

} // namespace velmora
