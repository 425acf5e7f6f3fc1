#include "analysis/graph_drawing.h"

#include "core/drawing/recorded_ops.h"
#include "drawing/recording_canvas.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

using testing::as;
using testing::colorOf;

// A straight curve leaning right, 25 points from the top edge to the bottom edge.
struct SamplePlot {
    Curve x{};
    Curve y{};
    SamplePlot() {
        for (int i = 1; i <= 25; ++i) {
            x[static_cast<std::size_t>(i)] = 40.0f + static_cast<float>(i);
            y[static_cast<std::size_t>(i)] = (100.0f / 24.0f) * static_cast<float>(i - 1);
        }
    }
    GraphPlot plot(bool right, int n = 25) const { return {&x, &y, n, right}; }
};

TEST(GraphDrawingTest, PictureHasAxesGridCurveAndMarkerInOrder) {
    SamplePlot sample;
    RecordingCanvas canvas;
    drawGraphPicture(canvas, sample.plot(true), 13);

    const Recording& ops = canvas.operations();
    ASSERT_EQ(ops.size(), 2u + 2u + 12u + 24u + 1u);
    EXPECT_EQ(dumpOp(ops[0]), "background 0,0,0");
    EXPECT_EQ(dumpOp(ops[1]), "scale (0,0)-(100,100)");
    EXPECT_EQ(dumpOp(ops[2]), "line (0,50)-(100,50) color=255,255,255 pen=1 solid");
    EXPECT_EQ(dumpOp(ops[3]), "line (50,0)-(50,100) color=255,255,255 pen=1 solid");
    EXPECT_EQ(dumpOp(ops[4]), "line (12.5,0)-(12.5,100) color=192,192,192 pen=1 solid");
    EXPECT_EQ(dumpOp(ops[15]), "line (0,87.5)-(100,87.5) color=192,192,192 pen=1 solid");
    EXPECT_EQ(dumpOp(ops[16]), "line (41,0)-(42,4.16667) color=255,0,0 pen=1 solid");
    EXPECT_EQ(as<drawop::Line>(ops[39]).y2, 100);
    EXPECT_EQ(dumpOp(ops.back()),
              "circle (53,50) r=1 color=255,255,0 aspect=1 pen=1 solid fill=transparent");
}

TEST(GraphDrawingTest, LeftSideCurveIsGreenAndAMarkerOffTheCurveIsLeftOut) {
    SamplePlot sample;
    RecordingCanvas canvas;
    drawGraphPicture(canvas, sample.plot(false), 0);
    EXPECT_EQ(as<drawop::Line>(canvas.operations().back()).color, colors::Green);
}

TEST(GraphDrawingTest, StepErasesTheMarkerRedrawsTheCurveAndMarksTheNewPoint) {
    SamplePlot sample;
    RecordingCanvas canvas;
    ASSERT_TRUE(moveGraphMarker(canvas, sample.plot(true), 13, 14));

    const Recording& ops = canvas.operations();
    ASSERT_EQ(ops.size(), 1u + 24u + 1u);
    EXPECT_EQ(dumpOp(ops.front()),
              "circle (53,50) r=1 color=0,0,0 aspect=1 pen=1 solid fill=transparent");
    for (std::size_t i = 1; i <= 24; ++i) {
        EXPECT_EQ(colorOf(ops[i]), colors::Red);
    }
    EXPECT_EQ(dumpOp(ops.back()),
              "circle (54,54.1667) r=1 color=255,255,0 aspect=1 pen=1 solid fill=transparent");
}

TEST(GraphDrawingTest, StepsOffTheCurveDrawNothing) {
    SamplePlot sample;
    RecordingCanvas canvas;
    EXPECT_FALSE(moveGraphMarker(canvas, sample.plot(true), 25, 26));
    EXPECT_FALSE(moveGraphMarker(canvas, sample.plot(true), 1, 0));
    EXPECT_FALSE(moveGraphMarker(canvas, GraphPlot{}, 1, 2));
    EXPECT_TRUE(canvas.operations().empty());
}

TEST(GraphDrawingTest, PointCountIsKeptWithinTheArrays) {
    SamplePlot sample;
    RecordingCanvas canvas;
    DrawGraph(canvas, sample.plot(true, 1000));
    EXPECT_EQ(canvas.operations().size(), 35u);
    canvas.discardOperations();
    DrawGraph(canvas, sample.plot(true, -3));
    EXPECT_TRUE(canvas.operations().empty());
}

} // namespace
} // namespace velmora
