#include "geometry/bump_steer_shim.h"

#include "rigid_test_corners.h"

#include <gtest/gtest.h>

#include <cmath>

namespace velmora::testing {
namespace {

TEST(BumpSteerShim, LowersTheLargestBumpSteerOfEveryExampleCorner) {
    for (const char* name : kExamples) {
        const SuspensionState state = exampleState(name);
        for (const ShimJoint joint : {ShimJoint::Outer, ShimJoint::Inner}) {
            const BumpSteerShim fix = findBumpSteerShim(state.LeftCoords, Travel{3, 3}, joint);
            ASSERT_TRUE(fix.solved) << name;
            ASSERT_TRUE(fix.improves) << name;
            EXPECT_LT(fix.maxAfter, fix.maxBefore - 0.05) << name;
            EXPECT_NE(fix.heightChange, 0.0);
            EXPECT_LE(std::fabs(fix.heightChange), kShimReach);
            EXPECT_EQ(fix.sixteenths, std::lround(fix.heightChange * 16)) << fix.heightChange;
            // The curve after the change is the one the figure was read from.
            ASSERT_TRUE(fix.after.allSolved());
            EXPECT_DOUBLE_EQ(largestBumpSteer(fix.after), fix.maxAfter);
            EXPECT_DOUBLE_EQ(largestBumpSteer(fix.before), fix.maxBefore);
            // Nearby heights do no better: it is the smallest largest bump steer.
            CoordinateSet nudged = state.LeftCoords;
            const int yIndex = joint == ShimJoint::Outer ? 17 : 16;
            for (const double nudge : {-1.0 / 32, 1.0 / 32}) {
                nudged[yIndex] =
                    static_cast<float>(state.LeftCoords[yIndex] + fix.heightChange + nudge);
                EXPECT_GE(largestBumpSteer(rigidSweep(nudged, Travel{3, 3})) + 1e-4, fix.maxAfter);
            }
        }
    }
}

TEST(BumpSteerShim, LeavesACornerWithoutBumpSteerAsItIs) {
    const BumpSteerShim fix =
        findBumpSteerShim(parallelogramCorner(), Travel{3, 3}, ShimJoint::Outer);
    EXPECT_TRUE(fix.solved);
    EXPECT_FALSE(fix.improves);
    EXPECT_EQ(fix.heightChange, 0.0);
    EXPECT_EQ(fix.sixteenths, 0);
    EXPECT_EQ(fix.maxAfter, fix.maxBefore);
    EXPECT_LT(fix.maxBefore, 1e-9);
}

TEST(BumpSteerShim, ACornerThatDoesNotSolveIsNotSearched) {
    const BumpSteerShim fix =
        findBumpSteerShim(parallelogramCorner(5, 17), Travel{9, 9}, ShimJoint::Outer);
    EXPECT_FALSE(fix.solved);
    EXPECT_FALSE(fix.improves);
    EXPECT_EQ(fix.heightChange, 0.0);
}

TEST(BumpSteerShim, AdviceInSixteenthsReducedToLowestTerms) {
    EXPECT_EQ(shimAdvice(ShimJoint::Outer, 3), "raise the outer tie rod end 3/16 in");
    EXPECT_EQ(shimAdvice(ShimJoint::Outer, -4), "lower the outer tie rod end 1/4 in");
    EXPECT_EQ(shimAdvice(ShimJoint::Inner, 20), "raise the inner tie rod end 1 1/4 in");
    EXPECT_EQ(shimAdvice(ShimJoint::Inner, -32), "lower the inner tie rod end 2 in");
    EXPECT_EQ(shimAdvice(ShimJoint::Outer, 0),
              "the outer tie rod end needs less than 1/32 in, too little to shim");
}

} // namespace
} // namespace velmora::testing
