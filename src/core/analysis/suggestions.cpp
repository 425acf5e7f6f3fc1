#include "analysis/suggestions.h"

#include "model/inexact_constants.h"
#include "model/shown_length.h"

#include <algorithm>
#include <cmath>

namespace velmora {
namespace {

// Travel over change, the change being d. Every operand and the quotient are singles.
float travelPerChange(float travel, float d) {
    if (std::isnan(d)) {
        return 0.0f;
    }
    if (std::fabs(d) <= 0.01f) {
        return d > 0.0f ? 300.0f : (d < 0.0f ? -300.0f : 0.0f);
    }
    const float ratio = travel / d;
    return std::isfinite(ratio) ? ratio : 0.0f;
}

const Point3& point(const std::array<Point3, 9>& points, SusPoint row) {
    return points[static_cast<std::size_t>(row)];
}

} // namespace

CurveRatios measureCurve(const Curve& c, int n, float VU, float VD, float VY) {
    const auto last = static_cast<std::size_t>(std::clamp(n, 2, kMaxPositions));
    const float topChange = c[1] - c[2];
    const float bottomChange = c[last - 1] - c[last];
    const float middleChange = c[2] - c[last - 1];

    // The middle span leaves out one step at each end.
    const float range = VU + VD;
    const float endSteps = 2.0f * VY;
    const float middleTravel = range - endSteps;

    CurveRatios ratios;
    ratios.TopRatio = travelPerChange(VY, topChange);
    ratios.BottomRatio = travelPerChange(VY, bottomChange);
    ratios.OverallRatio = travelPerChange(middleTravel, middleChange);
    return ratios;
}

namespace suggestions {

double topArmAngle(const std::array<Point3, 9>& points) {
    const Point3& front = point(points, TopFront);
    const Point3& rear = point(points, TopRear);
    const Point3& ball = point(points, TopBall);
    double run = ball.x - (front.x + rear.x) / 2;
    if (run == 0) {
        run = 0.001;
    }
    const double slope = (ball.y - (front.y + rear.y) / 2) / run;
    const double root = std::sqrt(std::fabs(1 - slope * slope));
    if (root == 0) {
        // A slope of exactly +-1 (45 degrees): the angle is taken as +-90 degrees.
        return slope > 0 ? std::atan2(1.0, 0.0) : -std::atan2(1.0, 0.0);
    }
    return std::atan(slope / root);
}

void appendCautions(const std::array<Point3, 9>& points, std::vector<std::string>& items) {
    const Point3& topBall = point(points, TopBall);
    const Point3& bottomBall = point(points, BottomBall);
    if (topBall.x >= bottomBall.x) {
        items.insert(items.end(), {"Caution:  Your spindle is tilted ",
                                   " incorrectly.  Try moving you upper ball joint ",
                                   " inboard or your lower ball joint outboard.", ""});
    }
    if (topBall.z <= bottomBall.z) {
        items.insert(items.end(), {"Caution:  You have negative caster.  Try",
                                   " moving your upper ball joint rearward or",
                                   " your lower ball joint forward.", ""});
    }
    if (topArmAngle(points) > kCoarsePi / 180 * 20) {
        items.insert(items.end(), {"Caution: Your top ball joint may bind.",
                                   " Try making your top arm more level.", ""});
    }
    const double pivotHeight = (point(points, TopFront).y + point(points, TopRear).y) / 2;
    if (topBall.y < pivotHeight) {
        items.insert(items.end(), {"Caution:  Typically the upper A-arm slopes ",
                                   " upward toward the ball joint.  Try raising",
                                   " the outboard side or lowering the inboard ",
                                   " side of your upper control arm.", ""});
    }
}

} // namespace suggestions

std::vector<std::string> Generate_Suggestions(const SuggestionInputs& inputs) {
    std::vector<std::string> items;
    const CurveRatios ratios =
        measureCurve(inputs.curve, inputs.n, inputs.VU, inputs.VD, inputs.VY);
    suggestions::appendCautions(inputs.SusPoints, items);
    if (inputs.CamberGraph) {
        suggestions::appendCamber(inputs, ratios, items);
    } else if (inputs.SideScrubGraph) {
        suggestions::appendSideScrub(inputs, ratios, items);
    } else if (inputs.ForeAftGraph) {
        suggestions::appendForeAft(inputs, ratios, items);
    } else if (inputs.CasterGraph) {
        suggestions::appendCaster(inputs, ratios, items);
    } else if (inputs.BumpSteerGraph) {
        suggestions::appendBumpSteer(inputs, ratios, items);
    }
    // The advice is worded in inches; in millimetres its numbers of inches are converted.
    for (std::string& item : items) {
        item = shownAdvice(item);
    }
    return items;
}

std::vector<std::string> Generate_Suggestions(const SuspensionState& state, const Curve& graphData,
                                              int n) {
    SuggestionInputs inputs;
    inputs.curve = graphData;
    inputs.n = n;
    inputs.VU = state.VU;
    inputs.VD = state.VD;
    inputs.VY = state.VY;
    inputs.graphSelection() = state.graphSelection();
    inputs.TrackType = state.TrackType;
    inputs.FormulaCar = state.FormulaCar;
    inputs.SusPoints = state.SusPoints;
    return Generate_Suggestions(inputs);
}

} // namespace velmora
