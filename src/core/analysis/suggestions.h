#pragma once

#include "model/suspension_state.h"

#include <array>
#include <string>
#include <vector>

// The advice behind the graph window's "Suggestions" button: cautions about the static
// geometry, then a background paragraph and rule-based suggestions for the curve shown.
namespace velmora {

// The selected curve's flags are read as inputs.CamberGraph ...
struct SuggestionInputs : GraphSelection {
    Curve curve{}; // the shown curve, points 1..n (1 = full bump, n = full rebound)
    int n = 25;
    float VU = 3.0f;
    float VD = 3.0f;
    float VY = 0.25f;

    std::string TrackType;
    bool FormulaCar = false;
    std::array<Point3, 9> SusPoints{}; // rows 1..8 of the analysed side
};

// Inches of wheel travel per unit of curve change at the bump end, at the rebound end and
// over the middle span, in single precision. A difference within +-0.01 is not divided:
// the ratio is then +300 or -300 with the sign of the difference (practically flat), or 0
// when the difference is exactly 0.
struct CurveRatios {
    float TopRatio = 0;
    float BottomRatio = 0;
    float OverallRatio = 0;
};

// n is kept within 2..36 so that every point read lies on the curve.
CurveRatios measureCurve(const Curve& c, int n, float VU, float VD, float VY);

// The list, one string per line, exactly as shown (blank lines are empty strings).
std::vector<std::string> Generate_Suggestions(const SuggestionInputs& inputs);

// The same for the graph window's curve copy and the main window's state.
std::vector<std::string> Generate_Suggestions(const SuspensionState& state, const Curve& graphData,
                                              int n);

// Pieces of the list, exposed for the sections and their tests.
namespace suggestions {

// Static-geometry cautions (spindle tilt, negative caster, binding top ball joint, top arm
// slope), in this order.
void appendCautions(const std::array<Point3, 9>& points, std::vector<std::string>& items);

// The angle of the top arm in the front view, radians, as the binding caution judges it.
double topArmAngle(const std::array<Point3, 9>& points);

void appendCamber(const SuggestionInputs& inputs, const CurveRatios& ratios,
                  std::vector<std::string>& items);
void appendSideScrub(const SuggestionInputs& inputs, const CurveRatios& ratios,
                     std::vector<std::string>& items);
void appendForeAft(const SuggestionInputs& inputs, const CurveRatios& ratios,
                   std::vector<std::string>& items);
void appendCaster(const SuggestionInputs& inputs, const CurveRatios& ratios,
                  std::vector<std::string>& items);
void appendBumpSteer(const SuggestionInputs& inputs, const CurveRatios& ratios,
                     std::vector<std::string>& items);

// A threshold written as 1/x: formed in double, then rounded to single.
inline float reciprocal(double x) {
    return static_cast<float>(1.0 / x);
}

} // namespace suggestions
} // namespace velmora
