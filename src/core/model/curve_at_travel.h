#pragma once

#include "model/sweep_result.h"

#include <optional>

namespace velmora {

// The value of a curve of the classic sweep at `travel`, linear between the sweep's positions
// (position i at VU minus i - 1 steps of VY, as the sweep steps them, so that a travel on a
// position gives exactly that position's value). Nothing outside the positions swept, nor
// next to a position the sweep did not reach (NaN).
std::optional<double> curveAtTravel(const Curve& curve, float VU, float VY, int n, double travel);

} // namespace velmora
