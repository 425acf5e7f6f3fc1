#include "analysis/graph_drawing.h"

#include "core/drawing/reference_recording.h"
#include "core/drawing/sample_corner.h"
#include "drawing/recording_canvas.h"

#include <gtest/gtest.h>

#include <cmath>

namespace velmora {
namespace {

// The swept camber curve of the right side as the graph window plots it, opened at the
// static position and stepped once towards rebound.
TEST(GraphDrawingReferenceTest, RightCamberCurveWithOneStepDown) {
    const SuspensionState state = testing::sweptCorner(true);
    const int n = positionCount(state.VU, state.VD, state.VY);
    ASSERT_EQ(n, 25);
    // Ends of about -3.5 and +3 degrees: the window's half-width of 4 degrees.
    const float xRange = 4;
    ASSERT_GT(std::fabs(state.CamberChange[1]), 2.0f);
    ASSERT_LE(std::fabs(state.CamberChange[1]), 4.0f);
    ASSERT_LE(std::fabs(state.CamberChange[25]), 4.0f);
    Curve plotX{};
    Curve plotY{};
    for (int i = 1; i <= n; ++i) {
        const auto at = static_cast<std::size_t>(i);
        plotX[at] = 50 + (50 / xRange) * state.CamberChange[at];
        plotY[at] = (100.0f / static_cast<float>(n - 1)) * static_cast<float>(i - 1);
    }
    const GraphPlot plot{&plotX, &plotY, n, true};

    RecordingCanvas canvas;
    drawGraphPicture(canvas, plot, 13);
    ASSERT_TRUE(moveGraphMarker(canvas, plot, 13, 14));
    testing::expectMatchesReference("graph_camber_right.txt", canvas.dump());
}

} // namespace
} // namespace velmora
