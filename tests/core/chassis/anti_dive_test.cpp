#include "chassis/anti_dive.h"

#include "core/geometry/rigid_test_corners.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

// The parallelogram corner with its arm pivots set in the side view: top front and rear at
// heights `topFront`, `topRear`, bottom likewise, pivots at Z 20 and 30, ball joints at Z 25.
CoordinateSet sideView(float topFront, float topRear, float bottomFront, float bottomRear) {
    CoordinateSet c = testing::parallelogramCorner();
    c[10] = topFront;
    c[11] = topRear;
    c[13] = bottomFront;
    c[14] = bottomRear;
    return c;
}

TEST(AntiDive, FollowsTheSideViewInstantCentre) {
    VehicleData car;
    car.wheelbase = 100;
    car.cgHeight = 20;
    car.frontBrakePercent = 60;
    // Top line y = 15 + 0.1 (z - 20), bottom y = 7 + 0.2 (z - 20): they meet at z 100, y 23;
    // the contact patch is at z 25.
    const CoordinateSet converging = sideView(15, 16, 7, 9);
    const AntiDive d = antiDive(converging, converging, car);
    ASSERT_TRUE(d.left.instantCentre);
    EXPECT_NEAR(d.left.instantCentre->z, 100, 1e-9);
    EXPECT_NEAR(d.left.instantCentre->y, 23, 1e-9);
    ASSERT_TRUE(d.right.antiDivePercent);
    EXPECT_NEAR(*d.right.antiDivePercent, 60 * (23.0 / 75) * 100 / 20, 1e-9);
    const std::vector<AntiDiveRow> rows = antiDiveRows(d);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].left, "100.000");
    EXPECT_EQ(rows[2].right, "92.0");

    // Parallel lines: their common slope; sloping down rearward is pro-dive.
    const AntiDive parallel = antiDive(sideView(15, 14, 7, 6), CoordinateSet{}, car);
    EXPECT_FALSE(parallel.right.instantCentre);
    ASSERT_TRUE(parallel.right.antiDivePercent);
    EXPECT_NEAR(*parallel.right.antiDivePercent, 60 * -0.1 * 100 / 20, 1e-9);
    EXPECT_FALSE(parallel.left.complete);
    EXPECT_FALSE(parallel.left.antiDivePercent);
    EXPECT_EQ(antiDiveRows(parallel)[0].right, "-");

    // Without a CG height there is a geometry but no percentage.
    car.cgHeight.reset();
    const AntiDive missing = antiDive(converging, converging, car);
    EXPECT_TRUE(missing.left.instantCentre);
    EXPECT_FALSE(missing.left.antiDivePercent);
    EXPECT_TRUE(missing.messages.empty());
    const AntiDiveRow needs = antiDiveRows(missing)[2];
    EXPECT_TRUE(needs.bothSides);
    EXPECT_EQ(needs.right, kAntiDiveNeedsData) << "says what to set instead of a dash";

    // An instant centre straight above the contact patch has no angle: said, not divided by 0.
    // Top y = 15 + 0.8 (z - 20), bottom y = 7 + 2.4 (z - 20): they meet at z 25, y 19.
    const AntiDive above = antiDive(sideView(15, 23, 7, 31), CoordinateSet{}, car);
    ASSERT_TRUE(above.right.instantCentre);
    EXPECT_NEAR(above.right.instantCentre->z, 25, 1e-9);
    EXPECT_FALSE(above.right.antiDivePercent);
    ASSERT_EQ(above.messages.size(), 1u);
    EXPECT_EQ(above.messages[0].outcome, Outcome::AntiDiveAbovePatch);
}

} // namespace
} // namespace velmora
