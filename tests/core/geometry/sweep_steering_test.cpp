#include "geometry/sweep.h"

#include "sweep_test_corner.h"

#include <gtest/gtest.h>

#include <cmath>

namespace velmora {
namespace {

using namespace velmora::testing;

// A corner with no caster and level arm axes running straight fore and aft: the knuckle
// moves only up, down and sideways, symmetric about the plane Z = 25 of its steering axis.
// riY is the height of the tie rod's inner joint; innerZ and outerZ place the rod.
CoordinateSet steerCorner(float riY, float innerZ, float outerZ) {
    return referenceWith({{1, 9.5f},
                          {2, 9.5f},
                          {10, 15.0f},
                          {11, 15.0f},
                          {21, 25.0f},
                          {4, 7.5f},
                          {5, 7.5f},
                          {22, 20.0f},
                          {23, 30.0f},
                          {16, riY},
                          {25, innerZ},
                          {26, outerZ}});
}

// The tie rod behind the steering axis.
CoordinateSet rearSteerCorner(float riY) {
    return steerCorner(riY, 30.0f, 29.5f);
}

// The same tie rod mirrored to the front of the steering axis.
CoordinateSet frontSteerCorner(float riY) {
    return steerCorner(riY, 20.0f, 20.5f);
}

Curve bumpSteerOf(const CoordinateSet& corner) {
    SuspensionState state = leftOnly(corner);
    RecordingMessageSink sink;
    CALC(state, sink);
    EXPECT_TRUE(sink.messages.empty());
    return state.BumpSteer;
}

// Mirroring the tie rod mirrors the knuckle's rotation: the same wheel motion that turns the
// front of the wheel outboard turns it inboard. Positive means toe out on both sides of the
// axis, so the curves are exact opposites.
TEST(BumpSteer, MirroredTieRodGivesTheOppositeToe) {
    for (const float riY : {4.0f, 9.0f}) {
        const Curve behind = bumpSteerOf(rearSteerCorner(riY));
        const Curve ahead = bumpSteerOf(frontSteerCorner(riY));
        for (int i = 1; i <= 25; ++i) {
            EXPECT_EQ(behind[i], -ahead[i]) << riY << " " << i;
        }
        EXPECT_NE(behind[1], 0.0f);
    }
}

// A tie rod rising steeply to the knuckle pulls the outer joint inboard in bump. Behind the
// axis that pulls the back of the wheel in and the front out: toe out, positive. Ahead of the
// axis it pulls the front in: toe in, negative.
TEST(BumpSteer, SteepTieRodPullsTheJointInboardInBump) {
    SuspensionState rear = leftOnly(rearSteerCorner(4.0f));
    RecordingMessageSink sink;
    CALC(rear, sink);
    EXPECT_LT(rear.TieRodOuterX[1], 24.0f - 0.5f);
    EXPECT_GT(rear.BumpSteer[1], 1.0f);
    EXPECT_LT(bumpSteerOf(frontSteerCorner(4.0f))[1], -1.0f);
}

TEST(BumpSteer, TinyToeChangesAreStoredAsZero) {
    const Curve curve = bumpSteerOf(referenceCorner());
    EXPECT_EQ(curve[14], 0.0f); // about 4e-4 degrees a quarter inch into rebound
    for (int i = 1; i <= 25; ++i) {
        EXPECT_TRUE(curve[i] == 0.0f || std::fabs(curve[i]) >= 0.001f) << i;
    }
}

// A long steering arm and a tie rod that drops steeply to it: at full rebound the outer joint
// swings further fore and aft than the rod's front-view length. Its drawing position then
// falls back to the inner joint's X instead of stopping the sweep with a data error.
TEST(BumpSteer, DrawingPositionOfAnOverSwungJointFallsBackToTheInnerJoint) {
    SuspensionState state = leftOnly(referenceWith(
        {{7, 12.0f}, {8, 20.0f}, {16, 10.0f}, {17, 6.25f}, {25, 20.5f}, {26, 18.75f}}));
    RecordingMessageSink sink;
    const SweepReport report = runSweep(state, sink);
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_FALSE(report.dataError);
    EXPECT_EQ(state.TieRodOuterX[25], 12.0f);
    EXPECT_GT(state.TieRodOuterX[24], 12.0f);
    EXPECT_LT(state.BumpSteer[25], state.BumpSteer[24]);
}

// The fore/aft curve follows the spindle point, which rides on the moved steering axis at a
// fixed signed distance from the bottom ball joint, on whichever side of it the spindle lies.
TEST(ForeAft, SpindlePointFollowsTheMovedAxisAboveOrBelowTheBottomJoint) {
    for (const float spindle : {13.0f, 5.0f}) {
        SuspensionState state = leftOnly(referenceWith({{18, spindle}}));
        RecordingMessageSink sink;
        CALC(state, sink);
        ASSERT_TRUE(sink.messages.empty());
        const double rise = spindle - 6.5;                 // spindle above the bottom joint
        const double along = rise * std::hypot(1.0, 0.05); // caster lean 0.5 in 10
        const double staticZ = 25.0 + rise * 0.05;
        for (int i = 1; i <= 25; ++i) {
            if (i == 13) {
                continue;
            }
            const Point3& tb = state.BallJointPos[i].top;
            const Point3& bb = state.BallJointPos[i].bottom;
            const double sinLean = (tb.z - bb.z) / std::hypot(tb.z - bb.z, tb.y - bb.y);
            EXPECT_NEAR(state.ForeAft[i], bb.z + along * sinLean - staticZ, 2e-6)
                << spindle << " " << i;
        }
        // No step at the static position.
        EXPECT_LT(std::fabs(state.ForeAft[12]), 0.013f) << spindle;
        EXPECT_LT(std::fabs(state.ForeAft[14]), 0.013f) << spindle;
    }
}

} // namespace
} // namespace velmora
