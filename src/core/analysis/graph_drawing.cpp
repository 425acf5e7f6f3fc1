#include "analysis/graph_drawing.h"

#include <algorithm>

namespace velmora {
namespace {

int pointCount(const GraphPlot& plot) {
    if (!plot.plotX || !plot.plotY) {
        return 0;
    }
    return std::clamp(plot.n, 0, kMaxPositions);
}

bool isPoint(const GraphPlot& plot, int i) {
    return i >= 1 && i <= pointCount(plot);
}

void drawMarker(Canvas& canvas, const GraphPlot& plot, int i, Rgb color) {
    const auto index = static_cast<std::size_t>(i);
    canvas.circle((*plot.plotX)[index], (*plot.plotY)[index], kMarkerRadius, color);
}

} // namespace

void DrawGraph(Canvas& picGraph, const GraphPlot& plot) {
    const int n = pointCount(plot);
    const Rgb color = plot.rightActive ? colors::Red : colors::Green;
    for (int i = 1; i <= n - 1; ++i) {
        const auto a = static_cast<std::size_t>(i);
        const auto b = a + 1;
        picGraph.line((*plot.plotX)[a], (*plot.plotY)[a], (*plot.plotX)[b], (*plot.plotY)[b],
                      color);
    }
}

void drawGraphGrid(Canvas& picGraph) {
    picGraph.setBackground(colors::Black);
    picGraph.setScale(0, 0, 100, 100);
    picGraph.line(0, 50, 100, 50, colors::White);
    picGraph.line(50, 0, 50, 100, colors::White);
    constexpr double kGrid[] = {12.5, 25, 37.5, 62.5, 75, 87.5};
    for (const double x : kGrid) {
        picGraph.line(x, 0, x, 100, colors::LightGrey);
    }
    for (const double y : kGrid) {
        picGraph.line(0, y, 100, y, colors::LightGrey);
    }
}

void drawGraphPicture(Canvas& picGraph, const GraphPlot& plot, int curPos) {
    drawGraphGrid(picGraph);
    DrawGraph(picGraph, plot);
    if (isPoint(plot, curPos)) {
        drawMarker(picGraph, plot, curPos, colors::Yellow);
    }
}

bool moveGraphMarker(Canvas& picGraph, const GraphPlot& plot, int from, int to) {
    if (!isPoint(plot, from) || !isPoint(plot, to)) {
        return false;
    }
    drawMarker(picGraph, plot, from, colors::Black);
    DrawGraph(picGraph, plot);
    drawMarker(picGraph, plot, to, colors::Yellow);
    return true;
}

} // namespace velmora
