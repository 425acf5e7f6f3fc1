#pragma once

#include <numbers>

// Angles of the rigid-body solution and of what is measured from it, with the exact pi. The
// classic sweep converts with its own inexact pi (sweepmath::degOf), which these must not
// replace.
namespace velmora {

inline double degrees(double radians) {
    return radians * 180.0 / std::numbers::pi;
}

inline double radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

} // namespace velmora
