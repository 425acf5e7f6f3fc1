#include "geometry/rigid_walk.h"

#include "geometry/vec3.h"

namespace velmora {

using namespace vec3;

namespace {

UprightPose extrapolate(const UprightPose& a, double ta, const UprightPose& b, double tb,
                        double t) {
    const double k = (t - tb) / (tb - ta);
    return {b.TB + k * (b.TB - a.TB), b.BB + k * (b.BB - a.BB), b.RO + k * (b.RO - a.RO)};
}

} // namespace

PoseSolution TravelWalk::moveTo(double to) {
    // Until two poses are known there is no line to follow (and extrapolating would divide by 0).
    const UprightPose guess =
        travel_ != travelBefore_ ? extrapolate(before_, travelBefore_, pose_, travel_, to) : pose_;
    PoseSolution spent;
    UprightPose reached;
    const bool arrived =
        stepInSubsteps(travel_, to, pose_, guess, reached, [&](double at, UprightPose& pose) {
            const PoseSolution solution = corner_.solve(at, pose);
            spent.iterations += solution.iterations;
            spent.status = solution.status;
            return solution.status == PoseStatus::Converged;
        });
    if (arrived) {
        before_ = pose_;
        travelBefore_ = travel_;
        pose_ = reached;
        travel_ = to;
    }
    return spent;
}

} // namespace velmora
