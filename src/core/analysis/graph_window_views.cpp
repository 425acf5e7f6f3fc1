#include "analysis/graph_window_views.h"

namespace velmora {

GraphPlot graphPlotOf(const GraphView& view) {
    return GraphPlot{&view.PlotX(), &view.PlotY(), view.NumPoints(), view.rightActive()};
}

PictureView pictureViewOf(const GraphView& view) {
    const int p = view.CurPos();
    return PictureView{p, view.GraphData()[static_cast<std::size_t>(p)], view.XRange(),
                       view.WheelPos()};
}

} // namespace velmora
