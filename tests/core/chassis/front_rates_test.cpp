#include "chassis/anti_dive.h"
#include "chassis/front_rates.h"
#include "chassis/spring_motion.h"
#include "example_state.h"
#include "geometry/static_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

namespace velmora::testing {
namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

SuspensionState springsExample() {
    return example("with-vehicle-data/gm-dirt-oval-springs.kqw");
}

// K_bar = G * J * (ratio * track)^2 / (L * R^2) * pi/180; a wall of the radius or more is solid.
TEST(FrontRates, BarStiffnessFollowsItsDimensions) {
    const struct {
        AntiRollBar bar;
        double rollStiffness; // with link ratio 0.6 and 30 in each side
    } cases[] = {
        {{1, 0, 40, 10, {}}, 6384.4003},
        {{1, 0.5, 40, 10, {}}, 6384.4003},
        {{1, 0.25, 40, 10, {}}, 6384.4003 * (1 - 0.0625)},
        {{1, 0, 40, 10, 5.75e6f}, 6384.4003 / 2},
        {{1, 0, 20, 20, {}}, 6384.4003 / 2},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(barRollStiffness(c.bar, 0.6, 30, 0.6, 30), c.rollStiffness, 1e-3)
            << c.bar.wall << " " << c.bar.activeLength;
    }
}

// The example's rates against the definitions worked through by hand.
TEST(FrontRates, RollGradientIsTheWeightsMomentOverBothAxlesStiffness) {
    SuspensionState state = springsExample();
    const FrontRates rates = frontRates(state);
    ASSERT_TRUE(rates.rollGradient) << (rates.messages.empty() ? "" : rates.messages[0].text);

    std::vector<Message> messages;
    const SpringPosition right =
        springsAtRide(state.RightCoords, state.Vehicle.springs.right, messages);
    const SpringPosition left =
        springsAtRide(state.LeftCoords, state.Vehicle.springs.left, messages);
    EXPECT_NEAR(*rates.wheelRateRight, 550 * std::pow(right.spring->motionRatio, 2), 1e-9);
    EXPECT_NEAR(*rates.wheelRateLeft, 500 * std::pow(left.spring->motionRatio, 2), 1e-9);
    const double springs =
        (*rates.wheelRateRight * 31.75 * 31.75 + *rates.wheelRateLeft * 31.5 * 31.5) * kDegree;
    EXPECT_NEAR(*rates.rollStiffness.springs, springs, 1e-9);
    const double bar = barRollStiffness(*state.Vehicle.springs.bar, *right.barLinkRatio, 31.75,
                                        *left.barLinkRatio, 31.5);
    EXPECT_NEAR(*rates.rollStiffness.front, springs + bar, 1e-9);
    EXPECT_NEAR(*rates.rollStiffness.frontSharePercent,
                100 * (springs + bar) / (springs + bar + 3200), 1e-9);

    RecordingMessageSink ignored;
    runStaticGeometry(state, ignored);
    const double front = state.RollCenterHeight;
    // 54 % on the front axle puts the CG 46 % of the wheelbase behind it.
    const double axis = front + (11 - front) * 0.46;
    EXPECT_NEAR(*rates.rollAxisHeightAtCg, axis, 1e-9);
    EXPECT_NEAR(*rates.rollGradient, 3100 * (17.5 - axis) / (springs + bar + 3200), 1e-9);

    // At 1.2 g left and 0.3 g braking: roll from the gradient, each side's dive from its share
    // of the transfer less its anti-dive over its wheel rate.
    const FrontEnd end = FrontEnd::build(state.RightCoords, state.LeftCoords);
    const StateFromG g = stateFromG(state, end, 1.2, 0.3);
    ASSERT_TRUE(g.solved);
    EXPECT_NEAR(g.state.roll, 1.2 * *rates.rollGradient, 1e-9);
    const AntiDive antiDives = antiDive(state.RightCoords, state.LeftCoords, state.Vehicle);
    const double half = 3100 * 0.3 * 17.5 / 108 / 2;
    EXPECT_NEAR(*g.diveRight,
                half * (1 - *antiDives.right.antiDivePercent / 100) / *rates.wheelRateRight, 1e-9);
    EXPECT_NEAR(g.state.dive, (*g.diveRight + *g.diveLeft) / 2, 1e-9);
}

TEST(FrontRates, AMissingInputLeavesItsValuesEmptyAndNamesIt) {
    SuspensionState state = springsExample();
    state.Vehicle.vehicleWeight.reset();
    state.Vehicle.springs.left.spring->rate.reset();
    const FrontRates rates = frontRates(state);
    EXPECT_TRUE(rates.wheelRateRight);
    EXPECT_FALSE(rates.wheelRateLeft);
    EXPECT_FALSE(rates.rollStiffness.front);
    EXPECT_FALSE(rates.rollGradient);
    std::string texts;
    for (const Message& m : rates.messages) {
        texts += m.text + "\n";
    }
    EXPECT_NE(texts.find("The left spring's rate is not set."), std::string::npos) << texts;
    EXPECT_NE(texts.find("Vehicle weight is not set."), std::string::npos) << texts;
    const FrontEnd end = FrontEnd::build(state.RightCoords, state.LeftCoords);
    EXPECT_FALSE(stateFromG(state, end, 1, 0).solved);
    EXPECT_TRUE(stateFromG(state, end, 0, 0).solved); // nothing asked, nothing needed
}

} // namespace
} // namespace velmora::testing
