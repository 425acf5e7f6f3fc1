#include "analysis/thumbnails.h"

#include "core/drawing/recorded_ops.h"
#include "core/drawing/sample_corner.h"
#include "drawing/recording_canvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

namespace velmora {
namespace {

struct FiveSurfaces {
    std::array<RecordingCanvas, 5> canvases; // camber, side scrub, bump steer, caster, fore/aft

    ThumbnailSurfaces surfaces() {
        return {&canvases[0], &canvases[1], &canvases[2], &canvases[3], &canvases[4]};
    }
};

using testing::as;
using testing::colorOf;

std::vector<drawop::Line> linesIn(const RecordingCanvas& canvas, Rgb color) {
    return testing::linesIn(canvas.operations(), color);
}

// Ticks across the horizontal axis run from y = 11 to 13; those across the vertical axis
// from x = 47 to 53.
int countTicks(const RecordingCanvas& canvas, bool horizontalAxis) {
    const auto lines = linesIn(canvas, colors::LightGrey);
    return static_cast<int>(
        std::count_if(lines.begin(), lines.end(), [&](const drawop::Line& line) {
            return horizontalAxis ? (line.y1 == 11 && line.y2 == 13)
                                  : (line.x1 == 47 && line.x2 == 53);
        }));
}

TEST(ThumbnailsTest, PreparationDrawsBackgroundScaleAxesAndTicks) {
    SuspensionState state = testing::sampleCorner(true);
    FiveSurfaces five;
    drawThumbnails(state, five.surfaces(), false);

    for (const RecordingCanvas& canvas : five.canvases) {
        const Recording& ops = canvas.operations();
        ASSERT_GE(ops.size(), 4u);
        EXPECT_EQ(dumpOp(ops[0]), "background 0,0,0");
        EXPECT_EQ(dumpOp(ops[1]), "scale (0,0)-(100,24)");
        EXPECT_EQ(dumpOp(ops[2]), "line (50,0)-(50,24) color=192,192,192 pen=1 solid");
        EXPECT_EQ(dumpOp(ops[3]), "line (0,12)-(100,12) color=192,192,192 pen=1 solid");
        EXPECT_EQ(countTicks(canvas, false), 7); // 6 inches of travel: j = 0..6
    }
    // One tick per degree on the degree graphs, only +-1 inch on the inch graphs.
    EXPECT_EQ(countTicks(five.canvases[0], true), 11);
    EXPECT_EQ(countTicks(five.canvases[2], true), 11);
    EXPECT_EQ(countTicks(five.canvases[3], true), 11);
    EXPECT_EQ(countTicks(five.canvases[1], true), 2);
    EXPECT_EQ(dumpOp(five.canvases[4].operations()[4]),
              "line (4.5,11)-(4.5,13) color=192,192,192 pen=1 solid");
}

TEST(ThumbnailsTest, NineInchesEachWayGiveNineteenTravelTicksFillingTheHeight) {
    SuspensionState state = testing::sampleCorner(false);
    state.VU = state.VD = 9;
    testing::fillSyntheticSweep(state);
    ASSERT_EQ(state.VY, 0.75f);
    FiveSurfaces five;
    drawThumbnails(state, five.surfaces(), false);

    const auto grey = linesIn(five.canvases[0], colors::LightGrey);
    std::vector<double> ys;
    for (const drawop::Line& line : grey) {
        if (line.x1 == 47) {
            ys.push_back(line.y1);
        }
    }
    ASSERT_EQ(ys.size(), 19u);
    EXPECT_DOUBLE_EQ(ys[1], 24.0 / 18);
    EXPECT_DOUBLE_EQ(ys[18], 24);
    const auto curve = linesIn(five.canvases[0], colors::ThumbGreen);
    ASSERT_EQ(curve.size(), 24u);
    EXPECT_EQ(curve.front().y1, 0);
    EXPECT_EQ(curve.back().y2, 24);
}

TEST(ThumbnailsTest, CurvePointsSnapToWholeUnitsWithTiesToEven) {
    EXPECT_EQ(thumbnailX(0.25f, 10), 52);  // 52.5 -> 52
    EXPECT_EQ(thumbnailX(0.75f, 10), 58);  // 57.5 -> 58
    EXPECT_EQ(thumbnailX(-0.25f, 10), 48); // 47.5 -> 48
    EXPECT_EQ(thumbnailX(0.1f, 45), 54);   // 54.5 in single precision -> 54
    EXPECT_EQ(thumbnailX(-1.0f, 45), 5);

    SuspensionState state = testing::sampleCorner(true);
    state.CamberChange[1] = 0.25f;
    state.CamberChange[2] = 0.75f;
    FiveSurfaces five;
    drawThumbnails(state, five.surfaces(), true);
    const Recording& ops = five.canvases[0].operations();
    const auto red = std::find_if(ops.begin(), ops.end(), [](const DrawOp& op) {
        return testing::is<drawop::Line>(op) && colorOf(op) == colors::Red;
    });
    ASSERT_NE(red, ops.end());
    EXPECT_EQ(dumpOp(*red), "line (52,0)-(58,1) color=255,0,0 pen=1 solid");
}

TEST(ThumbnailsTest, GonlyAddsJustTheCurvesOfTheActiveSide) {
    SuspensionState state = testing::sampleCorner(false);
    FiveSurfaces five;
    drawThumbnails(state, five.surfaces(), true);
    for (const RecordingCanvas& canvas : five.canvases) {
        const Recording& ops = canvas.operations();
        ASSERT_EQ(ops.size(), 24u);
        for (std::size_t i = 0; i < ops.size(); ++i) {
            const drawop::Line& line = as<drawop::Line>(ops[i]);
            EXPECT_EQ(line.color, colors::ThumbGreen);
            EXPECT_EQ(line.y1, static_cast<double>(i));
            EXPECT_EQ(line.y2, static_cast<double>(i + 1));
        }
    }
}

TEST(ThumbnailsTest, SelectingTheLeftSideDrawsTheRightCurveFirstAndTheLeftOnTop) {
    SuspensionState state = testing::sampleCorner(true);
    FiveSurfaces five;
    drawThumbnails(state, five.surfaces(), false); // the other side, prepared surfaces
    state.Right_Active = false;
    state.LeftCoords[1] = 8.5f; // a different left corner
    testing::fillSyntheticSweep(state);
    state.CamberChange.fill(1.0f);
    drawThumbnails(state, five.surfaces(), true);

    const Recording& ops = five.canvases[0].operations();
    const auto firstGreen = std::find_if(
        ops.begin(), ops.end(), [](const DrawOp& op) { return colorOf(op) == colors::ThumbGreen; });
    const auto lastRed = std::find_if(ops.rbegin(), ops.rend(),
                                      [](const DrawOp& op) { return colorOf(op) == colors::Red; });
    ASSERT_NE(firstGreen, ops.end());
    ASSERT_NE(lastRed, ops.rend());
    EXPECT_LE(lastRed.base() - ops.begin(), firstGreen - ops.begin()); // base() is one past
    EXPECT_EQ(as<drawop::Line>(ops.back()).x1, 60); // the left camber of 1 degree
    EXPECT_EQ(as<drawop::Line>(ops.back()).color, colors::ThumbGreen);
}

TEST(ThumbnailsTest, DisabledSurfacesAreClearedThenGivenTheButtonFace) {
    FiveSurfaces five;
    const Rgb buttonFace{240, 240, 240};
    ThumbnailSurfaces surfaces = five.surfaces();
    surfaces.caster = nullptr; // a missing surface is skipped
    drawDisabledThumbnails(surfaces, buttonFace);
    for (int i : {0, 1, 2, 4}) {
        EXPECT_EQ(five.canvases[i].dump(), "clear\nbackground 240,240,240\n");
    }
    EXPECT_TRUE(five.canvases[3].operations().empty());
}

TEST(ThumbnailsTest, SidePassSweepsACompleteSideAndBlanksAnIncompleteOneUnswept) {
    const Rgb buttonFace{240, 240, 240};
    SuspensionState state;
    testing::setSampleCoordinates(state.RightCoords);
    state.Right_Active = false; // the left side is empty
    state.CamberChange.fill(7.0f);
    RecordingMessageSink sink;
    FiveSurfaces five;
    EXPECT_FALSE(sweepAndDrawThumbnails(state, false, five.surfaces(), false, buttonFace, sink));
    EXPECT_EQ(five.canvases[0].dump(), "clear\nbackground 240,240,240\n");
    EXPECT_EQ(state.CamberChange[1], 7.0f); // not swept

    state.Right_Active = true;
    EXPECT_TRUE(sweepAndDrawThumbnails(state, true, five.surfaces(), false, buttonFace, sink));
    const SuspensionState swept = testing::sweptCorner(true);
    EXPECT_EQ(state.CamberChange[1], swept.CamberChange[1]);
    EXPECT_EQ(state.CamberChange[25], swept.CamberChange[25]);
    EXPECT_FALSE(linesIn(five.canvases[0], colors::Red).empty());
    EXPECT_TRUE(sink.messages.empty());
}

TEST(ThumbnailsTest, SelectingASideRunsTheOtherSideFirstAndLeavesTheChosenSideActive) {
    for (const bool right : {true, false}) {
        SuspensionState state;
        state.Right_Active = right; // already showing the side: still two passes
        std::string trace;
        selectSideInTwoPasses(
            state, right,
            [&](bool side, bool gonly) {
                trace += gonly ? "chosen:" : "other:";
                trace += side ? "R " : "L ";
            },
            [&] { trace += "| "; });
        EXPECT_EQ(trace, right ? "other:L | chosen:R " : "other:R | chosen:L ");
        EXPECT_EQ(state.Right_Active, right);
    }
}

TEST(ThumbnailsTest, NoStepOrAbsurdTravelDrawsNoCurveAndStaysBounded) {
    SuspensionState state = testing::sampleCorner(true);
    state.VY = 0;
    FiveSurfaces five;
    drawThumbnails(state, five.surfaces(), true);
    EXPECT_TRUE(five.canvases[0].operations().empty());

    // A tiny step would give thousands of positions; the arrays hold 36.
    state.VY = 0.001f;
    drawThumbnails(state, five.surfaces(), true);
    EXPECT_EQ(five.canvases[0].operations().size(), 35u);

    state.VU = 1e9f;
    five.canvases[1].discardOperations();
    drawThumbnails(state, five.surfaces(), false);
    EXPECT_LT(countTicks(five.canvases[1], false), 1100);
}

} // namespace
} // namespace velmora
