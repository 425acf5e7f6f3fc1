#pragma once

#include "analysis/suggestions.h"

#include <algorithm>
#include <string>
#include <vector>

// Corners and curves shared by the suggestions tests.
namespace velmora::testing_support {

using Items = std::vector<std::string>;

// A corner with none of the four cautions: spindle tilted inward at the top, positive
// caster, top arm rising gently to its ball joint.
inline std::array<Point3, 9> soundCorner() {
    std::array<Point3, 9> p{};
    p[TopFront] = {10, 15, 20};
    p[TopRear] = {10, 15, 30};
    p[TopBall] = {20, 16, 25.5};
    p[BottomFront] = {8, 7, 20};
    p[BottomRear] = {8, 7, 30};
    p[BottomBall] = {22, 6, 25};
    p[TieRodInner] = {9, 9, 30};
    p[TieRodOuter] = {21, 9, 29}; // behind the bottom ball joint
    return p;
}

// Standard travel (3 and 3 inches, step 0.25, 25 points) with a curve of constant slope:
// `perInch` units of change for every inch of bump.
inline SuggestionInputs straightCurve(GraphKind kind, float perInch) {
    SuggestionInputs in;
    for (int i = 1; i <= 25; ++i) {
        in.curve[static_cast<std::size_t>(i)] =
            perInch * (3.0f - 0.25f * static_cast<float>(i - 1));
    }
    in.CamberGraph = kind == GraphKind::Camber;
    in.SideScrubGraph = kind == GraphKind::SideScrub;
    in.ForeAftGraph = kind == GraphKind::ForeAft;
    in.CasterGraph = kind == GraphKind::Caster;
    in.BumpSteerGraph = kind == GraphKind::BumpSteer;
    in.SusPoints = soundCorner();
    return in;
}

inline Items section(const SuggestionInputs& in, CurveRatios ratios) {
    Items items;
    if (in.CamberGraph) {
        suggestions::appendCamber(in, ratios, items);
    } else if (in.SideScrubGraph) {
        suggestions::appendSideScrub(in, ratios, items);
    } else if (in.ForeAftGraph) {
        suggestions::appendForeAft(in, ratios, items);
    } else if (in.CasterGraph) {
        suggestions::appendCaster(in, ratios, items);
    } else {
        suggestions::appendBumpSteer(in, ratios, items);
    }
    return items;
}

// The items after "Suggestions:".
inline Items rules(const Items& items) {
    const auto at = std::find(items.begin(), items.end(), "Suggestions:");
    return at == items.end() ? Items{} : Items(at + 1, items.end());
}

} // namespace velmora::testing_support
