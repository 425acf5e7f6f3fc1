#pragma once

#include "geometry/rigid_sweep.h"

#include <array>

namespace velmora {

// The largest difference between a classic curve and its 3-D counterpart over the positions
// both models reached (a classic value that is not a finite number counts as not reached),
// and the travel where it occurs (the first such position from full bump).
struct CurveDifference {
    GraphKind kind = GraphKind::Camber;
    bool compared = false;    // at least one position could be compared
    double maxDifference = 0; // magnitude, in the curve's unit
    float atTravel = 0;
};

// Curves in the order camber, caster, side scrub, fore/aft, bump steer. `classic` holds the
// classic curves of the same side and travel range (a state that CALC has swept).
std::array<CurveDifference, 5> compareModels(const SuspensionState& classic,
                                             const RigidSweep& rigid);

// Name of a curve as the results call it: "CamberChange", "CasterChange", ...
const char* curveName(GraphKind kind);

} // namespace velmora
