#pragma once

#include "chassis/steering.h"
#include "drawing/canvas.h"
#include "drawing/design_size.h"

#include <optional>
#include <string>

// The Steering window's two pictures, drawn on any Canvas: the curves against rack travel
// and the plan view of both wheels at one travel.
namespace velmora {

inline constexpr TwipSize kSteeringPlotDesignTwips{6600, 6000};
inline constexpr TwipSize kSteeringPlanDesignTwips{4200, 4200};

// The plot's horizontal axis: rack travel, or the steering-wheel angle (degrees) when the
// steering ratio (inches of rack per turn) is known.
struct SteerAxis {
    std::optional<double> steeringRatio;
    double valueOf(double rack) const;
    std::string caption() const;
    // Whether the axis is the rack's own travel, a length.
    bool showsRack() const;
    // A value of the axis as its texts give it, `inchDecimals` as for inches: the rack travel in
    // the display unit, an angle unchanged.
    std::string valueText(double rack, int inchDecimals) const;
};

// Where the plot is drawn: the screen shows its colours and dotted pen, the paper is one ink
// with a pen that draws only solid lines.
enum class SteerPlotSurface { Screen, Paper };

// Three panels on a black ground, scaled (0,0)-(100,100): the steer angle of both wheels,
// their camber (solid) and caster change (dotted), and Ackermann. Right wheel red, left
// green, as the graphs draw the sides, each curve's end named R or L; a yellow line marks
// state `selected`. With a baseline's sweep, its steer, camber and Ackermann curves are drawn
// grey and dashed beneath the current ones, on the current curves' scales, with a legend
// that names only the curves drawn: no baseline is drawn while the current sweep has no
// curve to give it a scale. On paper the caster curves are cut into dots and the axis caption
// names no colour.
void drawSteeringPlot(Canvas& canvas, const SteerSweep& sweep, const SteerAxis& axis, int selected,
                      const SteerSweep* baseline = nullptr,
                      SteerPlotSurface surface = SteerPlotSurface::Screen);

// Plan view from above, front at the top, the car's left on the left: both tires, the tie
// rods, the rack between the inner joints and the steering axes at ball joint height, with
// the steer angles written above. An unsolved wheel is left out.
void drawSteeringPlan(Canvas& canvas, const SteeringPair& pair, const SteerState& state);

} // namespace velmora
