#pragma once

#include "geometry/rigid_sweep.h"
#include "model/travel.h"

#include <string>

namespace velmora {

// Which tie rod joint the shim moves up or down.
enum class ShimJoint { Outer, Inner };

// The tie rod joint height change that makes the largest bump steer over the travel smallest,
// by the 3-D solution.
struct BumpSteerShim {
    ShimJoint joint = ShimJoint::Outer;
    bool solved = false;     // the corner as it stands could be solved at every position
    bool improves = false;   // a height change lowers the largest bump steer
    double heightChange = 0; // inches, positive = up; 0 when nothing improves
    int sixteenths = 0;      // heightChange as the signed nearest whole number of 1/16 in
    double maxBefore = 0;    // largest bump steer magnitude, degrees
    double maxAfter = 0;     // the same with the height change made
    RigidSweep before;
    RigidSweep after;
};

// Heights are searched over +-kShimReach inches, first in sixteenths, then refined.
inline constexpr double kShimReach = 3.0;
// A change that lowers the largest bump steer by less than this (degrees) is no improvement.
inline constexpr double kNoticeableBumpSteer = 0.0005;

BumpSteerShim findBumpSteerShim(const CoordinateSet& coords, Travel travel, ShimJoint joint);

// "raise the outer tie rod end 3/16 in", "lower the inner tie rod end 1 1/4 in", or a note
// that the change is below a thirty-second of an inch.
std::string shimAdvice(ShimJoint joint, int sixteenths);

} // namespace velmora
