#include "geometry/rigid_sweep.h"

#include "geometry/angles.h"
#include "geometry/rigid_corner.h"
#include "geometry/rigid_walk.h"
#include "geometry/vec3.h"
#include "model/number_text.h"
#include "model/result_curve.h"
#include "model/shown_length.h"

#include <algorithm>
#include <cmath>

namespace velmora {

using namespace vec3;

namespace {

constexpr const char* kTitle = "3-D Check";

Message warning(Outcome outcome, std::string text) {
    return Message{kTitle, std::move(text), MessageIcon::Warning, MessageButtons::Ok}.with(outcome);
}

class Sweeper {
public:
    Sweeper(const RigidCorner& corner, RigidSweep& out) : corner_(corner), out_(out) {
        readPose(corner_, corner_.staticPose(), static_);
    }

    void run() {
        std::vector<int> bump;
        std::vector<int> rebound;
        for (int i = 1; i <= out_.n; ++i) {
            (out_.travel[static_cast<std::size_t>(i)] >= 0.0f ? bump : rebound).push_back(i);
        }
        std::reverse(bump.begin(), bump.end()); // outward from static: smallest bump first
        walk(bump);
        walk(rebound);
    }

private:
    void walk(const std::vector<int>& positions) {
        TravelWalk walk(corner_);
        for (int i : positions) {
            const float t = out_.travel[static_cast<std::size_t>(i)];
            if (t == 0.0f) {
                store(i, corner_.staticPose(), true);
                continue;
            }
            const PoseSolution moved = walk.moveTo(t);
            out_.iterations = std::max(out_.iterations, moved.iterations);
            if (moved.status == PoseStatus::Converged && store(i, walk.pose(), false)) {
                continue;
            }
            out_.messages.push_back(moved.status == PoseStatus::NotConverging
                                        ? rigidNoConvergenceMessage(t)
                                        : rigidLockMessage(t));
            return;
        }
    }

    bool store(int i, const UprightPose& pose, bool atStatic) {
        PoseReading r;
        if (!readPose(corner_, pose, r)) {
            return false;
        }
        const auto k = static_cast<std::size_t>(i);
        if (!atStatic) { // exactly 0 at the static position
            out_.CamberChange[k] = r.camber - static_.camber;
            out_.CasterChange[k] = r.caster - static_.caster;
            out_.SideScrub[k] = r.contact.x - static_.contact.x;
            out_.ForeAft[k] = r.wheel.z - static_.wheel.z;
            out_.BumpSteer[k] = r.toe - static_.toe;
        }
        out_.BallJointPos[k] = BallJointPair{pose.TB, pose.BB};
        out_.TieRodOuter[k] = pose.RO;
        out_.solved[k] = true;
        return true;
    }

    const RigidCorner& corner_;
    RigidSweep& out_;
    PoseReading static_;
};

} // namespace

bool readPose(const RigidCorner& corner, const UprightPose& pose, PoseReading& r) {
    const Point3 s = corner.spinAxis(pose);
    r.wheel = corner.wheelCentre(pose);
    // Front view: the spin axis tilting up outboard means the top of the tire has moved in.
    r.camber = -degrees(std::atan2(s.y, s.x));
    r.toe = degrees(std::atan2(s.z, s.x)); // the axis swinging rearward outboard is toe out
    const double height = pose.TB.y - pose.BB.y;
    if (height == 0) {
        return false;
    }
    r.caster = degrees(std::atan((pose.TB.z - pose.BB.z) / height));
    // The lowest point of the wheel's disc: straight down within the wheel's plane.
    const Point3 down = Point3{0, -1, 0} - (-s.y) * s;
    const double length = norm(down);
    if (!(length > 1e-9)) {
        return false;
    }
    r.contact = r.wheel + (corner.wheelRadius() / length) * down;
    return std::isfinite(r.camber) && std::isfinite(r.toe) && std::isfinite(r.caster) &&
           std::isfinite(r.contact.x) && std::isfinite(r.wheel.z);
}

bool RigidSweep::allSolved() const {
    return complete && n > 0 && solvedCount() == n;
}

int RigidSweep::solvedCount() const {
    return static_cast<int>(std::count(solved.begin() + 1, solved.end(), true));
}

void setTravelPositions(RigidSweep& sweep, Travel travel) {
    const Travel swept = travel.used();
    const float VU = swept.bump;
    const float VD = swept.rebound;
    sweep.VU = VU;
    sweep.VD = VD;
    const float VI = (VD + VU) / 6.0f;
    sweep.VY = VI * 0.25f;
    sweep.n = sweep.VY > 0.0f && std::isfinite(sweep.VY) && std::isfinite(VU)
                  ? std::clamp(positionCount(VU, VD, sweep.VY), 0, kMaxPositions)
                  : 0;
    float t = VU;
    for (int i = 1; i <= sweep.n; ++i) {
        sweep.travel[static_cast<std::size_t>(i)] = t;
        t = t - sweep.VY;
    }
}

RigidSweep rigidSweep(const CornerPoints& corner, Travel travel) {
    RigidSweep sweep;
    sweep.complete = true;
    setTravelPositions(sweep, travel);
    std::string why;
    const std::optional<RigidCorner> rigid = RigidCorner::build(corner, why);
    if (!rigid) {
        sweep.messages.push_back(rigidSetupMessage(why));
        return sweep;
    }
    Sweeper(*rigid, sweep).run();
    return sweep;
}

RigidSweep rigidSweep(const CoordinateSet& coords, Travel travel) {
    if (!isComplete(coords)) {
        RigidSweep empty;
        setTravelPositions(empty, travel);
        return empty;
    }
    return rigidSweep(cornerPoints(coords), travel);
}

RigidSweep rigidSweep(const SuspensionState& state) {
    return rigidSweep(state.activeCoords(), Travel{state.VU, state.VD});
}

const Curve3D& rigidCurve(const RigidSweep& sweep, GraphKind kind) {
    return curveOf(sweep, kind);
}

double largestBumpSteer(const RigidSweep& sweep) {
    double largest = 0;
    for (int i = 1; i <= sweep.n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (sweep.solved[k]) {
            largest = std::max(largest, std::fabs(sweep.BumpSteer[k]));
        }
    }
    return largest;
}

Message rigidSetupMessage(const std::string& why) {
    return warning(Outcome::RigidCannotSolve,
                   "The 3-D check cannot solve this corner: " + why + ".");
}

Message rigidLockMessage(float travel) {
    return warning(Outcome::RigidLocks,
                   "The 3-D check stops at " + shortestLength(travel) + " " + lengthWord() +
                       " of travel: the corner locks there (an arm passes its dead centre "
                       "or the tie rod cannot reach).");
}

Message rigidNoConvergenceMessage(float travel) {
    return warning(Outcome::RigidDoesNotSettle,
                   "The 3-D check stops at " + shortestLength(travel) + " " + lengthWord() +
                       " of travel: the solution does not settle there.");
}

} // namespace velmora
