#include "analysis/baseline_overlay.h"

#include "analysis/dashed_path.h"
#include "analysis/graph_window_views.h"
#include "core/drawing/recorded_ops.h"
#include "core/drawing/sample_corner.h"
#include "drawing/recording_canvas.h"
#include "model/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace velmora {
namespace {

// Index of the first and last operation drawn in `color` (-1 when none).
std::pair<long, long> spanOf(const Recording& ops, Rgb color) {
    long first = -1;
    long last = -1;
    for (std::size_t i = 0; i < ops.size(); ++i) {
        if (testing::colorOf(ops[i]) == color) {
            first = first < 0 ? static_cast<long>(i) : first;
            last = static_cast<long>(i);
        }
    }
    return {first, last};
}

TEST(DashedPathTest, DashesRunOnAcrossSegmentsAndBreakAtGaps) {
    DashedPath path(80, 8, 0.125, 0.125); // a dash and a gap of 10 x units, or 1 y unit
    EXPECT_EQ(path.dashes(0, 0, 50, 0),
              (std::vector<Segment>{{0, 0, 10, 0}, {20, 0, 30, 0}, {40, 0, 50, 0}}));
    // The pattern goes on where the last segment left it: in a gap, then a dash.
    EXPECT_EQ(path.dashes(50, 0, 50, 3), (std::vector<Segment>{{50, 1, 50, 2}}));
    // A segment with an end off all scale ends the pattern; the next starts with a dash.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_TRUE(path.dashes(50, 3, nan, 3).empty());
    EXPECT_EQ(path.dashes(0, 5, 5, 5), (std::vector<Segment>{{0, 5, 5, 5}}));
    // A segment far longer than the surface is not cut into millions of dashes.
    EXPECT_EQ(path.dashes(0, 0, 1e9, 0), (std::vector<Segment>{{0, 0, 1e9, 0}}));
}

struct Surfaces {
    std::array<RecordingCanvas, 5> canvases;
    ThumbnailSurfaces surfaces{&canvases[0], &canvases[1], &canvases[2], &canvases[3],
                               &canvases[4]};
};

TEST(BaselineOverlayTest, ThumbnailsDrawTheBaselineDashedBeneathTheCurveOnlyWhenGiven) {
    const SuspensionState state = testing::sweptCorner(true);
    Surfaces plain;
    Surfaces none;
    drawThumbnails(state, plain.surfaces, false, true);
    drawThumbnails(state, none.surfaces, false, true, nullptr);

    Baseline base = baselineOf(state);
    base.RightCoords[3] += 0.5f; // the top ball joint further out
    const SweepResult swept = sweepBaseline(base, true, Travel{state.VU, state.VD});
    Surfaces with;
    drawThumbnails(state, with.surfaces, false, true, &swept);
    for (std::size_t k = 0; k < 5; ++k) {
        EXPECT_EQ(none.canvases[k].dump(), plain.canvases[k].dump());
        const Recording& ops = with.canvases[k].operations();
        const auto [greyFirst, greyLast] = spanOf(ops, kBaselineColor);
        const auto [redFirst, redLast] = spanOf(ops, colors::Red);
        ASSERT_GE(greyFirst, 0) << k;
        EXPECT_LT(greyLast, redFirst) << "the baseline lies beneath the current curve";
        // More dashes than the 24 segments: the curve is cut, not drawn whole.
        EXPECT_GT(testing::linesIn(ops, kBaselineColor).size(), 24u);
        EXPECT_EQ(testing::printedTexts(ops),
                  (std::vector<std::string>{kBaselineLegend, kCurrentLegend}));
    }
}

TEST(BaselineOverlayTest, GraphWindowPlotsTableAndMessageAgainstTheBaseline) {
    SuspensionState state = testing::sweptCorner(false);
    selectGraph(state, GraphKind::Camber);
    GraphView view;
    view.initialise(state);

    // The project's own coordinates: the baseline lies on the curve and differs by nothing.
    const SweepResult same = sweepBaseline(baselineOf(state), false, Travel{state.VU, state.VD});
    const BaselinePlot plot = baselinePlot(view, same);
    ASSERT_EQ(plot.n, view.NumPoints());
    for (int i = 1; i <= plot.n; ++i) {
        EXPECT_TRUE(plot.present[static_cast<std::size_t>(i)]);
        EXPECT_EQ(plot.plotX[static_cast<std::size_t>(i)],
                  view.PlotX()[static_cast<std::size_t>(i)]);
    }
    EXPECT_EQ(baselineTableValues(view, same), view.PutDataInDataTable().values);
    EXPECT_EQ(baselineMessage(view, same), view.UpdateMessage() + " (baseline difference  0 deg)");
    view.stepUp();
    const std::string up = baselineMessage(view, same);
    EXPECT_NE(up.find("difference  0 deg)"), std::string::npos) << up;

    RecordingCanvas canvas;
    drawGraphPictureOverBaseline(canvas, graphPlotOf(view), plot, view.CurPos());
    const Recording& ops = canvas.operations();
    const auto [greyFirst, greyLast] = spanOf(ops, kBaselineColor);
    const auto [greenFirst, greenLast] = spanOf(ops, colors::Green);
    ASSERT_GE(greyFirst, 0);
    EXPECT_LT(greyFirst, greenFirst) << "the baseline is drawn before the current curve";
    EXPECT_EQ(testing::colorOf(ops.back()), colors::Yellow) << "the marker stays on top";
    EXPECT_TRUE(moveGraphMarkerOverBaseline(canvas, graphPlotOf(view), plot, view.CurPos(),
                                            view.CurPos() + 1));

    // An incomplete baseline has no curve: nothing dashed, empty cells, and the message says so.
    const SweepResult empty = sweepBaseline(Baseline{}, false, Travel{state.VU, state.VD});
    EXPECT_TRUE(baselineDashes(baselinePlot(view, empty)).empty());
    EXPECT_EQ(baselineTableValues(view, empty),
              std::vector<std::string>(static_cast<std::size_t>(view.NumPoints()), ""));
    EXPECT_EQ(baselineMessage(view, empty), view.UpdateMessage() + " (no baseline value here)");
}

// Fore/aft and bump steer show magnitudes in the current column; the added column keeps the
// sign and its heading says which way is positive, and the message's difference names the
// direction it moves in.
TEST(BaselineOverlayTest, DirectedCurvesKeepTheirSignAndNameTheDifference) {
    struct Case {
        GraphKind kind;
        const char* hint;
        const char* positive;
        const char* negative;
    };
    for (const Case& c :
         {Case{GraphKind::BumpSteer, "out +", "more toe out", "more toe in"},
          Case{GraphKind::ForeAft, "rear +", "further to the rear", "further to the front"}}) {
        SuspensionState state = testing::sweptCorner(true);
        selectGraph(state, c.kind);
        GraphView view;
        view.initialise(state);
        Baseline base = baselineOf(state);
        base.RightCoords[13] += 0.75f; // the outer tie rod joint higher: the curves part
        base.RightCoords[4] += 0.5f;
        const SweepResult swept = sweepBaseline(base, true, Travel{state.VU, state.VD});
        const std::vector<std::string> cells = baselineTableValues(view, swept);
        const Curve& curve = c.kind == GraphKind::BumpSteer ? swept.BumpSteer : swept.ForeAft;
        bool sawNegative = false;
        for (int i = 1; i <= view.NumPoints(); ++i) {
            const float v = curve[static_cast<std::size_t>(i)];
            EXPECT_EQ(cells[static_cast<std::size_t>(i - 1)], SignedText(roundThousandths(v)));
            sawNegative = sawNegative || roundThousandths(v) < 0.0;
        }
        EXPECT_TRUE(sawNegative) << "a case where the sign matters";
        EXPECT_EQ(signedColumnCaption(view.flags(), "Base", {"1"}),
                  std::string("Base\n") + c.hint + "\n1\n");

        for (int step = 0; step < 4; ++step, view.stepUp()) {
            const auto p = static_cast<std::size_t>(view.CurPos());
            const double d = roundThousandths(static_cast<double>(view.GraphData()[p]) - curve[p]);
            const std::string message = baselineMessage(view, swept);
            const std::string way = d > 0 ? c.positive : d < 0 ? c.negative : "the same as";
            EXPECT_NE(message.find(way), std::string::npos) << message;
            if (d != 0.0) {
                EXPECT_NE(message.find("(" + fixedText(std::fabs(d), 3)), std::string::npos)
                    << message;
            }
        }
    }
}

} // namespace
} // namespace velmora
