#include "geometry/sweep.h"
#include "geometry/sweep_messages.h"

#include "sweep_test_corner.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

using namespace velmora::testing;

// Sweeps `corner` as the left side with every result marked; the static values start at 5
// so a test sees that the sweep cleared them first.
struct MarkedSweep {
    explicit MarkedSweep(const CoordinateSet& corner, bool staticOnly = false,
                         float travel = 3.0f) {
        state = leftOnly(corner);
        state.StaticOnly = staticOnly;
        state.VU = travel;
        state.VD = travel;
        state.LeftSAI = state.RightSAI = state.RollCenterHeight = 5.0;
        markResults(state);
        report = runSweep(state, sink);
    }

    bool stoppedWithOneDataError() const {
        return report.dataError && sink.messages.size() == 1 &&
               sink.messages.back() == dataErrorMessage();
    }

    SuspensionState state;
    RecordingMessageSink sink;
    SweepReport report;
};

// Top arm pivots below the bottom ball joint: by 2 inches of rebound the top arm is too long
// for the triangle it closes with the upright (a cosine below -1).
TEST(SweepDataError, ImpossibleTriangleStopsTheSweepAndKeepsEarlierPositions) {
    const MarkedSweep sweep(
        referenceWith({{1, 22.0f}, {2, 22.0f}, {10, 3.0f}, {11, 3.0f}, {3, 26.0f}}));
    EXPECT_TRUE(sweep.stoppedWithOneDataError());
    const SuspensionState& s = sweep.state;
    EXPECT_EQ(s.LeftSAI, 0.0); // top ball joint straight above the bottom one
    EXPECT_NEAR(s.LeftCaster, 2.862405, 1e-6);
    EXPECT_EQ(s.RightSAI, 0.0);
    for (int i = 1; i <= 20; ++i) {
        EXPECT_NE(s.BumpSteer[i], kUntouched) << i;
    }
    for (int i = 21; i <= 25; ++i) { // position 21 is -2 inches
        EXPECT_EQ(s.CamberChange[i], kUntouched) << i;
        EXPECT_EQ(s.BallJointPos[i].bottom.x, kUntouched) << i;
    }
}

// An inner tie rod joint only 2 inches inboard of the outer one: in 3 inches of bump the
// outer joint rises further than the rod reaches in the front view.
TEST(SweepDataError, TieRodShorterThanTheRiseStopsInsideThePosition) {
    const MarkedSweep sweep(referenceWith({{7, 22.0f}}));
    EXPECT_TRUE(sweep.stoppedWithOneDataError());
    const SuspensionState& s = sweep.state;
    EXPECT_NEAR(s.LeftSAI, 16.699245, 1e-6);
    // Position 1 keeps what was solved before the tie rod.
    EXPECT_NE(s.CamberChange[1], kUntouched);
    EXPECT_NE(s.CasterChange[1], kUntouched);
    EXPECT_NE(s.BallJointPos[1].top.z, kUntouched);
    EXPECT_EQ(s.BumpSteer[1], kUntouched);
    EXPECT_EQ(s.TieRodOuterY[1], kUntouched);
    EXPECT_EQ(s.CamberChange[2], kUntouched);
}

// Both arms level at ride height: their lines never meet, so the static-only pass has no
// instant centre. (A normal sweep of the same corner never looks at the ride-height pose.)
TEST(SweepDataError, ParallelArmLinesHaveNoInstantCentre) {
    const CoordinateSet levelArms =
        referenceWith({{10, 16.5f}, {11, 16.5f}, {13, 6.5f}, {14, 6.5f}});
    const MarkedSweep staticPass(levelArms, true);
    EXPECT_TRUE(staticPass.stoppedWithOneDataError());
    EXPECT_NEAR(staticPass.state.LeftSAI, 16.699245, 1e-6);
    EXPECT_EQ(staticPass.state.RollCenterHeight, 0.0);
    EXPECT_EQ(staticPass.state.BallJointPos[0].top.y, 16.5);
    EXPECT_EQ(staticPass.state.BumpSteer[0], kUntouched);

    const MarkedSweep normal(levelArms);
    EXPECT_TRUE(normal.sink.messages.empty());
}

TEST(SweepDataError, LevelBallJointsLeaveNoSteeringAxis) {
    const MarkedSweep sweep(referenceWith({{12, 6.5f}}));
    EXPECT_TRUE(sweep.stoppedWithOneDataError());
    EXPECT_EQ(sweep.state.LeftSAI, 0.0);
    EXPECT_EQ(sweep.state.RollCenterHeight, 0.0);
    EXPECT_EQ(sweep.state.CamberChange[1], kUntouched);
    EXPECT_EQ(sweep.state.SusPoints[TopBall].y, 6.5); // copied before the failure
}

TEST(SweepDataError, TravelRangeOfZeroLengthHasNoStep) {
    SuspensionState state = leftOnly(referenceCorner());
    state.VU = -3.0f;
    state.VD = 3.0f;
    RecordingMessageSink sink;
    const SweepReport report = runSweep(state, sink);
    EXPECT_TRUE(report.dataError);
    EXPECT_EQ(sink.messages, std::vector<Message>{dataErrorMessage()});
    EXPECT_EQ(state.LeftSAI, 0.0);
}

// An inner tie rod Z typed as 2 instead of 20: the rod runs almost straight fore and aft and
// its iteration converges ever more slowly. The passes add up over the positions until the
// budget of 500 is spent; the 500th pass is not carried out.
TEST(SweepPassBudget, TieRodPassesAddUpOverThePositions) {
    const MarkedSweep sweep(referenceWith({{25, 2.0f}}));
    EXPECT_TRUE(sweep.stoppedWithOneDataError());
    EXPECT_EQ(sweep.report.passes.tieRodPasses, kPassLimit);
    EXPECT_LT(sweep.report.passes.rideHeightPasses, kPassLimit);
    const SuspensionState& s = sweep.state;
    EXPECT_NE(s.BumpSteer[1], kUntouched);
    EXPECT_NE(s.BumpSteer[2], kUntouched);
    EXPECT_EQ(s.BumpSteer[25], kUntouched);
    EXPECT_EQ(s.CamberChange[25], kUntouched);
}

// A top front pivot typed as 30 instead of 9 puts it outboard of the ball joint: the
// ride-height iteration never settles and spends the whole budget on the first position.
TEST(SweepPassBudget, RideHeightIterationThatNeverSettles) {
    const MarkedSweep sweep(referenceWith({{1, 30.0f}}));
    EXPECT_TRUE(sweep.stoppedWithOneDataError());
    EXPECT_EQ(sweep.report.passes.rideHeightPasses, kPassLimit);
    EXPECT_EQ(sweep.report.passes.tieRodPasses, 0);
    EXPECT_EQ(sweep.state.CamberChange[1], kUntouched);
    EXPECT_NEAR(sweep.state.LeftSAI, 16.699245, 1e-6);
}

} // namespace
} // namespace velmora
