#pragma once

#include "geometry/rigid_corner.h"

#include <algorithm>
#include <cmath>

// Walking a rigid corner from one solved state to the next. Newton's method converges only
// from a guess near the answer, and from a poor one it may settle on another way the linkage
// can be assembled, so every walk bridges short steps and retries a failed one in smaller
// parts before it gives up.
namespace velmora {

// A step that fails even in eight parts ends the walk: the corner is taken to lock there or
// not to settle, and the caller says which.
inline constexpr int kMostSubsteps = 8;

// Part k of `parts` equal steps from `from` to `to`; the last lands on `to` exactly.
inline double partWay(double from, double to, int k, int parts) {
    return k == parts ? to : from + (to - from) * k / parts;
}

// How many steps no longer than `longest` cover `distance`; at least one.
inline int stepsOver(double distance, double longest) {
    return std::max(1, static_cast<int>(std::ceil(std::fabs(distance) / longest)));
}

// Moves a walk on from `start`, where it stands at `from`, to `to`: in one step from `guess`,
// then, should that fail, in two, four and eight equal parts from `start`. `step(at, state)`
// moves `state` on to `at` and tells whether it got there. `reached` receives the state at
// `to` and is left alone when no attempt gets there; it may be `start` itself.
template <class State, class Step>
bool stepInSubsteps(double from, double to, const State& start, const State& guess, State& reached,
                    Step&& step) {
    State trial = guess;
    bool arrived = step(to, trial);
    for (int parts = 2; !arrived && parts <= kMostSubsteps; parts *= 2) {
        trial = start;
        arrived = true;
        for (int k = 1; k <= parts && arrived; ++k) {
            arrived = step(partWay(from, to, k, parts), trial);
        }
    }
    if (arrived) {
        reached = trial;
    }
    return arrived;
}

// A corner walked along its wheel travel with the steering centred, starting at ride height.
// Each travel is first tried from the straight line through the two poses solved before it,
// which keeps the Newton iterations few and the walk on the assembly it started on.
class TravelWalk {
public:
    explicit TravelWalk(const RigidCorner& corner)
        : corner_(corner), pose_(corner.staticPose()), before_(pose_) {}

    // Moves the walk on to travel `to`. Converged: the walk stands there. Otherwise it stays
    // where it was, and the status is that of the last part tried. The iterations are all
    // those spent, the failed attempts' included.
    PoseSolution moveTo(double to);

    const UprightPose& pose() const { return pose_; }

private:
    const RigidCorner& corner_;
    UprightPose pose_;   // at travel_
    UprightPose before_; // the pose solved before pose_, at travelBefore_
    double travel_ = 0;
    double travelBefore_ = 0;
};

} // namespace velmora
