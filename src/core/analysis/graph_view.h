#pragma once

#include "model/suspension_state.h"

#include <string>
#include <vector>

// The rules behind the graph window: which curve it shows, how the axes are scaled and
// labelled, where each point is plotted, the selected wheel position with its message, and
// the data table. The window holds one GraphView and draws what it says.
namespace velmora {

// The six labels under the graph, left to right, without the fixed "0" in the middle: at three
// quarters, a half and a quarter of the half-width on each side.
struct AxisLabels {
    std::string negative3;
    std::string negative2;
    std::string negative1;
    std::string positive1;
    std::string positive2;
    std::string positive3;

    bool operator==(const AxisLabels&) const = default;
};

// Horizontal axis: half-width in the curve's unit and its labels.
struct AxisChoice {
    float XRange = 0;
    AxisLabels labels;
};

// The eight labels beside the graph, top to bottom, without the fixed "static" in the middle:
// full bump and the three steps below it, then the four steps down to full rebound.
struct TravelLabels {
    std::string bump4;
    std::string bump3;
    std::string bump2;
    std::string bump1;
    std::string rebound1;
    std::string rebound2;
    std::string rebound3;
    std::string rebound4;

    bool operator==(const TravelLabels&) const = default;
};

// Scales by the magnitudes of the first and last point only (strict comparisons in single
// precision): above 8 -> 16, above 4 -> 8, above 2 -> 4, above 0.2 -> 2, else 0.2.
AxisChoice chooseAxis(float first, float last);

// The axis of a length curve in the display unit: the same half-width in inches (the plot does
// not change), its tick labels naming their positions in millimetres when those are shown.
AxisChoice lengthAxis(AxisChoice inchAxis);

// Whether the curve shown is a length (side scrub, fore/aft) rather than an angle.
bool showsLength(const GraphSelection& shown);

// Travel labels VU - k*d for k = 0..3 (bump4..bump1) and 5..8 (rebound1..rebound4) with
// d = (VU + VD) / 8, general format.
TravelLabels travelLabels(float VU, float VD);

// "Right"/"Left" followed by " Camber Analysis", " Side Scrub Analysis", ...
std::string graphWindowCaption(bool rightActive, GraphKind kind);

// A column of the data table as its label shows it: the heading, an empty line, then every
// line, each ended by "\n".
std::string joinedCaption(const std::string& heading, const std::vector<std::string>& lines);

// The columns added beside the current one (Base, 3-D, Gauge) keep each value's sign, so any
// two of their cells compare at a glance. Where the current column shows magnitudes (fore/aft
// and bump steer), the line under their heading says which way is positive: "rear +" or
// "out +" (toe out); for the other curves it stays empty, as under the current heading.
std::string signedColumnHint(const GraphSelection& shown);
// A value of such a column: thousandths, signed, and never a negative zero.
std::string signedColumnValue(double value);
// The same for the curve shown: a length curve's value in the display unit (hundredths of a
// millimetre).
std::string signedColumnValue(const GraphSelection& shown, double value);
std::string signedColumnCaption(const GraphSelection& shown, const std::string& heading,
                                const std::vector<std::string>& lines);

// The data table: a heading and one line per point for each column. The captions put the
// heading, an empty line and then every line, each line ended by "\n".
struct DataTable {
    std::string positionHeading = "Position";
    std::string valueHeading; // "Deg" or the length heading ("Inches", "Millimetres")
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
    const AxisLabels& axisLabels() const { return axis_.labels; }
    const TravelLabels& travelLabels() const { return travelLabels_; }
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
    TravelLabels travelLabels_;
    Curve plotX_{};
    Curve plotY_{};
    int curPos_ = 1;
    float wheelPos_ = 0;
};

// The curve the flags select: camber, side scrub, caster, fore/aft tested in that order,
// bump steer when none of them is set.
const Curve& selectedCurve(const SuspensionState& state);

} // namespace velmora
