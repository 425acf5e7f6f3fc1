#include "chassis/pose_at_travel.h"

#include "geometry/rigid_sweep.h"
#include "geometry/rigid_walk.h"

namespace velmora {

namespace {

// The corner is walked from ride height to its travel in steps no longer than the 3-D
// sweep's own at the usual range, so that it stays on the sweep's assembly branch.
constexpr double kLongestStep = 0.25;

} // namespace

std::optional<UprightPose> poseAtTravel(const RigidCorner& corner, double travel,
                                        Message& failure) {
    if (travel == 0) {
        return corner.staticPose();
    }
    TravelWalk walk(corner);
    const int steps = stepsOver(travel, kLongestStep);
    for (int k = 1; k <= steps; ++k) {
        const double t = k == steps ? travel : travel * k / steps;
        const PoseStatus status = walk.moveTo(t).status;
        if (status != PoseStatus::Converged) {
            failure = status == PoseStatus::NotConverging
                          ? rigidNoConvergenceMessage(static_cast<float>(travel))
                          : rigidLockMessage(static_cast<float>(travel));
            return std::nullopt;
        }
    }
    return walk.pose();
}

} // namespace velmora
