#include "analysis/graph_drawing.h"

#include "core/drawing/reference_recording.h"
#include "core/drawing/sample_corner.h"
#include "drawing/recording_canvas.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

// The camber curve of the right side as the graph window plots it (half-width 4 degrees),
// opened at the static position and stepped once towards rebound.
TEST(GraphDrawingReferenceTest, RightCamberCurveWithOneStepDown) {
    const SuspensionState state = testing::sampleCorner(true);
    const int n = positionCount(state.VU, state.VD, state.VY);
    const float xRange = 4;
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
