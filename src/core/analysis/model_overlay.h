#pragma once

#include "analysis/graph_drawing.h"
#include "analysis/graph_view.h"
#include "drawing/canvas.h"
#include "geometry/rigid_sweep.h"

#include <array>
#include <string>
#include <vector>

// The 3-D check of the graph window: the rigid-body curve drawn over the classic one on the
// classic curve's scale, a small legend, and the values for a second column of the data table.
namespace velmora {

inline constexpr Rgb kRigidCurveColor = colors::Cyan;

// The curve the window shows, by the window's own order of testing the flags: camber, side
// scrub, caster, fore/aft, and bump steer when none of them is set.
GraphKind shownGraph(const GraphSelection& flags);

// The 3-D curve in the plot coordinates of the classic one: point i at (plotX[i], the classic
// plotY[i]) when the 3-D solution reached it.
struct RigidPlot {
    Curve plotX{};
    std::array<bool, kMaxPositions + 1> present{};
    const Curve* plotY = nullptr;
    int n = 0;
};

RigidPlot rigidPlot(const GraphView& view, const RigidSweep& sweep);

// The 3-D curve (lines between neighbouring points it reached), the legend naming both curves,
// and the marker of point curPos again on top.
void drawRigidOverlay(Canvas& picGraph, const RigidPlot& plot, const GraphPlot& classic,
                      int curPos);

// After a step of the marker: the 3-D curve again where the old marker was erased, then the
// marker.
void redrawRigidCurve(Canvas& picGraph, const RigidPlot& plot, const GraphPlot& classic,
                      int curPos);

// The second value column of the data table: "3-D", then one line per point, written like the
// classic column (thousandths) but signed, as the added columns are; a point the solution
// did not reach is an empty line.
std::vector<std::string> rigidTableValues(const GraphView& view, const RigidSweep& sweep);
inline constexpr const char* kRigidTableHeading = "3-D";

} // namespace velmora
