#include "chassis/pose_at_travel.h"

#include "geometry/rigid_sweep.h"
#include "geometry/vec3.h"

#include <algorithm>
#include <cmath>

namespace velmora {

using namespace vec3;

namespace {

// The corner is walked from ride height to its travel in steps no longer than the 3-D
// sweep's own at the usual range, so that it stays on the sweep's assembly branch.
constexpr double kLongestStep = 0.25;
// A step that fails is tried again in two, four or eight smaller steps at most.
constexpr int kMostSubsteps = 8;

UprightPose extrapolate(const UprightPose& a, double ta, const UprightPose& b, double tb,
                        double t) {
    const double k = (t - tb) / (tb - ta);
    return {b.TB + k * (b.TB - a.TB), b.BB + k * (b.BB - a.BB), b.RO + k * (b.RO - a.RO)};
}

// Solves `to` from the solution `start` at `from`, first from `guess`, then in smaller steps.
PoseStatus reach(const RigidCorner& corner, double from, double to, const UprightPose& start,
                 UprightPose& guess) {
    UprightPose trial = guess;
    PoseStatus status = corner.solve(to, trial).status;
    for (int substeps = 2; status != PoseStatus::Converged && substeps <= kMostSubsteps;
         substeps *= 2) {
        trial = start;
        status = PoseStatus::Converged;
        for (int k = 1; k <= substeps && status == PoseStatus::Converged; ++k) {
            const double travel = k == substeps ? to : from + (to - from) * k / substeps;
            status = corner.solve(travel, trial).status;
        }
    }
    if (status == PoseStatus::Converged) {
        guess = trial;
    }
    return status;
}

} // namespace

std::optional<UprightPose> poseAtTravel(const RigidCorner& corner, double travel,
                                        Message& failure) {
    UprightPose pose = corner.staticPose();
    if (travel == 0) {
        return pose;
    }
    const int steps = std::max(1, static_cast<int>(std::ceil(std::fabs(travel) / kLongestStep)));
    UprightPose before = pose;
    double from = 0;
    double fromBefore = 0;
    for (int k = 1; k <= steps; ++k) {
        const double t = k == steps ? travel : travel * k / steps;
        UprightPose guess = k > 1 ? extrapolate(before, fromBefore, pose, from, t) : pose;
        const PoseStatus status = reach(corner, from, t, pose, guess);
        if (status != PoseStatus::Converged) {
            failure = status == PoseStatus::NotConverging
                          ? rigidNoConvergenceMessage(static_cast<float>(travel))
                          : rigidLockMessage(static_cast<float>(travel));
            return std::nullopt;
        }
        before = pose;
        fromBefore = from;
        pose = guess;
        from = t;
    }
    return pose;
}

} // namespace velmora
