#include "analysis/baseline.h"

#include "geometry/sweep.h"

#include <algorithm>
#include <cmath>

namespace velmora {

Baseline baselineOf(const SuspensionState& state) {
    return Baseline{state.RightCoords, state.LeftCoords};
}

SweepResult sweepBaseline(const Baseline& baseline, bool right, Travel travel) {
    const float VU = travel.bump;
    const float VD = travel.rebound;
    return classicSweep(baseline.coords(right), right, Travel{VU, VD});
}

int positionsOf(const SweepResult& result) {
    if (!(result.VY > 0.0f) || !std::isfinite(result.VY)) {
        return 0;
    }
    return std::clamp(positionCount(result.VU, result.VD, result.VY), 0, kMaxPositions);
}

} // namespace velmora
