#pragma once

#include "chassis/front_rates.h"
#include "chassis/spring_motion.h"
#include "drawing/canvas.h"
#include "drawing/design_size.h"
#include "model/suspension_state.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

// The Rates and Roll window's figures and its plot, drawn on any Canvas: the motion ratios
// and the wheel rate of both sides over the travel, and the roll stiffness table.
namespace velmora {

struct Baseline;

inline constexpr TwipSize kRatesPlotDesignTwips{6600, 6000};

struct RatesFigures {
    SpringCurves right, left;
    FrontRates rates;
    // The baseline's coordinates with the project's own springs, dampers and bar links.
    std::optional<SpringCurves> baselineRight, baselineLeft;
};

// The curves over the project's travel, the rates at ride height and, with a baseline, its
// curves. An incomplete side gives curves without values.
RatesFigures ratesFigures(const SuspensionState& state, const Baseline* baseline = nullptr);

// The table of the rates in the display unit, one caption and value per row ("-" where an
// input is missing): wheel rates, the bar's stiffness, the roll stiffness of the springs, the
// bar, the front, the rear, the front's share, the roll axis height and the roll gradient.
std::vector<std::pair<std::string, std::string>> ratesTableRows(const FrontRates& rates);

// Three panels on a black ground, scaled (0,0)-(100,100): the spring's motion ratio (solid)
// with the damper's (dotted), the bar link's ratio, and the wheel rate; travel across, rebound
// on the left and bump on the right. Right side red, left green, each curve's end named R or
// L; the baseline's curves grey and dashed beneath. A panel with no curve says what is
// missing. The dotted curves are cut into dots, so a pen that draws only solid lines (the
// printer's) shows them as the screen does.
void drawRatesPlot(Canvas& canvas, const RatesFigures& figures);

} // namespace velmora
