#include "geometry/sweep.h"

#include "sweep_test_corner.h"

#include <gtest/gtest.h>

#include <cmath>

namespace velmora {
namespace {

using namespace velmora::testing;

class ReferenceSweep : public ::testing::Test {
protected:
    void SetUp() override {
        state = leftOnly(referenceCorner());
        markResults(state);
        report = runSweep(state, sink);
    }

    static float travelAt(int i) { return 3.0f - 0.25f * static_cast<float>(i - 1); }

    SuspensionState state;
    RecordingMessageSink sink;
    SweepReport report;
    const CoordinateSet corner = referenceCorner();
};

TEST_F(ReferenceSweep, StaticValuesAgreeWithIndependentFormulas) {
    ASSERT_TRUE(sink.messages.empty());
    // Top ball joint (23, 16.5, 25.5), bottom (26, 6.5, 25), tire centre 31, spindle 13.
    EXPECT_NEAR(state.LeftSAI, degrees(std::atan2(3.0, 10.0)), 1e-5); // 16.699 deg
    // The axis meets the floor 16.5 x 0.3 outboard of the top ball joint: at 27.95.
    EXPECT_NEAR(state.LeftScrubRadius, 31.0 - 27.95, 1e-9);
    EXPECT_NEAR(state.LeftCaster, degrees(std::atan2(0.5, 10.0)), 1e-5); // 2.862 deg
    EXPECT_NEAR(state.LeftCasterTrail, 13.0 * std::tan(std::atan2(0.5, 10.0)), 1e-9);
    EXPECT_EQ(state.RightSAI, 0.0);
    EXPECT_EQ(state.RightScrubRadius, 0.0);
    EXPECT_EQ(state.RightCaster, 0.0);
    EXPECT_EQ(state.RightCasterTrail, 0.0);
    EXPECT_TRUE(report.leftSwept);
    EXPECT_FALSE(report.rightSwept);
}

TEST_F(ReferenceSweep, WritesPositionsOneToTwentyFiveAndNothingElse) {
    EXPECT_EQ(state.VI, 1.0f);
    EXPECT_EQ(state.VY, 0.25f);
    for (int i = 1; i <= 25; ++i) {
        EXPECT_NE(state.BumpSteer[i], kUntouched) << i;
        EXPECT_NE(state.TieRodOuterX[i], kUntouched) << i;
        EXPECT_NE(state.BallJointPos[i].top.z, kUntouched) << i;
    }
    for (int i : {0, 26, 36}) {
        EXPECT_EQ(state.CamberChange[i], kUntouched) << i;
        EXPECT_EQ(state.BumpSteer[i], kUntouched) << i;
    }
    for (int row = 1; row <= 8; ++row) {
        EXPECT_EQ(state.SusPoints[row].x, corner[row]);
        EXPECT_EQ(state.SusPoints[row].y, corner[9 + row]);
        EXPECT_EQ(state.SusPoints[row].z, corner[18 + row]);
    }
    EXPECT_EQ(state.TireCenterX, 31.0f);
    EXPECT_EQ(state.SpindleHeight, 13.0f);
}

TEST_F(ReferenceSweep, StaticPositionHoldsExactZerosAndTheStaticJoints) {
    for (const Curve* curve : {&state.CamberChange, &state.SideScrub, &state.CasterChange,
                               &state.ForeAft, &state.BumpSteer}) {
        EXPECT_EQ((*curve)[13], 0.0f);
    }
    EXPECT_EQ(state.BallJointPos[13].top.x, 23.0);
    EXPECT_EQ(state.BallJointPos[13].top.y, 16.5);
    EXPECT_EQ(state.BallJointPos[13].top.z, 25.5);
    EXPECT_EQ(state.BallJointPos[13].bottom.x, 26.0);
    EXPECT_EQ(state.BallJointPos[13].bottom.y, 6.5);
    EXPECT_EQ(state.BallJointPos[13].bottom.z, 25.0);
    EXPECT_EQ(state.TieRodOuterX[13], 24.0f);
    EXPECT_EQ(state.TieRodOuterY[13], 8.5f);
}

// The contact point rides on the upright; rebuilding it from the stored bottom ball joint and
// camber change must put it at the travel of the position (+3 ... -3) and at the stored scrub.
TEST_F(ReferenceSweep, ContactPatchFollowsTheTravelOfEveryPosition) {
    const double bbx = 26, bby = 6.5, tc = 31;
    const double kappa = std::atan((tc - bbx) / bby);
    const double reach = std::hypot(tc - bbx, bby);
    for (int i = 1; i <= 25; ++i) {
        if (i == 13) {
            continue;
        }
        const BallJointPair& joints = state.BallJointPos[i];
        const double phi4 = kappa - state.CamberChange[i] * 3.14159265358979 / 180;
        const double contactY = joints.bottom.y - reach * std::cos(phi4);
        const double contactX = joints.bottom.x + reach * std::sin(phi4);
        EXPECT_NEAR(contactY, travelAt(i), 1.2e-3) << i;
        EXPECT_NEAR(contactX, tc + state.SideScrub[i], 1e-4) << i;
    }
}

// Camber and caster changes are the lean changes of the upright through the two ball joints;
// the upright keeps its front-view length.
TEST_F(ReferenceSweep, CamberAndCasterFollowTheMovedBallJoints) {
    const double sai = degrees(std::atan2(3.0, 10.0));
    const double caster = degrees(std::atan2(0.5, 10.0));
    for (int i = 1; i <= 25; ++i) {
        const Point3& tb = state.BallJointPos[i].top;
        const Point3& bb = state.BallJointPos[i].bottom;
        EXPECT_NEAR(std::hypot(tb.x - bb.x, tb.y - bb.y), std::hypot(3.0, 10.0), 1e-9) << i;
        const double lean = degrees(std::atan2(bb.x - tb.x, tb.y - bb.y));
        EXPECT_NEAR(state.CamberChange[i], sai - lean, 2e-5) << i;
        const double movedCaster = degrees(std::atan2(tb.z - bb.z, tb.y - bb.y));
        EXPECT_NEAR(state.CasterChange[i], movedCaster - caster, 2e-5) << i;
    }
}

// The swing-arm model moves the ball joints almost as a rigid arm would: each stays within a
// few hundredths of an inch of its distances to the two pivots of its arm.
TEST_F(ReferenceSweep, BallJointsStayNearlyAtArmLengthFromTheirPivots) {
    auto distance = [](const Point3& a, double x, double y, double z) {
        return std::sqrt((a.x - x) * (a.x - x) + (a.y - y) * (a.y - y) + (a.z - z) * (a.z - z));
    };
    const Point3 tb0 = state.BallJointPos[13].top;
    const Point3 bb0 = state.BallJointPos[13].bottom;
    for (int i = 1; i <= 25; ++i) {
        const Point3& tb = state.BallJointPos[i].top;
        const Point3& bb = state.BallJointPos[i].bottom;
        EXPECT_NEAR(distance(tb, 9, 14, 20), distance(tb0, 9, 14, 20), 0.03) << i;
        EXPECT_NEAR(distance(tb, 10, 15, 30), distance(tb0, 10, 15, 30), 0.03) << i;
        EXPECT_NEAR(distance(bb, 7, 8, 20), distance(bb0, 7, 8, 20), 0.03) << i;
        EXPECT_NEAR(distance(bb, 8, 8, 32), distance(bb0, 8, 8, 32), 0.03) << i;
    }
}

TEST_F(ReferenceSweep, CurvesHaveTheExpectedShape) {
    for (int i = 1; i < 25; ++i) {
        // Camber goes negative in bump and positive in rebound, steadily.
        EXPECT_LT(state.CamberChange[i], state.CamberChange[i + 1]) << i;
        // The contact patch moves outboard in bump.
        EXPECT_GT(state.SideScrub[i], state.SideScrub[i + 1]) << i;
    }
    // Values at full bump and full rebound, for the record.
    EXPECT_NEAR(state.CamberChange[1], -3.5021, 1e-3);
    EXPECT_NEAR(state.CamberChange[25], 3.0300, 1e-3);
    EXPECT_NEAR(state.SideScrub[1], 0.4108, 1e-3);
    EXPECT_NEAR(state.CasterChange[1], -1.0398, 1e-3);
    EXPECT_NEAR(state.ForeAft[1], -0.1199, 1e-3);
    EXPECT_NEAR(state.BumpSteer[1], -0.4408, 1e-3);
    EXPECT_NEAR(state.BumpSteer[25], -0.4065, 1e-3);
    EXPECT_LT(std::fabs(state.BumpSteer[12]), 0.01f); // small bump steer near ride height
}

TEST_F(ReferenceSweep, PassCountsStayFarBelowTheBudget) {
    EXPECT_FALSE(report.dataError);
    EXPECT_GT(report.passes.rideHeightPasses, 24);
    EXPECT_LT(report.passes.rideHeightPasses, 100);
    EXPECT_GE(report.passes.tieRodPasses, 24);
    EXPECT_LT(report.passes.tieRodPasses, 100);
}

// After a sweep the roll centre height is that of full rebound: the height above the contact
// patch at which the line from the patch through the instant centre crosses the centreline.
TEST_F(ReferenceSweep, RollCentreHeightIsThatOfTheLastPosition) {
    const FrontViewPoint ic =
        instantCentreOf(corner, state.BallJointPos[25].top, state.BallJointPos[25].bottom);
    const double patchX = 31.0 + state.SideScrub[25];
    const double patchY = -3.0;
    const double atCentreline = patchY + (ic.y - patchY) * (0 - patchX) / (ic.x - patchX);
    EXPECT_NEAR(state.RollCenterHeight, atCentreline - patchY, 1e-3);
    EXPECT_NEAR(state.RollCenterHeight, 9.9158, 1e-3);
}

TEST(Sweep, ZeroTravelBecomesNineInchesEachWay) {
    SuspensionState state = leftOnly(referenceCorner());
    state.VU = 5.0f;
    state.VD = 0.0f;
    RecordingMessageSink sink;
    CALC(state, sink);
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_EQ(state.VU, 9.0f);
    EXPECT_EQ(state.VD, 9.0f);
    EXPECT_EQ(state.VI, 3.0f);
    EXPECT_EQ(state.VY, 0.75f);
    EXPECT_EQ(state.CamberChange[13], 0.0f);
    // Position 9 lies at +3 inches: the same wheel position as position 1 of a 3-inch sweep.
    EXPECT_NEAR(state.CamberChange[9], -3.5021, 1e-3);
    EXPECT_NEAR(state.CamberChange[1], -12.303, 1e-3);
}

// With 4 inches each way the step is a third of an inch in single precision: the range holds
// only 24 steps, and position 13 is a hair off zero travel but is still the static position.
TEST(Sweep, StaticIndexZerosThePositionEvenWhenTravelIsNotExactlyZero) {
    SuspensionState state = leftOnly(referenceCorner());
    markResults(state);
    state.VU = 4.0f;
    state.VD = 4.0f;
    RecordingMessageSink sink;
    CALC(state, sink);
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_NE(state.BumpSteer[24], kUntouched);
    EXPECT_EQ(state.BumpSteer[25], kUntouched);
    for (const Curve* curve :
         {&state.CamberChange, &state.SideScrub, &state.CasterChange, &state.ForeAft}) {
        EXPECT_EQ((*curve)[13], 0.0f);
    }
    EXPECT_EQ(state.BumpSteer[13], 0.0f); // below a thousandth of a degree
    EXPECT_NEAR(state.BallJointPos[13].bottom.y, 6.5, 1e-5);
    EXPECT_NE(state.BallJointPos[13].bottom.y, 6.5); // solved, not copied
}

// A top ball joint straight above the bottom one: no inclination, the axis meets the floor
// right below the joints.
TEST(Sweep, VerticalSteeringAxisHasNoInclination) {
    SuspensionState state = leftOnly(referenceWith({{3, 26.0f}}));
    RecordingMessageSink sink;
    CALC(state, sink);
    EXPECT_EQ(state.LeftSAI, 0.0);
    EXPECT_EQ(state.LeftScrubRadius, 31.0 - 26.0);
}

} // namespace
} // namespace velmora
