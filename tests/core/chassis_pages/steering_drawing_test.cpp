#include "chassis_pages/steering_drawing.h"

#include "analysis/baseline_overlay.h"
#include "core/geometry/rigid_test_corners.h"
#include "drawing/recording_canvas.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

// A baseline is drawn grey beneath the current curves; without one the plot is as before.
TEST(SteeringPlot, BaselineCurvesLieBeneathTheCurrentOnes) {
    const SuspensionState now = testing::exampleState("gm-dirt-oval.kqw");
    const SuspensionState before = testing::exampleState("ford-asphalt-oval.kqw");
    const SteerSweep sweep =
        SteeringPair::build(now.RightCoords, now.LeftCoords).sweep({2, 24, 100.0});
    const SteerSweep base =
        SteeringPair::build(before.RightCoords, before.LeftCoords).sweep({2, 24, 100.0});
    RecordingCanvas plain;
    RecordingCanvas none;
    RecordingCanvas with;
    drawSteeringPlot(plain, sweep, SteerAxis{}, 12);
    drawSteeringPlot(none, sweep, SteerAxis{}, 12, nullptr);
    drawSteeringPlot(with, sweep, SteerAxis{}, 12, &base);
    EXPECT_EQ(none.dump(), plain.dump());

    long lastGrey = -1;
    long firstRed = -1;
    const Recording& ops = with.operations();
    for (std::size_t i = 0; i < ops.size(); ++i) {
        if (const auto* line = std::get_if<drawop::Line>(&ops[i].command)) {
            if (line->color == kBaselineColor) {
                lastGrey = static_cast<long>(i);
            } else if (line->color == colors::Red && firstRed < 0) {
                firstRed = static_cast<long>(i);
            }
        }
    }
    ASSERT_GE(lastGrey, 0);
    EXPECT_LT(lastGrey, firstRed);
}

} // namespace
} // namespace velmora
