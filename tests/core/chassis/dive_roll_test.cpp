#include "chassis/dive_roll.h"
#include "chassis/steering.h"
#include "example_state.h"
#include "geometry/rigid_sweep.h"
#include "geometry/sweep.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace velmora::testing {
namespace {

class EachExample : public ::testing::TestWithParam<const char*> {};

TEST_P(EachExample, RideHeightGivesTheStaticRollCentre) {
    SuspensionState state = example(GetParam());
    const FrontEnd front = FrontEnd::build(state.RightCoords, state.LeftCoords);
    RecordingMessageSink sink;
    state.StaticOnly = true;
    CALC(state, sink);
    const DiveRollState s = front.solve(0, 0);
    ASSERT_TRUE(s.solved);
    ASSERT_TRUE(s.rollCentre);
    EXPECT_NEAR(s.rollCentre->height, state.RollCenterHeight, 1e-6);
    EXPECT_NEAR(s.rollCentre->offset, state.RollCenterOffset, 1e-6);
    EXPECT_EQ(s.groundAngle, 0);
    EXPECT_NEAR(s.trackChange, 0, 1e-12);
    EXPECT_EQ(s.right.camberChangeGround, 0);
    EXPECT_TRUE(s.messages.empty());
}

// Both sides the example's left corner: a mirror-symmetric car.
TEST_P(EachExample, SymmetricCarStaysCentredAndMirrorsItsRoll) {
    const SuspensionState state = example(GetParam());
    const FrontEnd front = FrontEnd::build(state.LeftCoords, state.LeftCoords);
    const RigidSweep sweep = rigidSweep(state.LeftCoords, Travel{3, 3}); // travel 3, 2.75, ... -3
    for (int i = 1; i <= sweep.n; i += 4) {
        const auto k = static_cast<std::size_t>(i);
        const double dive = sweep.travel[k];
        const DiveRollState s = front.solve(dive, 0);
        ASSERT_TRUE(s.solved && s.rollCentre) << dive;
        EXPECT_NEAR(s.rollCentre->offset, 0, 1e-9) << dive;
        EXPECT_NEAR(s.groundAngle, 0, 1e-9) << dive;
        EXPECT_NEAR(s.right.camberChangeGround, sweep.CamberChange[k], 1e-9) << dive;
        EXPECT_NEAR(s.left.camberChangeGround, sweep.CamberChange[k], 1e-9) << dive;
        EXPECT_NEAR(s.right.bumpSteer, sweep.BumpSteer[k], 1e-9) << dive;

        const DiveRollState plus = front.solve(dive * 0.5, 2.5);
        const DiveRollState minus = front.solve(dive * 0.5, -2.5);
        ASSERT_TRUE(plus.rollCentre && minus.rollCentre) << dive;
        EXPECT_NEAR(plus.rollCentre->offset, -minus.rollCentre->offset, 1e-9) << dive;
        EXPECT_NEAR(plus.rollCentre->height, minus.rollCentre->height, 1e-9) << dive;
        EXPECT_NEAR(plus.groundAngle, -minus.groundAngle, 1e-9) << dive;
        EXPECT_NEAR(plus.right.camberChangeGround, minus.left.camberChangeGround, 1e-9);
    }
}

INSTANTIATE_TEST_SUITE_P(Examples, EachExample, ::testing::ValuesIn(kExamples));

TEST(DiveRoll, RollSplitsTheTravelAndTiltsTheGroundTowardTheLoadedSide) {
    const SuspensionState state = example("gm-dirt-oval.kqw");
    const FrontEnd front = FrontEnd::build(state.RightCoords, state.LeftCoords);
    const DiveRollState s = front.solve(1, 2);
    ASSERT_TRUE(s.solved);
    const double slope = std::tan(2 * std::acos(-1.0) / 180);
    EXPECT_DOUBLE_EQ(s.right.travel, 1 + state.RightCoords[9] * slope);
    EXPECT_DOUBLE_EQ(s.left.travel, 1 - state.LeftCoords[9] * slope);
    // The right patch comes up toward the body, the left one drops away from it.
    EXPECT_GT(s.groundAngle, 1.5);
    EXPECT_DOUBLE_EQ(s.right.camberChangeGround, s.right.camberChangeBody + s.groundAngle);
    EXPECT_DOUBLE_EQ(s.left.camberChangeGround, s.left.camberChangeBody - s.groundAngle);
    EXPECT_GT(s.right.contactPatch.v, s.left.contactPatch.v);
}

TEST(DiveRoll, PathStatesAreTheStatesAskedForAlone) {
    const SuspensionState state = example("ford-asphalt-oval.kqw");
    const FrontEnd front = FrontEnd::build(state.RightCoords, state.LeftCoords);
    const DiveRollPath path = front.path({0.5, -3, 4});
    ASSERT_EQ(path.states.size(), 5u);
    EXPECT_EQ(path.states.front().roll, 0);
    EXPECT_EQ(path.states.back().roll, -3);
    const DiveRollState alone = front.solve(0.5, path.states[3].roll);
    EXPECT_EQ(path.states[3].rollCentre->body, alone.rollCentre->body);
    EXPECT_EQ(path.states[3].left.camberChangeGround, alone.left.camberChangeGround);
}

TEST(DiveRoll, UnreachableTravelGivesTheThreeDMessageAndNoValues) {
    // Arms 12 in long cannot lift the wheel 9 + 26 tan(10 deg) = 13.6 in.
    const CoordinateSet c = parallelArms();
    const DiveRollState s = FrontEnd::build(c, c).solve(kMostDive, kMostRoll);
    ASSERT_FALSE(s.solved);
    ASSERT_EQ(s.messages.size(), 1u);
    EXPECT_EQ(s.messages.front().outcome, Outcome::RigidLocks);
    EXPECT_FALSE(s.right.solved || s.left.solved || s.rollCentre);
    EXPECT_GT(s.right.travel, 13.5); // the travel is kept: it is the state's input
}

TEST(DiveRoll, ParallelArmsHaveNoInstantCentreAndNoRollCentre) {
    const CoordinateSet c = parallelArms();
    const DiveRollState s = FrontEnd::build(c, c).solve(0, 0);
    ASSERT_TRUE(s.solved);
    EXPECT_FALSE(s.right.instantCentre);
    EXPECT_FALSE(s.rollCentre);
}

TEST(DiveRoll, LimitsNameTheValue) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(diveProblem(kMostDive), "");
    EXPECT_EQ(diveProblem(-9.01), "Dive -9.01 is outside -9 to 9 in");
    EXPECT_NE(diveProblem(nan), "");
    EXPECT_EQ(rollProblem(-kMostRoll), "");
    EXPECT_EQ(rollProblem(10.5, "10.50"), "Roll 10.50 is outside -10 to 10 deg");
    EXPECT_NE(rollProblem(std::numeric_limits<double>::infinity()), "");
    EXPECT_EQ(rollStepsProblem(1), "");
    EXPECT_NE(rollStepsProblem(0), "");
    EXPECT_NE(rollStepsProblem(kMostRollSteps + 1), "");

    // The options of the two pair passes hold each value to the same rules, first problem first.
    const auto whyOf = [](const auto& options) {
        std::string why = "left over";
        const bool valid = options.IsValid(&why);
        EXPECT_EQ(valid, why.empty()) << why;
        return why;
    };
    EXPECT_EQ(whyOf(RollPathOptions{1, 4, 8}), "");
    EXPECT_EQ(whyOf(RollPathOptions{12, 40, 0}), "Dive 12 is outside -9 to 9 in");
    EXPECT_EQ(whyOf(RollPathOptions{0, 10.5, 8}), "Roll 10.5 is outside -10 to 10 deg");
    EXPECT_EQ(whyOf(SteerSweepOptions{}), "");
    EXPECT_EQ(whyOf(SteerSweepOptions{2, 0, {}}), steerStepsProblem(0));
    EXPECT_EQ(whyOf(SteerSweepOptions{40, 24, {}}), rackProblem(40));
}

} // namespace
} // namespace velmora::testing
