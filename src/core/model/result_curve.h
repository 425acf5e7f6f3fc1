#pragma once

#include "model/graph_selection.h"
#include "model/sweep_result.h"

namespace velmora {

// The curve of a graph kind in anything that holds the five result curves under their
// names: a sweep's result, the state that keeps the last one, or the 3-D solution.
template <typename Results> const auto& curveOf(const Results& results, GraphKind kind) {
    switch (kind) {
    case GraphKind::Camber:
        return results.CamberChange;
    case GraphKind::SideScrub:
        return results.SideScrub;
    case GraphKind::ForeAft:
        return results.ForeAft;
    case GraphKind::Caster:
        return results.CasterChange;
    case GraphKind::BumpSteer:
        break;
    }
    return results.BumpSteer;
}

} // namespace velmora
