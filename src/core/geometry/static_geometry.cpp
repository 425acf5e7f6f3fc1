#include "geometry/static_geometry.h"

#include "geometry/sweep.h"
#include "model/number_text.h"

#include <cmath>

namespace velmora {
namespace {

void clearSide(StaticCaptions& captions, bool right) {
    for (const char* label : sideStaticLabels(right)) {
        captions.byLabel[label].clear();
    }
}

// The first four labels of sideStaticLabels are the side's own.
void showSide(StaticCaptions& captions, bool right, double sai, double scrub, double caster,
              double trail) {
    const std::array<const char*, 6> labels = sideStaticLabels(right);
    const double values[] = {sai, scrub, caster, trail};
    for (std::size_t i = 0; i < 4; ++i) {
        captions.byLabel[labels[i]] = captionText16(values[i]);
    }
}

} // namespace

std::array<const char*, 6> sideStaticLabels(bool right) {
    std::array<const char*, 6> labels{};
    for (std::size_t i = 0; i < kStaticValueRows.size(); ++i) {
        const StaticValueRow& row = kStaticValueRows[i];
        labels[i] = !right && row.left != nullptr ? row.left : row.right;
    }
    return labels;
}

void Clear_RStat(StaticCaptions& captions) {
    clearSide(captions, true);
}

void Clear_LStat(StaticCaptions& captions) {
    clearSide(captions, false);
}

StaticCaptions runStaticGeometry(SuspensionState& state, MessageSink& sink) {
    StaticCaptions captions;
    Clear_RStat(captions);
    Clear_LStat(captions);
    applySweep(state, staticPass(state.RightCoords, state.LeftCoords, state.VU, state.VD), sink);

    const double productRight = completenessProduct(state.RightCoords);
    const double productLeft = completenessProduct(state.LeftCoords);
    if (productRight != 0) {
        showSide(captions, true, state.RightSAI, state.RightScrubRadius, state.RightCaster,
                 state.RightCasterTrail);
    } else {
        Clear_RStat(captions);
    }
    if (productLeft != 0) {
        showSide(captions, false, state.LeftSAI, state.LeftScrubRadius, state.LeftCaster,
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
    return captions;
}

} // namespace velmora
