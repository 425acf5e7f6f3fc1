#pragma once

#include "analysis/graph_drawing.h"
#include "analysis/graph_view.h"
#include "drawing/canvas.h"
#include "model/bump_steer_reading.h"

#include <string>
#include <vector>

// The gauge readings of the active side over the graph window's bump steer curve: each a small
// cross at its travel and its degrees, on the curve's own scale and sign (toe out to the
// right of the centre line), and a column of the data table.
namespace velmora {

inline constexpr Rgb kReadingColor{255, 0, 255};

struct ReadingPoint {
    double x = 0;
    double y = 0;
};

// Where the readings lie on the curve's surface: x from the degrees as the curve's points are
// placed, y from the travel between the positions' rows. Readings outside the travel shown,
// and any while the window shows another curve, are left out.
std::vector<ReadingPoint> readingPlot(const GraphView& view,
                                      const std::vector<BumpSteerReading>& readings,
                                      float gaugeLength);

// The crosses, a legend entry "gauge" at the bottom left (above the baseline's entries when
// `baselineLegend`), and the marker of point curPos again on top. Draws nothing at all when
// there are no points.
void drawReadingPoints(Canvas& picGraph, const std::vector<ReadingPoint>& points,
                       const GraphPlot& classic, int curPos, bool baselineLegend = false);

// The data table's gauge column: one line per point of the curve, holding the degrees of the
// reading taken at that point's travel in thousandths, signed as the other added columns are
// (toe out positive), empty where no reading was taken there.
std::vector<std::string> readingTableValues(const GraphView& view,
                                            const std::vector<BumpSteerReading>& readings,
                                            float gaugeLength);
inline constexpr const char* kReadingTableHeading = "Gauge";

} // namespace velmora
