#include "analysis/model_overlay.h"

#include "model/number_text.h"

#include <algorithm>
#include <cmath>

namespace velmora {

namespace {

void drawCurve(Canvas& canvas, const RigidPlot& plot) {
    const int n = std::clamp(plot.n, 0, kMaxPositions);
    for (int i = 1; i < n; ++i) {
        const auto a = static_cast<std::size_t>(i);
        const auto b = a + 1;
        if (plot.present[a] && plot.present[b]) {
            canvas.line(plot.plotX[a], (*plot.plotY)[a], plot.plotX[b], (*plot.plotY)[b],
                        kRigidCurveColor);
        }
    }
}

// The yellow marker stays on the classic curve, on top of everything.
void drawMarker(Canvas& canvas, const GraphPlot& classic, int curPos) {
    if (classic.plotX && classic.plotY && curPos >= 1 &&
        curPos <= std::min(classic.n, kMaxPositions)) {
        const auto k = static_cast<std::size_t>(curPos);
        canvas.circle((*classic.plotX)[k], (*classic.plotY)[k], kMarkerRadius, colors::Yellow);
    }
}

// The legend sits far enough from the right edge that its words fit when the texts grow with
// a large window (they grow with the font, not with the surface).
void legendEntry(Canvas& canvas, double y, Rgb color, const char* text) {
    canvas.line(56, y, 64, y, color);
    canvas.setCurrentPosition(66, y - 2.5);
    canvas.setTextColor(color);
    canvas.print(text);
}

} // namespace

GraphKind shownGraph(const GraphSelection& flags) {
    if (flags.CamberGraph) {
        return GraphKind::Camber;
    }
    if (flags.SideScrubGraph) {
        return GraphKind::SideScrub;
    }
    if (flags.CasterGraph) {
        return GraphKind::Caster;
    }
    if (flags.ForeAftGraph) {
        return GraphKind::ForeAft;
    }
    return GraphKind::BumpSteer;
}

RigidPlot rigidPlot(const GraphView& view, const RigidSweep& sweep) {
    RigidPlot plot;
    plot.plotY = &view.PlotY();
    plot.n = std::min(view.NumPoints(), sweep.complete ? sweep.n : 0);
    const Curve3D& curve = rigidCurve(sweep, shownGraph(view.flags()));
    const float xScale = 50.0f / view.XRange();
    for (int i = 1; i <= plot.n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        // Values far off the surface are clipped there like the classic curve's; a float
        // cannot hold what a double can, so only finite plot points are kept.
        const float x = 50.0f + xScale * static_cast<float>(curve[k]);
        plot.present[k] = sweep.solved[k] && std::isfinite(x);
        plot.plotX[k] = plot.present[k] ? x : 0.0f;
    }
    return plot;
}

void drawRigidOverlay(Canvas& picGraph, const RigidPlot& plot, const GraphPlot& classic,
                      int curPos) {
    if (!plot.plotY) {
        return;
    }
    drawCurve(picGraph, plot);
    legendEntry(picGraph, 4, classic.rightActive ? colors::Red : colors::Green, "classic");
    legendEntry(picGraph, 10, kRigidCurveColor, "3-D");
    drawMarker(picGraph, classic, curPos);
}

void redrawRigidCurve(Canvas& picGraph, const RigidPlot& plot, const GraphPlot& classic,
                      int curPos) {
    if (!plot.plotY) {
        return;
    }
    drawCurve(picGraph, plot);
    drawMarker(picGraph, classic, curPos);
}

std::vector<std::string> rigidTableValues(const GraphView& view, const RigidSweep& sweep) {
    const Curve3D& curve = rigidCurve(sweep, shownGraph(view.flags()));
    std::vector<std::string> values;
    for (int i = 1; i <= view.NumPoints(); ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (i > sweep.n || !sweep.solved[k]) {
            values.emplace_back();
            continue;
        }
        values.push_back(signedColumnValue(view.flags(), curve[k]));
    }
    return values;
}

} // namespace velmora
