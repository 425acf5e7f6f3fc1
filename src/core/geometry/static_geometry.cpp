#include "geometry/static_geometry.h"

#include "geometry/sweep.h"
#include "model/number_text.h"

#include <cmath>

namespace velmora {
namespace {

constexpr const char* kRightLabels[] = {"lblStatRAxis", "lblStatRRadius", "lblStatRCA",
                                        "lblStatRCTR"};
constexpr const char* kLeftLabels[] = {"lblStaticLAxis", "lblStatLRadius", "lblStatLCasA",
                                       "lblStatLCasTR"};

void clearSide(StaticCaptions& captions, const char* const (&labels)[4]) {
    for (const char* label : labels) {
        captions.byLabel[label].clear();
    }
    captions.byLabel["lblStatRCH"].clear();
    captions.byLabel["lblStatRCO"].clear();
}

void showSide(StaticCaptions& captions, const char* const (&labels)[4], double sai, double scrub,
              double caster, double trail) {
    const double values[] = {sai, scrub, caster, trail};
    for (int i = 0; i < 4; ++i) {
        captions.byLabel[labels[i]] = captionText16(values[i]);
    }
}

} // namespace

void Clear_RStat(StaticCaptions& captions) {
    clearSide(captions, kRightLabels);
}

void Clear_LStat(StaticCaptions& captions) {
    clearSide(captions, kLeftLabels);
}

StaticCaptions runStaticGeometry(SuspensionState& state, MessageSink& sink) {
    StaticCaptions captions;
    state.StaticOnly = true;
    Clear_RStat(captions);
    Clear_LStat(captions);
    CALC(state, sink);

    const double productRight = completenessProduct(state.RightCoords);
    const double productLeft = completenessProduct(state.LeftCoords);
    if (productRight != 0) {
        showSide(captions, kRightLabels, state.RightSAI, state.RightScrubRadius, state.RightCaster,
                 state.RightCasterTrail);
    } else {
        Clear_RStat(captions);
    }
    if (productLeft != 0) {
        showSide(captions, kLeftLabels, state.LeftSAI, state.LeftScrubRadius, state.LeftCaster,
                 state.LeftCasterTrail);
    } else {
        Clear_LStat(captions);
    }
    if (productRight != 0 && productLeft != 0) {
        captions.byLabel["lblStatRCH"] = captionText16(state.RollCenterHeight);
        if (std::fabs(state.RollCenterOffset) < 0.002) {
            state.RollCenterOffset = 0;
        }
        // Offset positive toward the left (driver's) side; shown as a magnitude.
        std::string offset = captionText32(std::fabs(state.RollCenterOffset));
        if (state.RollCenterOffset < 0) {
            offset += " to the passenger's side";
        } else if (state.RollCenterOffset > 0) {
            offset += " to the driver's side";
        }
        captions.byLabel["lblStatRCO"] = offset;
    }
    state.StaticOnly = false;
    return captions;
}

} // namespace velmora
