#include "analysis/readings_overlay.h"

#include "analysis/model_overlay.h"
#include "model/number_text.h"

#include <algorithm>
#include <cmath>

namespace velmora {
namespace {

constexpr double kCrossHalf = 1.2;
// A reading this close to a position's travel (inches) is that position's reading.
constexpr double kSameTravel = 0.0005;

bool showsBumpSteer(const GraphView& view) {
    return shownGraph(view.flags()) == GraphKind::BumpSteer;
}

void cross(Canvas& canvas, double x, double y) {
    canvas.line(x - kCrossHalf, y - kCrossHalf, x + kCrossHalf, y + kCrossHalf, kReadingColor);
    canvas.line(x - kCrossHalf, y + kCrossHalf, x + kCrossHalf, y - kCrossHalf, kReadingColor);
}

} // namespace

std::vector<ReadingPoint> readingPlot(const GraphView& view,
                                      const std::vector<BumpSteerReading>& readings,
                                      float gaugeLength) {
    std::vector<ReadingPoint> points;
    const int n = view.NumPoints();
    if (!showsBumpSteer(view) || n < 2 || !(view.VY() > 0.0f)) {
        return points;
    }
    const double xScale = 50.0 / view.XRange();
    const double yStep = 100.0 / (n - 1);
    for (const BumpSteerReading& r : readings) {
        // Rows of steps from full bump; the curve's rows lie at whole numbers 0 .. n - 1.
        const double row = (static_cast<double>(view.VU()) - r.travel) / view.VY();
        const double x = 50.0 + xScale * readingDegrees(r.reading, gaugeLength);
        if (row < -1e-6 || row > n - 1 + 1e-6 || !std::isfinite(x)) {
            continue;
        }
        points.push_back({x, yStep * row});
    }
    return points;
}

void drawReadingPoints(Canvas& picGraph, const std::vector<ReadingPoint>& points,
                       const GraphPlot& classic, int curPos, bool baselineLegend) {
    if (points.empty()) {
        return;
    }
    for (const ReadingPoint& p : points) {
        cross(picGraph, p.x, p.y);
    }
    // The baseline's legend takes the two lowest rows; this entry then stands above them.
    const double row = baselineLegend ? 82 : 95;
    cross(picGraph, 4, row);
    picGraph.setCurrentPosition(7, row - 2.5);
    picGraph.setTextColor(kReadingColor);
    picGraph.print("gauge");
    if (classic.plotX && classic.plotY && curPos >= 1 &&
        curPos <= std::min(classic.n, kMaxPositions)) {
        const auto k = static_cast<std::size_t>(curPos);
        picGraph.circle((*classic.plotX)[k], (*classic.plotY)[k], kMarkerRadius, colors::Yellow);
    }
}

std::vector<std::string> readingTableValues(const GraphView& view,
                                            const std::vector<BumpSteerReading>& readings,
                                            float gaugeLength) {
    std::vector<std::string> values;
    if (!showsBumpSteer(view)) {
        return values;
    }
    float travel = view.VU();
    for (int i = 1; i <= view.NumPoints(); ++i) {
        const auto at = std::find_if(readings.begin(), readings.end(), [&](const auto& r) {
            return std::fabs(static_cast<double>(r.travel) - travel) <= kSameTravel;
        });
        values.push_back(at == readings.end()
                             ? std::string()
                             : signedColumnValue(readingDegrees(at->reading, gaugeLength)));
        travel = travel - view.VY();
    }
    return values;
}

} // namespace velmora
