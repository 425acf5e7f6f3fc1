#include "geometry/sweep.h"

#include "sweep_test_corner.h"

#include <gtest/gtest.h>

#include <cmath>

namespace velmora {
namespace {

using namespace velmora::testing;

// The reference corner moved so that it differs from the left one in every static value.
CoordinateSet otherCorner() {
    return referenceWith({{3, 22.5f}, {21, 26.0f}, {9, 32.0f}});
}

void setStatics(SuspensionState& state, double value) {
    for (double* v :
         {&state.LeftScrubRadius, &state.LeftSAI, &state.LeftCasterTrail, &state.LeftCaster,
          &state.RightScrubRadius, &state.RightSAI, &state.RightCasterTrail, &state.RightCaster,
          &state.RollCenterHeight, &state.RollCenterOffset}) {
        *v = value;
    }
}

TEST(SweepSides, ActiveRightSideIsSweptAndTheLeftIgnored) {
    SuspensionState state;
    state.RightCoords = otherCorner();
    state.LeftCoords = referenceCorner();
    state.Right_Active = true;
    RecordingMessageSink sink;
    const SweepReport report = runSweep(state, sink);
    EXPECT_TRUE(report.rightSwept);
    EXPECT_FALSE(report.leftSwept);
    EXPECT_NE(state.RightSAI, 0.0);
    EXPECT_EQ(state.LeftSAI, 0.0);
    EXPECT_EQ(state.SusPoints[TopBall].x, 22.5);
    EXPECT_EQ(state.TireCenterX, 32.0f);
}

TEST(SweepSides, IncompleteActiveSideReturnsQuietlyAfterClearingTheStatics) {
    for (const bool rightActive : {false, true}) {
        SuspensionState state;
        CoordinateSet incomplete = referenceCorner();
        incomplete[18] = 0.0f;
        // The other side is complete but a normal sweep never looks at it.
        (rightActive ? state.RightCoords : state.LeftCoords) = incomplete;
        (rightActive ? state.LeftCoords : state.RightCoords) = referenceCorner();
        state.Right_Active = rightActive;
        state.VY = 0.125f;
        setStatics(state, 5.0);
        markResults(state);
        RecordingMessageSink sink;
        const SweepReport report = runSweep(state, sink);
        EXPECT_TRUE(sink.messages.empty());
        EXPECT_FALSE(report.rightSwept || report.leftSwept);
        EXPECT_EQ(state.LeftSAI, 0.0);
        EXPECT_EQ(state.RollCenterHeight, 0.0);
        EXPECT_EQ(state.CamberChange[1], kUntouched);
        EXPECT_EQ(state.SusPoints[TopBall].x, 0.0);
        EXPECT_EQ(state.VI, 1.0f);   // recomputed before the side is chosen
        EXPECT_EQ(state.VY, 0.125f); // the step is only set for a side that is swept
    }
}

TEST(SweepSides, StaticOnlyPassTakesTheRightSideFirstThenTheLeft) {
    SuspensionState state;
    state.RightCoords = otherCorner();
    state.LeftCoords = referenceCorner();
    state.StaticOnly = true;
    markResults(state);
    RecordingMessageSink sink;
    const SweepReport report = runSweep(state, sink);
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_TRUE(report.rightSwept && report.leftSwept && report.carRollCentre);
    EXPECT_TRUE(state.StaticOnly); // the caller clears it
    EXPECT_NEAR(state.RightSAI, degrees(std::atan2(3.5, 10.0)), 1e-5);
    EXPECT_NEAR(state.LeftSAI, degrees(std::atan2(3.0, 10.0)), 1e-5);
    EXPECT_EQ(state.SusPoints[TopBall].x, 23.0); // the left side came last
    // Only scratch position 0 is written, and camber and scrub not even there.
    EXPECT_EQ(state.BumpSteer[0], 0.0f);
    EXPECT_EQ(state.CasterChange[0], 0.0f);
    EXPECT_EQ(state.TieRodOuterY[0], 8.5f);
    EXPECT_EQ(state.BallJointPos[0].top.x, 23.0);
    EXPECT_EQ(state.CamberChange[0], kUntouched);
    EXPECT_EQ(state.SideScrub[0], kUntouched);
    EXPECT_EQ(state.CamberChange[1], kUntouched);
    EXPECT_EQ(state.BumpSteer[13], kUntouched);
}

// Which sides the static-only pass analyses, by the sign of each side's product (a negative
// coordinate makes it negative), and whether it computes the car's roll centre.
TEST(SweepSides, StaticOnlyPassFollowsTheSignsOfTheProducts) {
    struct Case {
        const char* name;
        int rightSign; // 0 incomplete, -1 negative product, +1 positive
        int leftSign;
        bool right, left, car;
    };
    const Case cases[] = {
        {"both positive", 1, 1, true, true, true},
        {"right only", 1, 0, true, false, false},
        {"left only", 0, 1, false, true, false},
        {"neither", 0, 0, false, false, false},
        {"left negative", 1, -1, true, false, false},
        {"right negative", -1, 1, true, true, false},
        {"right negative, left empty", -1, 0, true, false, false},
        {"right empty, left negative", 0, -1, false, true, false},
    };
    auto corner = [](int sign) {
        CoordinateSet set = referenceCorner();
        if (sign == 0) {
            set[7] = 0.0f;
        } else if (sign < 0) {
            set[19] = -20.0f; // top front pivot 20 inches ahead of the reference line
        }
        return set;
    };
    for (const Case& c : cases) {
        SuspensionState state;
        state.RightCoords = corner(c.rightSign);
        state.LeftCoords = corner(c.leftSign);
        state.StaticOnly = true;
        RecordingMessageSink sink;
        const SweepReport report = runSweep(state, sink);
        EXPECT_EQ(report.rightSwept, c.right) << c.name;
        EXPECT_EQ(report.leftSwept, c.left) << c.name;
        EXPECT_EQ(report.carRollCentre, c.car) << c.name;
        EXPECT_EQ(state.LeftSAI != 0.0, c.left) << c.name;
        EXPECT_EQ(state.RightSAI != 0.0, c.right) << c.name;
        EXPECT_FALSE(report.dataError) << c.name;
    }
}

// For a mirror-symmetric car the two contact-patch lines cross on the centreline at the
// height where each side's own line crosses it, so the car's roll centre equals the roll
// centre one side gives alone.
TEST(SweepSides, SymmetricCarHasItsRollCentreOnTheCentreline) {
    SuspensionState both;
    both.RightCoords = referenceCorner();
    both.LeftCoords = referenceCorner();
    both.StaticOnly = true;
    RecordingMessageSink sink;
    runSweep(both, sink);

    SuspensionState leftAlone = leftOnly(referenceCorner());
    leftAlone.StaticOnly = true;
    runSweep(leftAlone, sink);

    EXPECT_TRUE(sink.messages.empty());
    EXPECT_NEAR(both.RollCenterOffset, 0.0, 1e-9);
    EXPECT_NEAR(both.RollCenterHeight, leftAlone.RollCenterHeight, 1e-9);
    EXPECT_EQ(leftAlone.RollCenterOffset, 0.0);
    EXPECT_NEAR(both.RollCenterHeight, 6.0957, 1e-3);
}

// Two different sides: the roll centre is where the line from the right contact patch
// (u = -31) through the right instant centre meets the line from the left contact patch
// (u = +31) through the left one; u runs from the centreline toward the left side.
TEST(SweepSides, AsymmetricCarHasItsRollCentreWhereTheTwoLinesCross) {
    // Lower top arm pivots (instant centre beyond the centreline), and top arm pivots above
    // the ball joint (instant centre on the wheel's own side, beyond the tire).
    for (const CoordinateSet& leftCorner :
         {referenceWith({{10, 13.0f}, {11, 13.5f}}), referenceWith({{10, 18.5f}, {11, 19.0f}})}) {
        SuspensionState state;
        state.RightCoords = referenceCorner();
        state.LeftCoords = leftCorner;
        state.StaticOnly = true;
        RecordingMessageSink sink;
        runSweep(state, sink);
        ASSERT_TRUE(sink.messages.empty());

        const FrontViewPoint right = instantCentreOf(state.RightCoords);
        const FrontViewPoint left = instantCentreOf(state.LeftCoords);
        const double rightSlope = right.y / (-right.x + 31.0); // through (-31, 0), (-x, y)
        const double leftSlope = left.y / (left.x - 31.0);     // through (+31, 0), (+x, y)
        const double u = 31.0 * (leftSlope + rightSlope) / (leftSlope - rightSlope);
        EXPECT_NEAR(state.RollCenterOffset, u, 1e-4);
        EXPECT_NEAR(state.RollCenterHeight, rightSlope * (u + 31.0), 1e-4);
        EXPECT_GT(std::fabs(state.RollCenterOffset), 0.1);
    }
}

} // namespace
} // namespace velmora
