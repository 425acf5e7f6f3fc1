#pragma once

#include "analysis/graph_drawing.h"
#include "analysis/graph_view.h"
#include "analysis/suspension_picture.h"

// What the graph window's two pictures are drawn from, as the view stands: the desktop window
// and the command line both build them here so that their pictures cannot drift apart.
namespace velmora {

// The curve surface's plot: the view's plot points and the side it was initialised for. The
// plot refers to the view's arrays, so it is valid while the view lives and is not moved.
GraphPlot graphPlotOf(const GraphView& view);

// The suspension picture at the selected point: its index, its reading, the axis half-width
// and the wheel travel there.
PictureView pictureViewOf(const GraphView& view);

} // namespace velmora
