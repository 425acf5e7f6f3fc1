#pragma once

#include "drawing/canvas.h"
#include "drawing/design_size.h"
#include "model/suspension_state.h"

namespace velmora {

// The large curve of the graph window on a surface scaled (0,0)-(100,100): point i of the
// curve is drawn at (plotX[i], plotY[i]) for i = 1..n (n is clamped to the 36 points the
// arrays hold).
struct GraphPlot {
    const Curve* plotX = nullptr;
    const Curve* plotY = nullptr;
    int n = 0;
    bool rightActive = false;
};

inline constexpr double kMarkerRadius = 1.0;

// Design size of the graph window's curve surface.
inline constexpr TwipSize kGraphSurfaceDesignTwips{4335, 4335};

// `DrawGraph`: straight lines from point i to i + 1, red for the right side, green for the
// left. No point symbols.
void DrawGraph(Canvas& picGraph, const GraphPlot& plot);

// Black background, scale, white axes and the light grey grid: the picture before its curve.
void drawGraphGrid(Canvas& picGraph);

// The whole curve picture: black background, scale, white axes, light grey grid, the curve
// and the yellow marker on point curPos (no marker when curPos is not a point of the curve).
void drawGraphPicture(Canvas& picGraph, const GraphPlot& plot, int curPos);

// Moves the marker from point `from` to point `to`: the old marker is erased by drawing it
// in the black of the background, the curve is drawn again over the gap, and the marker is
// drawn in yellow on the new point. Grid pixels under the old marker stay erased. Does
// nothing and returns false when either point is not a point of the curve.
bool moveGraphMarker(Canvas& picGraph, const GraphPlot& plot, int from, int to);

} // namespace velmora
