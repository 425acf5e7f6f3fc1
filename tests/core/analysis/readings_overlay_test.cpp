#include "analysis/readings_overlay.h"

#include "analysis/baseline_overlay.h"
#include "core/drawing/recorded_ops.h"
#include "drawing/recording_canvas.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

namespace velmora {
namespace {

using testing::linesIn;

// A bump steer curve over 3 inches each way (25 points, step 0.25) that toes out 0.1 degree
// per inch of bump.
GraphView bumpSteerView(GraphKind kind = GraphKind::BumpSteer) {
    SuspensionState state;
    state.VU = 3;
    state.VD = 3;
    state.VI = 1;
    state.VY = 0.25f;
    for (int i = 1; i <= 25; ++i) {
        state.BumpSteer[static_cast<std::size_t>(i)] = 0.1f * (3.0f - 0.25f * (i - 1));
    }
    selectGraph(state, kind);
    GraphView view;
    view.initialise(state);
    return view;
}

// A reading that shows the curve's own value at a position lies on that point of the curve;
// toe out lies right of the centre, toe in left; travel off the graph is left out.
TEST(ReadingsOverlay, PointsLieOnTheCurvesScaleAndSign) {
    const GraphView view = bumpSteerView();
    const float gauge = 12;
    const float toeOut = static_cast<float>(std::tan(0.2 * std::numbers::pi / 180) * gauge);
    const std::vector<BumpSteerReading> readings = {
        {false, 2, toeOut}, {false, -1.125f, -toeOut}, {false, 3.5f, 0.01f}};
    const std::vector<ReadingPoint> points = readingPlot(view, readings, gauge);
    ASSERT_EQ(points.size(), 2u);
    EXPECT_NEAR(points[0].x, view.PlotX()[5], 1e-4) << "2 in is point 5, 0.2 deg toe out";
    EXPECT_NEAR(points[0].y, view.PlotY()[5], 1e-4);
    EXPECT_LT(points[1].x, 50) << "toe in";
    EXPECT_NEAR(points[1].y, (view.PlotY()[17] + view.PlotY()[18]) / 2, 1e-4);

    EXPECT_TRUE(readingPlot(bumpSteerView(GraphKind::Camber), readings, gauge).empty());

    // The table's column: a value on the rows of readings taken there, signed (toe out +) as
    // the other added columns are.
    std::vector<BumpSteerReading> onRows = readings;
    onRows.push_back({false, -1, -toeOut});
    const std::vector<std::string> column = readingTableValues(view, onRows, gauge);
    ASSERT_EQ(column.size(), 25u);
    EXPECT_EQ(column[4], " .2");
    EXPECT_EQ(column[16], "-.2");
    EXPECT_EQ(std::count(column.begin(), column.end(), std::string()), 23);
}

TEST(ReadingsOverlay, DrawsCrossesLegendAndMarkerOrNothingAtAll) {
    const GraphView view = bumpSteerView();
    const GraphPlot plot{&view.PlotX(), &view.PlotY(), view.NumPoints(), false};
    RecordingCanvas canvas;
    drawReadingPoints(canvas, {}, plot, 13);
    EXPECT_TRUE(canvas.operations().empty()) << "no readings leave the picture as it was";

    drawReadingPoints(canvas, {{60, 25}, {40, 75}}, plot, 13);
    EXPECT_EQ(linesIn(canvas.operations(), kReadingColor).size(), 6u) << "two crosses and legend";
    EXPECT_EQ(dumpOp(canvas.operations().back()),
              "circle (50,50) r=1 color=255,255,0 aspect=1 pen=1 solid fill=transparent");

    // Over a baseline the gauge entry stands above the baseline's two, a text's height clear.
    RecordingCanvas both;
    const SweepResult base = sweepBaseline(Baseline{}, false, Travel{3, 3});
    drawGraphPictureOverBaseline(both, plot, baselinePlot(view, base), 13);
    drawReadingPoints(both, {{60, 25}}, plot, 13, true);
    const auto prints = testing::opsOf<drawop::Print>(both.operations());
    ASSERT_EQ(prints.size(), 3u);
    for (std::size_t a = 0; a < prints.size(); ++a) {
        for (std::size_t b = a + 1; b < prints.size(); ++b) {
            EXPECT_GE(std::fabs(prints[a].y - prints[b].y), 5.0)
                << prints[a].text << " / " << prints[b].text;
        }
    }
}

} // namespace
} // namespace velmora
