#pragma once

#include "model/suspension_state.h"

#include <array>
#include <string>
#include <vector>

// The rules behind the graph window: which curve it shows, how the axes are scaled and
// labelled, where each point is plotted, the selected wheel position with its message, and
// the data table. The window holds one GraphView and draws what it says.
namespace velmora {

// Horizontal axis: half-width in the curve's unit and the six labels under the graph, left to
// right without the fixed "0" (at a quarter, a half and three quarters of the half-width).
struct AxisChoice {
    float XRange = 0;
    std::array<std::string, 6> labels; // order of kAxisLabelNames
};

inline constexpr std::array<const char*, 6> kAxisLabelNames = {
    "lblRangeXNeg3", "lblRangeXNeg2", "lblRangeXNeg1", "lblRangeX1", "lblRangeX2", "lblRangeX3"};

inline constexpr std::array<const char*, 8> kTravelLabelNames = {
    "lblRangeY4",    "lblRangeY3",    "lblRangeY2",    "lblRangeY1",
    "lblRangeYNeg1", "lblRangeYNeg2", "lblRangeYNeg3", "lblRangeYNeg4"};

// Scales by the magnitudes of the first and last point only (strict comparisons in single
// precision): above 8 -> 16, above 4 -> 8, above 2 -> 4, above 0.2 -> 2, else 0.2.
AxisChoice chooseAxis(float first, float last);

// Travel labels top to bottom (order of kTravelLabelNames): VU - k*d for k = 0..3 and 5..8
// with d = (VU + VD) / 8, general format; the middle one is the fixed "static".
std::array<std::string, 8> travelLabels(float VU, float VD);

// "Right"/"Left" followed by " Camber Analysis", " Side Scrub Analysis", ...
std::string graphWindowCaption(bool rightActive, GraphKind kind);

// The data table: a heading and one line per point for each column. The captions put the
// heading, an empty line and then every line, each line ended by "\n".
struct DataTable {
    std::string positionHeading = "Position";
    std::string valueHeading; // "Deg" or "Inches"
    std::vector<std::string> positions;
    std::vector<std::string> values;

    std::string positionCaption() const;
    std::string valueCaption() const;
};

class GraphView {
public:
    // What the window does on every activation and resize: reads VU, VD, VY, the flags and
    // the selected curve, scales and labels the axes, plots the points and selects the static
    // position with WheelPos 0. n is kept within 1..36 whatever VY is.
    void initialise(const SuspensionState& state);

    // Move the selected point one step towards rebound (down) or bump (up). At the last or
    // first point nothing changes and false is returned, so the window can skip its redraw.
    bool stepDown();
    bool stepUp();

    // "At wheel position " + the selected travel + the reading of the curve there.
    std::string UpdateMessage() const;

    // The whole curve as the data table shows it.
    DataTable PutDataInDataTable() const;

    const Curve& GraphData() const { return graphData_; }
    int NumPoints() const { return numPoints_; }
    float XRange() const { return axis_.XRange; }
    const std::array<std::string, 6>& axisLabels() const { return axis_.labels; }
    const std::array<std::string, 8>& travelLabels() const { return travelLabels_; }
    const Curve& PlotX() const { return plotX_; }
    const Curve& PlotY() const { return plotY_; }
    int CurPos() const { return curPos_; }
    float WheelPos() const { return wheelPos_; }
    // The selection as the window read it when it was last initialised.
    const GraphSelection& flags() const { return flags_; }
    bool rightActive() const { return rightActive_; }
    float VU() const { return vu_; }
    float VD() const { return vd_; }
    float VY() const { return vy_; }

private:
    float vu_ = 0;
    float vd_ = 0;
    float vy_ = 0;
    GraphSelection flags_;
    bool rightActive_ = false;
    Curve graphData_{};
    int numPoints_ = 1;
    AxisChoice axis_{0.2f, {}};
    std::array<std::string, 8> travelLabels_;
    Curve plotX_{};
    Curve plotY_{};
    int curPos_ = 1;
    float wheelPos_ = 0;
};

// The curve the flags select: camber, side scrub, caster, fore/aft tested in that order,
// bump steer when none of them is set.
const Curve& selectedCurve(const SuspensionState& state);

} // namespace velmora
