#pragma once

#include "chassis/dive_roll.h"

#include <optional>

// Lines in the front view of the body frame.
namespace velmora {

// Where the line through a1 and a2 meets the line through b1 and b2; none when they are
// parallel (or a line has no direction).
std::optional<FrontPoint> lineIntersection(const FrontPoint& a1, const FrontPoint& a2,
                                           const FrontPoint& b1, const FrontPoint& b2);

// The ground line through the two contact patches: e the unit vector from the right patch to
// the left one, n = e turned +90 degrees (upward at ride height), and its point at u = 0.
struct GroundLine {
    bool valid = false;
    FrontPoint e;
    FrontPoint n;
    FrontPoint atCentreline;
};
GroundLine groundLine(const FrontPoint& rightPatch, const FrontPoint& leftPatch);

} // namespace velmora
