#include "analysis/baseline.h"

#include "geometry/sweep.h"

#include <algorithm>
#include <cmath>

namespace velmora {

Baseline baselineOf(const SuspensionState& state) {
    return Baseline{state.RightCoords, state.LeftCoords};
}

SweepResult sweepBaseline(const Baseline& baseline, bool right, float VU, float VD) {
    return classicSweep(baseline.coords(right), right, VU, VD);
}

const Curve& curveOf(const SweepResult& result, GraphKind kind) {
    switch (kind) {
    case GraphKind::Camber:
        return result.CamberChange;
    case GraphKind::SideScrub:
        return result.SideScrub;
    case GraphKind::ForeAft:
        return result.ForeAft;
    case GraphKind::Caster:
        return result.CasterChange;
    case GraphKind::BumpSteer:
        break;
    }
    return result.BumpSteer;
}

int positionsOf(const SweepResult& result) {
    if (!(result.VY > 0.0f) || !std::isfinite(result.VY)) {
        return 0;
    }
    return std::clamp(positionCount(result.VU, result.VD, result.VY), 0, kMaxPositions);
}

} // namespace velmora
