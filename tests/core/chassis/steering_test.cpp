#include "chassis/steering.h"

#include "core/geometry/rigid_test_corners.h"

#include <cmath>
#include <random>

#include <gtest/gtest.h>

namespace velmora {
namespace {

using testing::exampleState;
using testing::kExamples;
using testing::parallelogramCorner;

TEST(Steering, StraightAheadGivesZerosOnEveryExample) {
    for (const char* name : kExamples) {
        const SuspensionState state = exampleState(name);
        const SteeringPair pair = SteeringPair::build(state.RightCoords, state.LeftCoords);
        ASSERT_TRUE(pair.ready()) << name;
        const SteerState s = pair.solve(0, 100.0);
        for (const SteerWheel* w : {&s.right, &s.left}) {
            ASSERT_TRUE(w->solved) << name;
            EXPECT_EQ(w->steer, 0);
            EXPECT_EQ(w->camberChange, 0);
            EXPECT_EQ(w->casterChange, 0);
            EXPECT_EQ(w->contactPatchHeightChange, 0);
        }
        EXPECT_FALSE(s.ackermannPercent) << "no turn, no Ackermann";
        // A sweep reaches its ends both ways, and a state solved alone matches the sweep's.
        const SteerSweep sweep = pair.sweep({1.5, 6, 100.0});
        ASSERT_EQ(sweep.states.size(), 7u);
        EXPECT_TRUE(sweep.messages.empty()) << name;
        const SteerState alone = pair.solve(1.5, 100.0);
        EXPECT_NEAR(sweep.states.back().left.steer, alone.left.steer, 1e-9);
        EXPECT_NEAR(sweep.states.back().right.camberChange, alone.right.camberChange, 1e-9);
    }
}

TEST(Steering, AVerticalSteeringAxisSteersWithoutCamberChange) {
    const CoordinateSet corner = parallelogramCorner();
    const SteeringPair pair = SteeringPair::build(corner, corner);
    for (double rack : {-1.0, 0.5, 1.0}) {
        const SteerState s = pair.solve(rack, std::nullopt);
        ASSERT_TRUE(s.left.solved && s.right.solved);
        EXPECT_GT(std::fabs(s.left.steer), 1.0) << rack;
        for (const SteerWheel* w : {&s.right, &s.left}) {
            EXPECT_NEAR(w->camberChange, 0, 1e-9) << rack;
            EXPECT_NEAR(w->casterChange, 0, 1e-9) << rack;
            EXPECT_NEAR(w->contactPatchHeightChange, 0, 1e-9) << rack;
        }
        // Tie rods behind the axis: the rack moving left pulls both fronts to the right.
        EXPECT_LT(s.left.steer * rack, 0);
        EXPECT_LT(s.right.steer * rack, 0);
    }
}

TEST(Steering, ASymmetricCarMirrorsItsWheels) {
    SuspensionState state = exampleState("gm-dirt-oval.kqw");
    state.RightCoords = state.LeftCoords;
    const SteeringPair pair = SteeringPair::build(state.RightCoords, state.LeftCoords);
    for (double rack : {0.4, 1.0, 2.0}) {
        const SteerState plus = pair.solve(rack, 100.0);
        const SteerState minus = pair.solve(-rack, 100.0);
        ASSERT_TRUE(plus.left.solved && minus.right.solved);
        EXPECT_NEAR(plus.left.steer, -minus.right.steer, 1e-9);
        EXPECT_NEAR(plus.left.camberChange, minus.right.camberChange, 1e-9);
        EXPECT_NEAR(plus.left.casterChange, minus.right.casterChange, 1e-9);
        EXPECT_NEAR(plus.left.contactPatchHeightChange, minus.right.contactPatchHeightChange, 1e-9);
        ASSERT_TRUE(plus.ackermannPercent && minus.ackermannPercent);
        EXPECT_NEAR(*plus.ackermannPercent, *minus.ackermannPercent, 1e-6);
    }
}

TEST(Steering, AckermannIsAHundredOnTheIdealAndZeroWhenParallel) {
    EXPECT_NEAR(ackermannPercent(10, 10, 60, 100), 0, 1e-12);
    const double outer = 20;
    const double ideal = std::atan(1 / (1 / std::tan(outer * M_PI / 180) - 0.6)) * 180 / M_PI;
    EXPECT_NEAR(ackermannPercent(ideal, outer, 60, 100), 100, 1e-9);
    EXPECT_NEAR(ackermannPercent(outer + (ideal - outer) / 2, outer, 60, 100), 50, 1e-9);

    // Steering arms angled inward, tie rods behind the axis: the inner wheel steers more. At a
    // travel the linkage is ideal for the wheelbase at which both wheels turn about one point.
    CoordinateSet corner = parallelogramCorner();
    corner[8] = 19.5f; // outer tie rod joint 2.5 in inboard of the steering axis
    const SteeringPair pair = SteeringPair::build(corner, corner);
    for (double rack : {-1.2, 0.8}) {
        const SteerState s = pair.solve(rack, std::nullopt);
        const bool left = s.left.steer > 0; // turning left: the left wheel is the inner one
        const double inner = std::fabs(left ? s.left.steer : s.right.steer);
        const double outer = std::fabs(left ? s.right.steer : s.left.steer);
        ASSERT_GT(inner, outer + 0.1) << rack;
        const auto cot = [](double deg) { return 1 / std::tan(deg * M_PI / 180); };
        const double wheelbase = pair.track() / (cot(outer) - cot(inner));
        const std::optional<double> percent = ackermannOf(s.right, s.left, pair.track(), wheelbase);
        ASSERT_TRUE(percent);
        EXPECT_NEAR(*percent, 100, 1e-6) << rack;
        EXPECT_FALSE(ackermannOf(s.right, s.left, pair.track(), std::nullopt));
    }
}

// Walking out from straight ahead, a wheel stands only while its steer keeps moving one way
// with the rack and below 90 degrees; after it stops it stays stopped, with one
// message, and Ackermann only where both wheels stand. The examples and corners moved at
// random from them, out to the full rack travel.
TEST(Steering, AWheelStandsOnlyUntilItsLinkageStops) {
    std::mt19937 random(7);
    std::uniform_real_distribution<float> nudge(-1.0f, 1.0f);
    for (int trial = 0; trial < 24; ++trial) {
        const char* name = trial % 3 == 0   ? "gm-dirt-oval.kqw"
                           : trial % 3 == 1 ? "ford-asphalt-oval.kqw"
                                            : "formula-road-course.kqw";
        SuspensionState state = testing::exampleState(name);
        for (int i = 1; trial >= 3 && i <= 24; ++i) {
            state.RightCoords[i] += nudge(random);
            state.LeftCoords[i] += nudge(random);
        }
        SCOPED_TRACE(std::string(name) + " trial " + std::to_string(trial));
        const SteeringPair pair = SteeringPair::build(state.RightCoords, state.LeftCoords);
        if (!pair.ready()) {
            continue;
        }
        const SteerSweep sweep = pair.sweep({kMostRack, 48, 100.0});
        std::size_t stops = 0;
        for (const bool right : {true, false}) {
            for (const int way : {1, -1}) {
                bool stopped = false;
                double before = 0;
                for (std::size_t k = 24; k <= 48; ++k) {
                    const SteerState& s = sweep.states[way > 0 ? k : 48 - k];
                    const SteerWheel& w = right ? s.right : s.left;
                    ASSERT_FALSE(stopped && w.solved) << "stands again at " << s.rack;
                    if (!w.solved) {
                        stops += stopped ? 0 : 1;
                        stopped = true;
                        continue;
                    }
                    EXPECT_LT(std::fabs(w.steer), 90.0) << s.rack;
                    if (k > 24) {
                        EXPECT_GT(std::fabs(w.steer), std::fabs(before)) << s.rack;
                        EXPECT_GT(w.steer * before, k == 25 ? -1.0 : 0.0) << s.rack;
                    }
                    before = w.steer;
                }
            }
        }
        EXPECT_EQ(sweep.messages.size(), stops);
        for (const SteerState& s : sweep.states) {
            EXPECT_TRUE(!s.ackermannPercent || (s.right.solved && s.left.solved)) << s.rack;
        }
    }
    // The outer wheel of the dirt car would turn across the car at 9 in of rack: it stops there.
    const SuspensionState gm = testing::exampleState("gm-dirt-oval.kqw");
    std::vector<Message> messages;
    const SteerState far =
        SteeringPair::build(gm.RightCoords, gm.LeftCoords).solve(12, 100.0, &messages);
    EXPECT_FALSE(far.left.solved);
    EXPECT_FALSE(far.ackermannPercent);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].outcome, Outcome::SteeringStopsAt90Degrees);
}

TEST(Steering, LimitsAndIncompleteSidesAreRefusedWithAReason) {
    EXPECT_EQ(rackProblem(12), "");
    EXPECT_NE(rackProblem(12.5), "");
    EXPECT_NE(rackProblem(std::nan("")), "");
    EXPECT_NE(steerStepsProblem(0), "");
    EXPECT_EQ(steerStepsProblem(24), "");
    const SteeringPair pair = SteeringPair::build(CoordinateSet{}, parallelogramCorner());
    EXPECT_FALSE(pair.ready());
    ASSERT_EQ(pair.setupMessages().size(), 1u);
    EXPECT_EQ(pair.setupMessages()[0].outcome, Outcome::SteeringSideIncomplete);
    EXPECT_FALSE(pair.solve(1, 100.0).left.solved);
}

} // namespace
} // namespace velmora
