#include "geometry/model_comparison.h"
#include "geometry/rigid_corner.h"
#include "geometry/rigid_sweep.h"
#include "geometry/sweep.h"

#include "rigid_test_corners.h"
#include "sweep_test_corner.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace velmora::testing {
namespace {

void expectAllFinite(const RigidSweep& s) {
    for (const Curve3D* curve :
         {&s.CamberChange, &s.SideScrub, &s.CasterChange, &s.ForeAft, &s.BumpSteer}) {
        for (double v : *curve) {
            ASSERT_TRUE(std::isfinite(v));
        }
    }
    for (const BallJointPair& p : s.BallJointPos) {
        for (double v : {p.top.x, p.top.y, p.top.z, p.bottom.x, p.bottom.y, p.bottom.z}) {
            ASSERT_TRUE(std::isfinite(v));
        }
    }
}

TEST(RigidSweep, ParallelEqualArmsMoveTheWheelWithoutTurningIt) {
    const float arm = 12;
    const RigidSweep s = rigidSweep(parallelogramCorner(arm), Travel{3, 3});
    ASSERT_TRUE(s.allSolved());
    EXPECT_TRUE(s.messages.empty());
    ASSERT_EQ(s.n, 25);
    for (int i = 1; i <= s.n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const double t = s.travel[k];
        EXPECT_NEAR(s.CamberChange[k], 0, 1e-9) << t;
        EXPECT_NEAR(s.CasterChange[k], 0, 1e-9) << t;
        EXPECT_NEAR(s.BumpSteer[k], 0, 1e-9) << t;
        EXPECT_NEAR(s.ForeAft[k], 0, 1e-9) << t;
        // The ball joints swing on a circle about their axes: the wheel moves in by
        // arm - sqrt(arm^2 - t^2) as it rises or falls by t.
        EXPECT_NEAR(s.SideScrub[k], std::sqrt(arm * arm - t * t) - arm, 1e-9) << t;
        EXPECT_NEAR(s.BallJointPos[k].bottom.y, 7 + t, 1e-9);
    }
    EXPECT_GT(s.iterations, 0);
    EXPECT_LE(s.iterations, RigidCorner::kIterationLimit);

    // The classic sweep agrees on this linkage.
    SuspensionState state = leftOnly(parallelogramCorner(arm));
    RecordingMessageSink sink;
    CALC(state, sink);
    EXPECT_NEAR(state.CamberChange[1], 0, 0.01);
    EXPECT_NEAR(state.CamberChange[25], 0, 0.01);
}

// A tie rod shorter than the arms pulls its end of the knuckle inboard whichever way the
// wheel moves: behind the axis that turns the front of the wheel out (toe out, positive),
// ahead of it in (toe in, negative).
TEST(RigidSweep, ShortTieRodTurnsTheWheelTheWaySignsSay) {
    const RigidSweep behind = rigidSweep(parallelogramCorner(12, 12, 31), Travel{3, 3});
    const RigidSweep ahead = rigidSweep(parallelogramCorner(12, 12, 19), Travel{3, 3});
    ASSERT_TRUE(behind.allSolved());
    ASSERT_TRUE(ahead.allSolved());
    for (std::size_t k : {1u, 6u, 20u, 25u}) {
        EXPECT_GT(behind.BumpSteer[k], 0.01) << k;
        EXPECT_LT(ahead.BumpSteer[k], -0.01) << k;
        EXPECT_NEAR(behind.BumpSteer[k], -ahead.BumpSteer[k], 1e-9) << k;
    }
}

// Mirroring a corner front to back turns toe out into toe in and reverses caster and fore/aft
// changes; camber and side scrub stay. This holds for the true motion whatever the corner.
TEST(RigidSweep, FrontToBackMirrorReversesToeCasterAndForeAft) {
    for (const char* name : kExamples) {
        const SuspensionState state = exampleState(name);
        CoordinateSet mirrored = state.LeftCoords;
        for (int i = 19; i <= 26; ++i) {
            mirrored[i] = 70 - mirrored[i];
        }
        const RigidSweep a = rigidSweep(state.LeftCoords, Travel{3, 3});
        const RigidSweep b = rigidSweep(mirrored, Travel{3, 3});
        ASSERT_TRUE(a.allSolved() && b.allSolved()) << name;
        for (int i = 1; i <= a.n; ++i) {
            const auto k = static_cast<std::size_t>(i);
            EXPECT_NEAR(a.BumpSteer[k], -b.BumpSteer[k], 1e-6) << name << " " << i;
            EXPECT_NEAR(a.CasterChange[k], -b.CasterChange[k], 1e-6) << name << " " << i;
            EXPECT_NEAR(a.ForeAft[k], -b.ForeAft[k], 1e-6) << name << " " << i;
            EXPECT_NEAR(a.CamberChange[k], b.CamberChange[k], 1e-6) << name << " " << i;
            EXPECT_NEAR(a.SideScrub[k], b.SideScrub[k], 1e-6) << name << " " << i;
        }
    }
}

// Both models start from the same static corner: zero at the static position, and close to
// each other a step away from it.
TEST(RigidSweep, AgreesWithTheClassicSweepAtAndNearStatic) {
    for (const char* name : kExamples) {
        for (const bool right : {false, true}) {
            SuspensionState state = exampleState(name);
            state.Right_Active = right;
            RecordingMessageSink sink;
            CALC(state, sink);
            const RigidSweep s = rigidSweep(state);
            ASSERT_TRUE(s.allSolved()) << name;
            EXPECT_EQ(s.travel[13], 0.0f);
            const BallJointPair& stat = state.BallJointPos[13];
            EXPECT_EQ(s.BallJointPos[13].top.x, stat.top.x);
            EXPECT_EQ(s.BallJointPos[13].bottom.z, stat.bottom.z);
            for (GraphKind kind : {GraphKind::Camber, GraphKind::Caster, GraphKind::SideScrub,
                                   GraphKind::ForeAft, GraphKind::BumpSteer}) {
                EXPECT_EQ(rigidCurve(s, kind)[13], 0.0) << name;
            }
            // A step (0.25 in) away from static they differ by hundredths at most.
            const std::pair<GraphKind, double> tolerances[] = {{GraphKind::Camber, 0.02},
                                                               {GraphKind::Caster, 0.01},
                                                               {GraphKind::SideScrub, 0.005},
                                                               {GraphKind::ForeAft, 0.01}};
            for (std::size_t k : {12u, 14u}) {
                for (const auto& [kind, tolerance] : tolerances) {
                    EXPECT_NEAR(rigidCurve(s, kind)[k], resultCurve(state, kind)[k], tolerance)
                        << name << " position " << k << " " << curveName(kind);
                }
            }
            // Camber over the whole travel: same direction, within a quarter degree.
            EXPECT_NEAR(s.CamberChange[1], state.CamberChange[1], 0.25) << name;
            EXPECT_NEAR(s.CamberChange[25], state.CamberChange[25], 0.25) << name;
        }
    }
}

TEST(RigidSweep, SweepsTheActiveSideOnly) {
    SuspensionState state = exampleState("gm-dirt-oval.kqw"); // sides differ
    state.Right_Active = true;
    const RigidSweep right = rigidSweep(state);
    const RigidSweep direct = rigidSweep(state.RightCoords, Travel{state.VU, state.VD});
    state.Right_Active = false;
    const RigidSweep left = rigidSweep(state);
    EXPECT_EQ(right.CamberChange, direct.CamberChange);
    EXPECT_NE(right.CamberChange, left.CamberChange);
}

TEST(RigidSweep, IdenticalSidesGiveIdenticalCurves) {
    SuspensionState state = exampleState("formula-road-course.kqw");
    ASSERT_EQ(state.LeftCoords, state.RightCoords);
    state.Right_Active = true;
    const RigidSweep right = rigidSweep(state);
    state.Right_Active = false;
    const RigidSweep left = rigidSweep(state);
    EXPECT_EQ(right.BumpSteer, left.BumpSteer);
    EXPECT_EQ(right.SideScrub, left.SideScrub);
}

TEST(RigidSweep, TravelPositionsFollowTheClassicSteps) {
    RigidSweep s =
        rigidSweep(parallelogramCorner(), Travel{0, 5}); // a zero travel means 9 each way
    EXPECT_EQ(s.VU, 9.0f);
    EXPECT_EQ(s.VD, 9.0f);
    EXPECT_EQ(s.VY, 0.75f);
    EXPECT_EQ(s.n, 25);
    EXPECT_EQ(s.travel[1], 9.0f);
    EXPECT_EQ(s.travel[25], -9.0f);
    EXPECT_TRUE(s.allSolved()); // a 12 in arm reaches 9 in either way
    s = rigidSweep(parallelogramCorner(), Travel{2, 4});
    EXPECT_EQ(s.VY, 0.25f);
    EXPECT_EQ(s.travel[9], 0.0f);
    EXPECT_TRUE(s.allSolved());
}

TEST(RigidSweep, LockingCornerStopsEachDirectionWithItsTravelAndKeepsTheRest) {
    // Arms of 5 in cannot lift the wheel more than 5 in: 5.25 is out of reach each way.
    const RigidSweep s = rigidSweep(parallelogramCorner(5, 17), Travel{9, 9});
    expectAllFinite(s);
    ASSERT_EQ(s.messages.size(), 2u);
    EXPECT_EQ(s.messages[0].outcome, Outcome::RigidLocks);
    EXPECT_EQ(s.messages[1].outcome, Outcome::RigidLocks);
    EXPECT_NE(s.messages[0].text.find(" 5.25 inches"), std::string::npos) << s.messages[0].text;
    EXPECT_NE(s.messages[1].text.find(" -5.25 inches"), std::string::npos) << s.messages[1].text;
    for (int i = 1; i <= s.n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        EXPECT_EQ(s.solved[k], std::fabs(s.travel[k]) <= 4.5f) << s.travel[k];
        if (!s.solved[k]) {
            EXPECT_EQ(s.SideScrub[k], 0.0);
        }
    }
    EXPECT_EQ(s.solvedCount(), 13);
}

TEST(RigidSweep, CornersThatCannotBeModelledSayWhyAndSolveNothing) {
    // The outer tie rod joint on the ball joint line leaves the upright without a frame.
    CoordinateSet onLine = parallelogramCorner();
    onLine[26] = 25;
    const RigidSweep s = rigidSweep(onLine, Travel{3, 3});
    EXPECT_TRUE(s.complete);
    EXPECT_EQ(s.solvedCount(), 0);
    ASSERT_EQ(s.messages.size(), 1u);
    EXPECT_EQ(s.messages[0].text, "The 3-D check cannot solve this corner: the outer tie rod "
                                  "joint lies on the line through the ball joints.");
    expectAllFinite(s);

    CoordinateSet level = parallelogramCorner();
    level[12] = 7; // top ball joint as low as the bottom one
    ASSERT_EQ(rigidSweep(level, Travel{3, 3}).messages.size(), 1u);
    EXPECT_EQ(rigidSweep(level, Travel{3, 3}).messages[0].outcome, Outcome::RigidCannotSolve);

    CoordinateSet incomplete = parallelogramCorner();
    incomplete[5] = 0;
    const RigidSweep empty = rigidSweep(incomplete, Travel{3, 3});
    EXPECT_FALSE(empty.complete);
    EXPECT_TRUE(empty.messages.empty());
    EXPECT_EQ(empty.solvedCount(), 0);
}

TEST(ModelComparison, FindsTheLargestDifferenceOverTheSolvedPositions) {
    SuspensionState state = exampleState("gm-dirt-oval.kqw");
    RecordingMessageSink sink;
    CALC(state, sink);
    RigidSweep s = rigidSweep(state);
    const auto d = compareModels(state, s);
    EXPECT_EQ(d[4].kind, GraphKind::BumpSteer);
    EXPECT_STREQ(curveName(d[4].kind), "BumpSteer");
    double largest = 0;
    for (std::size_t k = 1; k <= 25; ++k) {
        largest = std::max(largest, std::fabs(state.BumpSteer[k] - s.BumpSteer[k]));
    }
    EXPECT_EQ(d[4].maxDifference, largest);
    EXPECT_EQ(d[4].atTravel, 3.0f); // classic -0.80 against 3-D -0.44 at full bump
    EXPECT_GT(largest, 0.3);

    // A position the 3-D solution did not reach, or the classic sweep skipped, is not compared.
    s.solved[1] = false;
    EXPECT_LT(compareModels(state, s)[4].maxDifference, largest);
    state.BumpSteer[2] = std::numeric_limits<float>::quiet_NaN();
    const CurveDifference without = compareModels(state, s)[4];
    EXPECT_TRUE(std::isfinite(without.maxDifference));
    EXPECT_LT(without.atTravel, 2.75f);
    s.solved.fill(false);
    EXPECT_FALSE(compareModels(state, s)[0].compared);
}

} // namespace
} // namespace velmora::testing
