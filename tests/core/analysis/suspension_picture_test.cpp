#include "analysis/suspension_picture.h"

#include "core/drawing/recorded_ops.h"
#include "core/drawing/sample_corner.h"
#include "drawing/recording_canvas.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace velmora {
namespace {

using testing::as;
using testing::colorOf;
using testing::is;
using testing::opsOf;
using testing::pointsOf;

const Rgb kGrey = paletteColor(8);
const Rgb kTieRodYellow = paletteColor(14);

SuspensionState cornerShowing(bool right, GraphKind kind) {
    SuspensionState state = testing::sampleCorner(right);
    selectGraph(state, kind);
    return state;
}

PictureView viewAt(const SuspensionState& state, const Curve& curve, int p) {
    PictureView view;
    view.CurPos = p;
    view.g = curve[static_cast<std::size_t>(p)];
    view.XRange = 2;
    view.WheelPos = state.VU - static_cast<float>(p - 1) * state.VY;
    return view;
}

std::vector<std::string> printedTexts(const RecordingCanvas& canvas) {
    return testing::printedTexts(canvas.operations());
}

// Index of the first operation drawn in `color` at or after `from`.
std::size_t firstIn(const Recording& ops, Rgb color, std::size_t from = 0) {
    for (std::size_t i = from; i < ops.size(); ++i) {
        if (colorOf(ops[i]) == color) {
            return i;
        }
    }
    return ops.size();
}

std::size_t firstThickLine(const Recording& ops) {
    for (std::size_t i = 0; i < ops.size(); ++i) {
        if (is<drawop::Line>(ops[i]) && ops[i].state.penWidth > 2) {
            return i;
        }
    }
    return ops.size();
}

TEST(SuspensionPictureTest, MembersHaveFifteenShadingPassesAndAPivotDisc) {
    RecordingCanvas canvas;
    DrawHorzMember(canvas, 80, 40, 50, 30, kGrey);
    const Recording& ops = canvas.operations();
    ASSERT_EQ(ops.size(), 31u);
    EXPECT_EQ(dumpOp(ops[0]), "line (80,38.5)-(50,28.5) color=128,128,128 pen=1 solid");
    EXPECT_EQ(dumpOp(ops[1]), "line (80,40)-(50,30) color=0,0,0 pen=1 solid");
    EXPECT_EQ(dumpOp(ops[29]), "line (80,41.4)-(50,31.4) color=0,0,0 pen=1 solid");
    EXPECT_EQ(dumpOp(ops[30]),
              "circle (80,40) r=1.8 color=255,255,255 aspect=1 pen=1 solid fill=solid "
              "255,255,255");
    // The fill is left solid black for whatever comes next.
    EXPECT_EQ(canvas.state().fillStyle, FillStyle::Solid);
    EXPECT_EQ(canvas.state().fillColor, colors::Black);

    canvas.discardOperations();
    DrawVertMember(canvas, 50, 30, 48, 60, kGrey);
    ASSERT_EQ(canvas.operations().size(), 30u);
    EXPECT_EQ(dumpOp(canvas.operations()[0]),
              "line (50,28.5)-(48,61.5) color=128,128,128 pen=1 solid");
    EXPECT_EQ(dumpOp(canvas.operations()[29]),
              "line (52.9,28.5)-(50.9,61.5) color=0,0,0 pen=1 solid");
}

TEST(SuspensionPictureTest, CamberPointerLeansFiveUnitsPerDegreeWithItsCaption) {
    SuspensionState state = cornerShowing(true, GraphKind::Camber);
    RecordingCanvas canvas;
    PictureView view = viewAt(state, state.CamberChange, 13);
    view.g = 2;
    DrawPic(canvas, state, view);
    const Recording& ops = canvas.operations();
    EXPECT_EQ(dumpOp(ops[0]), "clear");
    EXPECT_EQ(dumpOp(ops[1]), "scale (0,0)-(125,125)");
    EXPECT_EQ(dumpOp(ops[2]), "line (75,100)-(75,90) color=128,0,0 pen=1 solid");
    EXPECT_EQ(dumpOp(ops[3]), "line (75,100)-(65,90) color=128,0,0 pen=1 solid");
    EXPECT_EQ(dumpOp(ops[4]), "print \" 2 Deg Camber Change\" line=0 from (45,105) "
                              "color=128,0,0 font=\"MS Sans Serif\" 9.75");
}

TEST(SuspensionPictureTest, CaptionsRoundToThousandthsWithTiesToEven) {
    struct Case {
        GraphKind kind;
        float g;
        const char* caption;
    };
    const Case cases[] = {
        {GraphKind::Camber, -0.5f, "-.5 Deg Camber Change"},
        {GraphKind::Camber, 0.0625f, " .062 Deg Camber Change"},
        {GraphKind::Caster, -1.2344f, "-1.234 Deg Caster Change"},
        {GraphKind::SideScrub, -0.0375f, "-.038 Inches Side Scrub"},
        {GraphKind::ForeAft, 0, " 0 Inches Fore/Aft Change"},
    };
    for (const Case& c : cases) {
        SuspensionState state = cornerShowing(true, c.kind);
        PictureView view = viewAt(state, state.CamberChange, 13);
        view.g = c.g;
        RecordingCanvas canvas;
        DrawPic(canvas, state, view);
        const auto texts = printedTexts(canvas);
        ASSERT_FALSE(texts.empty());
        EXPECT_EQ(texts[0], c.caption);
    }
}

TEST(SuspensionPictureTest, SideScrubMarkerMovesFiftyUnitsPerInchAndBumpSteerHasAnArrow) {
    SuspensionState state = cornerShowing(false, GraphKind::SideScrub);
    PictureView view = viewAt(state, state.SideScrub, 13);
    view.g = 0.1f;
    RecordingCanvas canvas;
    DrawPic(canvas, state, view);
    EXPECT_EQ(dumpOp(canvas.operations()[3]), "line (80,100)-(80,90) color=128,0,0 pen=1 solid");

    state = cornerShowing(true, GraphKind::BumpSteer);
    view.g = -0.3f;
    canvas.discardOperations();
    DrawPic(canvas, state, view);
    const Recording& ops = canvas.operations();
    EXPECT_EQ(dumpOp(ops[2]), "line (90,95)-(100,95) color=128,0,0 pen=1 solid");
    EXPECT_EQ(dumpOp(ops[3]), "line (100,95)-(95,92) color=128,0,0 pen=1 solid");
    EXPECT_EQ(dumpOp(ops[4]), "line (100,95)-(95,98) color=128,0,0 pen=1 solid");
    EXPECT_TRUE(printedTexts(canvas).empty());

    view.g = 0;
    canvas.discardOperations();
    DrawPic(canvas, state, view);
    EXPECT_EQ(firstIn(canvas.operations(), paletteColor(4)), canvas.operations().size());
}

// Every operation after the value indicator of the left picture mirrors the right one's,
// except the spindle's shading: its passes step to the right on both sides, so of the
// spindle only the first line (on the joints themselves) is compared.
void expectMirrored(GraphKind kind, double axis, std::size_t spindleStart) {
    RecordingCanvas right;
    RecordingCanvas left;
    SuspensionState state = cornerShowing(true, kind);
    PictureView view = viewAt(state, state.BumpSteer, 5);
    DrawPic(right, state, view);
    state.Right_Active = false;
    DrawPic(left, state, view);

    const Recording& r = right.operations();
    const Recording& l = left.operations();
    ASSERT_EQ(r.size(), l.size());
    ASSERT_EQ(colorOf(r[spindleStart]), kGrey);
    ASSERT_TRUE(is<drawop::Circle>(r[spindleStart - 1])); // the last arm's pivot disc
    const std::size_t indicatorEnd = 5;                   // clear, scale, two lines and the caption
    std::size_t compared = 0;
    for (std::size_t i = indicatorEnd; i < r.size(); ++i) {
        if (is<drawop::Print>(r[i]) || (i > spindleStart && i < spindleStart + 30)) {
            continue;
        }
        ASSERT_EQ(r[i].command.index(), l[i].command.index()) << "operation " << i;
        EXPECT_EQ(colorOf(r[i]), colorOf(l[i])) << "operation " << i;
        const std::vector<testing::Xy> rp = pointsOf(r[i]);
        const std::vector<testing::Xy> lp = pointsOf(l[i]);
        ASSERT_EQ(rp.size(), lp.size()) << "operation " << i;
        for (std::size_t k = 0; k < rp.size(); ++k) {
            EXPECT_NEAR(rp[k].x + lp[k].x, 2 * axis, 1e-9) << "operation " << i;
            EXPECT_NEAR(rp[k].y, lp[k].y, 1e-9) << "operation " << i;
        }
        ++compared;
    }
    EXPECT_GT(compared, 60u);
}

TEST(SuspensionPictureTest, LeftSideMirrorsTheRightSide) {
    // Front view: two arms of 31 operations after the indicator, then the spindle.
    expectMirrored(GraphKind::Camber, 50, 5 + 2 * 31);
    // Side view: the "Front" caption and four arms of 31 operations, then the spindle.
    expectMirrored(GraphKind::Caster, 65, 5 + 1 + 4 * 31);
}

TEST(SuspensionPictureTest, SideViewNamesTheFrontAndDrawsADottedWheel) {
    SuspensionState state = cornerShowing(false, GraphKind::ForeAft);
    RecordingCanvas canvas;
    DrawPic(canvas, state, viewAt(state, state.ForeAft, 13));
    const auto texts = printedTexts(canvas);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[1], "<- Front");
    const DrawOp& wheel = canvas.operations().back();
    EXPECT_TRUE(is<drawop::Circle>(wheel));
    EXPECT_EQ(wheel.state.penStyle, PenStyle::Dot);
    EXPECT_EQ(wheel.state.fillStyle, FillStyle::Transparent);
    // Static ball joints at Z 25.5 and 25: centre Z 25.25 -> x = 15 + 50.5; y = 80 - 26.
    EXPECT_EQ(dumpOp(wheel),
              "circle (65.5,54) r=32.5 color=0,0,0 aspect=1 pen=1 dot fill=transparent");
    EXPECT_EQ(canvas.state().penStyle, PenStyle::Solid);
    EXPECT_EQ(canvas.state().fillStyle, FillStyle::Solid);

    state.Right_Active = true;
    canvas.discardOperations();
    DrawPic(canvas, state, viewAt(state, state.ForeAft, 13));
    EXPECT_EQ(printedTexts(canvas)[1], "Front ->");
}

TEST(SuspensionPictureTest, PositiveBumpSteerPutsTheTireBehindTheMembers) {
    SuspensionState state = cornerShowing(true, GraphKind::BumpSteer);
    PictureView view = viewAt(state, state.BumpSteer, 13);
    RecordingCanvas canvas;

    view.g = 0.2f;
    DrawPic(canvas, state, view);
    EXPECT_LT(firstThickLine(canvas.operations()), firstIn(canvas.operations(), kGrey));

    for (const float g : {-0.2f, 0.0f}) {
        view.g = g;
        canvas.discardOperations();
        DrawPic(canvas, state, view);
        EXPECT_GT(firstThickLine(canvas.operations()), firstIn(canvas.operations(), kGrey));
    }
}

TEST(SuspensionPictureTest, TieRodBehindTheBallJointIsDrawnBeforeTheArms) {
    SuspensionState state = cornerShowing(true, GraphKind::BumpSteer);
    PictureView view = viewAt(state, state.BumpSteer, 13);
    RecordingCanvas canvas;

    state.SusPoints[TieRodOuter].z = state.SusPoints[BottomBall].z; // level: after the arms
    DrawPic(canvas, state, view);
    EXPECT_GT(firstIn(canvas.operations(), kTieRodYellow), firstIn(canvas.operations(), kGrey));

    state.SusPoints[TieRodOuter].z = state.SusPoints[BottomBall].z + 0.5;
    canvas.discardOperations();
    DrawPic(canvas, state, view);
    const Recording& ops = canvas.operations();
    const std::size_t rod = firstIn(ops, kTieRodYellow);
    EXPECT_LT(rod, firstIn(ops, kGrey));
    // The rod ends in a second white disc at its outer joint: x = 100 - 2 x 24, y = 80 - 17.
    EXPECT_EQ(dumpOp(ops[rod + 31]),
              "circle (52,63) r=1.8 color=255,255,255 aspect=1 pen=1 solid fill=solid "
              "255,255,255");
}

TEST(SuspensionPictureTest, SteeredTireHasTwoSidewallEllipsesFilledBlackAfterTheMembers) {
    SuspensionState state = cornerShowing(true, GraphKind::BumpSteer);
    PictureView view = viewAt(state, state.BumpSteer, 13);
    view.g = -0.5f;
    view.XRange = 2;
    RecordingCanvas canvas(281, 289);
    DrawPic(canvas, state, view);

    std::vector<DrawOp> ellipses;
    for (const DrawOp& op : canvas.operations()) {
        if (is<drawop::Circle>(op) && as<drawop::Circle>(op).arc) {
            ellipses.push_back(op);
        }
    }
    ASSERT_EQ(ellipses.size(), 2u);
    const drawop::Circle& black = as<drawop::Circle>(ellipses[0]);
    const drawop::Circle& grey = as<drawop::Circle>(ellipses[1]);
    // Right side, toe in: the black sidewall on the right. s = 6 - 0.625, a = 7 / 0.50001.
    const double xm = 100 - 2 * 31.0;
    EXPECT_NEAR(black.cx, xm + 5.375, 1e-9);
    EXPECT_EQ(black.color, colors::Black);
    EXPECT_NEAR(grey.cx, xm - 5.375, 1e-9);
    EXPECT_EQ(grey.color, kGrey);
    EXPECT_NEAR(black.aspect, 7 / 0.50001, 1e-9);
    EXPECT_NEAR(black.radius, 2.35 * 13, 1e-9);
    EXPECT_EQ(black.arc, (ArcSpec{3.1415926 / 2 + 0.001, 3.1415926 / 2 - 0.00001, true}));
    EXPECT_EQ(ellipses[0].state.fillStyle, FillStyle::Solid);
    EXPECT_EQ(ellipses[0].state.fillColor, colors::Black);

    const DrawOp& hub = canvas.operations().back();
    EXPECT_EQ(hub.state.penWidth, 2);
    EXPECT_EQ(canvas.state().penWidth, 1);
    // The upright tread at the design pixel size.
    EXPECT_EQ(canvas.operations()[firstThickLine(canvas.operations())].state.penWidth, 35);
}

TEST(SuspensionPictureTest, TreadPenKeepsItsWidthInPictureUnits) {
    EXPECT_EQ(treadPenWidth(RecordingCanvas(0, 0)), 35);
    EXPECT_EQ(treadPenWidth(RecordingCanvas(281, 289)), 35);
    EXPECT_EQ(treadPenWidth(RecordingCanvas(562, 578)), 70);
    EXPECT_EQ(treadPenWidth(RecordingCanvas(3, 3)), 1);
}

TEST(SuspensionPictureTest, OddInputsDrawWithoutFailing) {
    SuspensionState state = cornerShowing(true, GraphKind::BumpSteer);
    PictureView view;
    view.CurPos = 500; // kept to the last array position
    view.g = 0.3f;
    view.XRange = 0; // no steer scale: no sidewalls
    RecordingCanvas canvas;
    DrawPic(canvas, state, view);
    for (const drawop::Circle& circle : opsOf<drawop::Circle>(canvas.operations())) {
        EXPECT_FALSE(circle.arc.has_value());
    }

    selectGraph(state, GraphKind::Camber);
    state.CamberGraph = false; // no flag at all: only cleared and scaled
    canvas.discardOperations();
    DrawPic(canvas, state, view);
    EXPECT_EQ(canvas.dump(), "clear\nscale (0,0)-(125,125)\n");
}

} // namespace
} // namespace velmora
