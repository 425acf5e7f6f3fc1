#include "geometry/static_geometry.h"

#include "geometry/sweep.h"

#include <cmath>

namespace velmora {

StaticReport runStaticGeometry(SuspensionState& state, MessageSink& sink) {
    applySweep(state, staticPass(state.RightCoords, state.LeftCoords, Travel{state.VU, state.VD}),
               sink);

    StaticReport report;
    const bool right = completenessProduct(state.RightCoords) != 0;
    const bool left = completenessProduct(state.LeftCoords) != 0;
    if (right) {
        report.right = SideStatics{state.RightSAI, state.RightScrubRadius, state.RightCaster,
                                   state.RightCasterTrail};
    }
    if (left) {
        report.left = SideStatics{state.LeftSAI, state.LeftScrubRadius, state.LeftCaster,
                                  state.LeftCasterTrail};
    }
    if (right && left) {
        if (std::fabs(state.RollCenterOffset) < 0.002) {
            state.RollCenterOffset = 0;
        }
        report.car = RollCentre{state.RollCenterHeight, state.RollCenterOffset};
    }
    return report;
}

} // namespace velmora
