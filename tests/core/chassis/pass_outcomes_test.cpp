#include "chassis/anti_dive.h"
#include "chassis/dive_roll.h"
#include "chassis/readings_comparison.h"
#include "chassis/steering.h"

#include "core/geometry/rigid_test_corners.h"
#include "core/geometry/sweep_test_corner.h"
#include "geometry/rigid_sweep.h"
#include "geometry/sensitivity.h"
#include "geometry/sweep.h"
#include "geometry/sweep_messages.h"

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace velmora {
namespace {

using testing::parallelogramCorner;

std::vector<Message> sweepNineEachWay(const CoordinateSet& corner) {
    return classicSweep(corner, false, Travel{9, 9}).messages;
}

// The outer tie rod joint on the ball joint line: no corner the 3-D solution can build.
CoordinateSet rodOnBallJointLine() {
    CoordinateSet c = parallelogramCorner();
    c[26] = 25;
    return c;
}

// The reference corner tops out over the first four positions of 9 inches each way.
ReadingsComparison readingsOnATopsOutCorner(float travel) {
    VehicleData vehicle;
    vehicle.readings = {{false, travel, 0.1f}};
    return compareReadings(testing::referenceWith({{4, 20.0f}, {5, 21.0f}}), false, vehicle,
                           Travel{9, 9});
}

AntiDive antiDiveOf(const CoordinateSet& right) {
    VehicleData car;
    car.wheelbase = 100;
    car.cgHeight = 20;
    car.frontBrakePercent = 60;
    return antiDive(right, CoordinateSet{}, car);
}

// Each pass marks the message it builds with the code callers test, and the code goes with
// the right words: a message with a code another result has would mislead whoever acts on it.
TEST(PassOutcomes, EachMessageCarriesTheCodeOfWhatItSays) {
    struct Case {
        const char* name;
        std::function<std::vector<Message>()> run;
        Outcome outcome;
        const char* textStart;
    };
    const std::vector<Case> cases = {
        {"tops out",
         [] {
             return sweepNineEachWay(testing::referenceWith({{4, 20}, {5, 21}}));
         },
         Outcome::SweepTopsOut, "Suspension tops out before 9 inches"},
        {"bottoms out",
         [] {
             return sweepNineEachWay(testing::referenceWith({{1, 18}, {2, 19}}));
         },
         Outcome::SweepBottomsOut, "Suspension bottoms out before"},
        {"tie rod binds",
         [] {
             return sweepNineEachWay(testing::referenceWith({{8, 23.5f}, {26, 24.1f}}));
         },
         Outcome::SweepTieRodBinds, "The tie rod binds"},
        {"data error",
         [] {
             return classicSweep(testing::referenceCorner(), false, Travel{-3, 3}).messages;
         },
         Outcome::SweepDataError, "A measurement was not entered properly"},
        {"3-D corner that cannot be built",
         [] {
             return rigidSweep(rodOnBallJointLine(), Travel{3, 3}).messages;
         },
         Outcome::RigidCannotSolve, "The 3-D check cannot solve this corner"},
        {"3-D corner that locks",
         [] {
             return rigidSweep(parallelogramCorner(5, 17), Travel{9, 9}).messages;
         },
         Outcome::RigidLocks, "The 3-D check stops at 5.25 inches of travel: the corner locks"},
        {"3-D solution that does not settle",
         [] { return std::vector{rigidNoConvergenceMessage(2)}; }, Outcome::RigidDoesNotSettle,
         "The 3-D check stops at 2 inches of travel: the solution"},
        {"dive and roll beyond the arms' reach",
         [] {
             const CoordinateSet c = parallelogramCorner();
             return FrontEnd::build(c, c).solve(kMostDive, kMostRoll).messages;
         },
         Outcome::RigidLocks, "The 3-D check stops at"},
        {"steering an empty side",
         [] { return SteeringPair::build(CoordinateSet{}, parallelogramCorner()).setupMessages(); },
         Outcome::SteeringSideIncomplete, "The right side is not complete"},
        {"steering a corner the 3-D solution cannot build",
         [] {
             return SteeringPair::build(parallelogramCorner(), rodOnBallJointLine())
                 .setupMessages();
         },
         Outcome::SteeringCannotSteer, "The left corner cannot be steered: the outer tie rod"},
        {"a wheel turned across the car",
         [] {
             const SuspensionState gm = testing::exampleState("gm-dirt-oval.kqw");
             std::vector<Message> messages;
             SteeringPair::build(gm.RightCoords, gm.LeftCoords).solve(12, 100.0, &messages);
             return std::vector{messages.at(1)};
         },
         Outcome::SteeringStopsAt90Degrees,
         "The left wheel stops at 9 inches of rack travel: it "
         "would steer 90"},
        {"a wheel at its toggle point",
         [] { return std::vector{steeringReachMessage("right", 3, SteerStop::Toggle)}; },
         Outcome::SteeringStopsAtToggle,
         "The right wheel stops at 3 inches of rack travel: its "
         "tie rod and steering arm pass their toggle point"},
        {"a wheel that does not settle",
         [] { return std::vector{steeringReachMessage("left", -2.5, SteerStop::Settle)}; },
         Outcome::SteeringStopsUnsettled,
         "The left wheel stops at -2.5 inches of rack travel: "
         "the solution does not settle"},
        {"anti-dive with the instant centre above the contact patch",
         [] {
             CoordinateSet c = parallelogramCorner();
             c[10] = 15, c[11] = 23, c[13] = 7, c[14] = 31;
             return antiDiveOf(c).messages;
         },
         Outcome::AntiDiveAbovePatch, "The right side has no anti-dive: its side-view instant"},
        {"anti-dive with a top arm of no length in the side view",
         [] {
             CoordinateSet c = parallelogramCorner();
             c[11] = c[10];
             c[20] = c[19];
             return antiDiveOf(c).messages;
         },
         Outcome::AntiDiveNoArmLines, "The right side has no anti-dive: its arm lines"},
        {"a reading beyond the travel", [] { return readingsOnATopsOutCorner(12).messages; },
         Outcome::ReadingOutsideTravel, "The reading at 12 in lies outside the swept travel"},
        {"a reading beside a position the sweep did not reach",
         [] { return readingsOnATopsOutCorner(8.5f).messages; }, Outcome::ReadingBesideUnreached,
         "The reading at 8.5 in lies next to a wheel position the sweep did not reach"},
        {"a coordinate the step would empty",
         [] {
             SensitivityInputs in;
             in.corner = parallelogramCorner();
             in.corner[19] = -0.125f;
             return sensitivityOf(in).rows[18].messages;
         },
         Outcome::SensitivityCoordinateEmptied, "Coordinate 19 would become 0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<Message> messages = c.run();
        ASSERT_FALSE(messages.empty());
        const Message* first = nullptr;
        for (const Message& m : messages) {
            EXPECT_NE(m.outcome, Outcome::None) << m.text;
            if (m.outcome == c.outcome && !first) {
                first = &m;
            }
        }
        ASSERT_NE(first, nullptr) << messages.front().text;
        EXPECT_TRUE(first->text.starts_with(c.textStart)) << first->text;
    }
}

} // namespace
} // namespace velmora
