#pragma once

#include "analysis/baseline.h"
#include "analysis/graph_drawing.h"
#include "analysis/graph_view.h"
#include "analysis/thumbnails.h"
#include "drawing/canvas.h"
#include "drawing/segment.h"

#include <array>
#include <string>
#include <vector>

// The baseline drawn beneath the current curves: grey and dashed, on the current curve's
// scale, with a legend naming the two, and its values for the graph window's table and
// message. Nothing here runs while no baseline is set, so the pictures without one stay as
// they were.
namespace velmora {

inline constexpr Rgb kBaselineColor{150, 150, 150};
inline constexpr const char* kBaselineLegend = "baseline";
inline constexpr const char* kCurrentLegend = "current";
inline constexpr const char* kBaselineTableHeading = "Base";

// The five thumbnails' baseline curves, dashed, and the legend in the corner of each, the
// current curve's entry in `currentColor`.
void drawBaselineThumbnails(const SweepResult& base, const ThumbnailSurfaces& surfaces,
                            Rgb currentColor);

// The baseline's curve of the shown graph in the plot coordinates of the view: point i at
// (plotX[i], the view's plotY[i]) where the baseline's sweep reached it.
struct BaselinePlot {
    Curve plotX{};
    std::array<bool, kMaxPositions + 1> present{};
    const Curve* plotY = nullptr;
    int n = 0;
};
BaselinePlot baselinePlot(const GraphView& view, const SweepResult& base);

// The dashes of a baseline plot on a 100 x 100 surface, for a canvas or a printer.
std::vector<Segment> baselineDashes(const BaselinePlot& plot);

// The graph window's picture with the baseline: grid, the baseline dashed, the current curve
// over it, the legend and the marker on top.
void drawGraphPictureOverBaseline(Canvas& picGraph, const GraphPlot& plot, const BaselinePlot& base,
                                  int curPos);
// A step of the marker: the old one erased, both curves again over the gap, the new marker.
bool moveGraphMarkerOverBaseline(Canvas& picGraph, const GraphPlot& plot, const BaselinePlot& base,
                                 int from, int to);

// The data table's "Base" column, one line per point written like the current column
// (thousandths) but signed, as the added columns are; a point the baseline did not reach
// is an empty line.
std::vector<std::string> baselineTableValues(const GraphView& view, const SweepResult& base);

// The window's message with the difference (current minus baseline) at the selected
// position.
std::string baselineMessage(const GraphView& view, const SweepResult& base);

} // namespace velmora
