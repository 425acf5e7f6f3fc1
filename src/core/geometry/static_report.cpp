#include "geometry/static_report.h"

#include "model/number_text.h"
#include "model/shown_length.h"

#include <cmath>

namespace velmora {
namespace {

SideStaticCaptions sideCaptions(const SideStatics& side) {
    // SAI and caster are degrees; the scrub radius and the trail lengths in the display unit.
    return {captionText16(side.sai), captionLength(side.scrubRadius), captionText16(side.caster),
            captionLength(side.casterTrail)};
}

std::string offsetCaption(double offset) {
    std::string text =
        showsMillimetres() ? captionLength(std::fabs(offset)) : captionText32(std::fabs(offset));
    if (offset < 0) {
        text += " to the passenger's side";
    } else if (offset > 0) {
        text += " to the driver's side";
    }
    return text;
}

} // namespace

StaticCaptions staticCaptions(const StaticReport& report) {
    StaticCaptions captions;
    if (report.right) {
        captions.right = sideCaptions(*report.right);
    }
    if (report.left) {
        captions.left = sideCaptions(*report.left);
    }
    if (report.car) {
        captions.rollCenterHeight = captionLength(report.car->height);
        captions.rollCenterOffset = offsetCaption(report.car->offset);
    }
    return captions;
}

void Clear_RStat(StaticCaptions& captions) {
    captions.right = {};
    captions.rollCenterHeight.clear();
    captions.rollCenterOffset.clear();
}

void Clear_LStat(StaticCaptions& captions) {
    captions.left = {};
    captions.rollCenterHeight.clear();
    captions.rollCenterOffset.clear();
}

} // namespace velmora
