#include "geometry/checked_math.h"
#include "geometry/corner_statics.h"
#include "geometry/roll_centre.h"
#include "geometry/sweep.h"
#include "sweep_test_corner.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace velmora {
namespace {

using sweepmath::ArithmeticFault;

// True when (u, height) lies on the line through (patchU, 0) and (icU, icHeight).
bool onLine(double u, double height, double patchU, double icU, double icHeight) {
    const double cross = (icU - patchU) * height - icHeight * (u - patchU);
    return std::fabs(cross) < 1e-9 * (1 + std::fabs(u) + std::fabs(height));
}

TEST(CarRollCentre, IsTheIntersectionOfBothContactPatchLines) {
    struct Case {
        const char* name;
        RollCentreSide right, left;
    };
    // {tire centre, instant centre height, instant centre u (toward the left side)}
    const Case cases[] = {
        {"symmetric, far-side instant centres", {31, 10, 20}, {31, 10, -20}},
        {"asymmetric, opposite slopes", {31, 10, 20}, {30, 6, -40}},
        {"instant centres below the floor", {31, -3, 25}, {31, -2, -25}},
        // Both lines rise toward the left; the left (inner) one is the flatter.
        {"both slopes positive, inner line flatter", {31, 10, 20}, {31, 2, 60}},
        {"both slopes positive, inner line steeper", {31, 2, 60}, {31, 10, 40}},
        {"both slopes negative", {31, -2, 20}, {31, 8, -10}},
    };
    for (const Case& c : cases) {
        const CarRollCentre rc = carRollCentre(c.right, c.left);
        EXPECT_TRUE(
            onLine(rc.offset, rc.height, -c.right.tireCentre, c.right.icU, c.right.icHeight))
            << c.name;
        EXPECT_TRUE(onLine(rc.offset, rc.height, c.left.tireCentre, c.left.icU, c.left.icHeight))
            << c.name;
    }
}

TEST(CarRollCentre, SymmetricCarHasItOnTheCentreline) {
    const CarRollCentre rc = carRollCentre({31, 10, 20}, {31, 10, -20});
    EXPECT_NEAR(rc.offset, 0.0, 1e-12);
    EXPECT_NEAR(rc.height, 31.0 * 10 / 51, 1e-12);
}

// Where the two lines rise the same way and the inner one is the flatter, the crossing lies
// outside the left contact patch. Found by intersecting the lines, it sits on both; a point
// mirrored about the left contact patch would sit on neither.
TEST(CarRollCentre, SameSignSlopesGiveThePointBeyondTheLeftPatch) {
    const CarRollCentre rc = carRollCentre({31, 10, 20}, {31, 2, 60});
    // Right line: slope 10/51 through u = -31; left line: slope 2/29 through u = +31.
    const double u = (31.0 * 2 / 29 + 31.0 * 10 / 51) / (2.0 / 29 - 10.0 / 51);
    EXPECT_NEAR(rc.offset, u, 1e-9);
    EXPECT_LT(rc.offset, -31.0);
    EXPECT_LT(rc.height, 0.0);
    EXPECT_NEAR(rc.height, 10.0 / 51 * (u + 31), 1e-9);
}

TEST(CarRollCentre, DegenerateLinesAreArithmeticFailures) {
    // An instant centre at floor height.
    EXPECT_THROW(carRollCentre({31, 0, 20}, {31, 10, -20}), ArithmeticFault);
    EXPECT_THROW(carRollCentre({31, 10, 20}, {31, 0, -20}), ArithmeticFault);
    // Parallel lines: equal slopes 10/51 on both sides.
    EXPECT_THROW(carRollCentre({31, 10, 20}, {31, -10, -20}), ArithmeticFault);
    // An instant centre straight above a contact patch.
    EXPECT_THROW(carRollCentre({31, 10, -31}, {31, 10, -20}), ArithmeticFault);
}

TEST(InstantCentre, LiesWhereTheArmLinesMeet) {
    // Top arm line y = 14 + 0.1 x, bottom arm line y = 8 - 0.1 x: they meet at x = -30,
    // on the far side of the centreline, 11 inches up.
    const InstantCentre far =
        frontViewInstantCentre({10, 15, 0}, {20, 16, 0}, {10, 7, 0}, {20, 6, 0});
    EXPECT_FALSE(far.onWheelSide);
    EXPECT_NEAR(far.x, 30.0, 1e-5);
    EXPECT_NEAR(far.y, 11.0, 1e-5);
    // Swapped slopes meet at x = +30, on the wheel's side, 11 inches up.
    const InstantCentre near =
        frontViewInstantCentre({10, 13, 0}, {20, 12, 0}, {10, 9, 0}, {20, 10, 0});
    EXPECT_TRUE(near.onWheelSide);
    EXPECT_NEAR(near.x, 30.0, 1e-5);
    EXPECT_NEAR(near.y, 11.0, 1e-5);
}

TEST(InstantCentre, ParallelArmLinesAreAnArithmeticFailure) {
    EXPECT_THROW(frontViewInstantCentre({10, 15, 0}, {20, 16, 0}, {10, 7, 0}, {20, 8, 0}),
                 ArithmeticFault);
}

// The height at the centreline, above the contact patch, of the line from the patch through
// the instant centre.
TEST(InstantCentre, WheelRollCentreHeightIsMeasuredFromThePatch) {
    const InstantCentre far{19, 10, false};
    EXPECT_NEAR(wheelRollCentreHeight(far, 31, 0), 31.0 * 10 / 50, 1e-12);
    EXPECT_NEAR(wheelRollCentreHeight(far, 31, 2), 31.0 * 8 / 50, 1e-12);
    const InstantCentre near{60, 10, true}; // beyond the tire: the line slopes down inboard
    EXPECT_NEAR(wheelRollCentreHeight(near, 31, 0), -31.0 * 10 / 29, 1e-12);
}

// The sweep leaves a roll centre unsolved only where it cannot fail; a promise that is wrong
// would drop a data error. Over random arm lines, many of them nearly parallel, nearly
// vertical or with the instant centre nearly above the patch, every promised case solves,
// lands on the lines' intersection, and ordinary geometry gets the promise.
TEST(InstantCentre, TheNoFailurePromiseHolds) {
    std::mt19937 random(2024u);
    std::uniform_real_distribution<double> unit(-1, 1);
    int promised = 0;
    int ordinaryPromised = 0;
    for (int n = 0; n < 20000; ++n) {
        const int kind = n % 4; // ordinary, nearly parallel, steep, above the patch
        ArmLines l{0.3 * unit(random), 20 + 10 * unit(random), 0.3 * unit(random),
                   8 + 5 * unit(random)};
        if (kind == 1) {
            l.mb = l.mt + std::pow(10.0, -3 - 12 * std::fabs(unit(random))) * unit(random);
        } else if (kind == 2) {
            l.mt = std::pow(10.0, 2 + 2 * std::fabs(unit(random))) * unit(random);
        }
        const double x = (l.ct - l.cb) / (l.mb - l.mt);
        double patchX = 30 + 5 * unit(random);
        if (kind == 3) {
            patchX = std::fabs(x) *
                     (1 + std::pow(10.0, -2 - 12 * std::fabs(unit(random))) * unit(random));
        }
        const double travel = 3 * unit(random);
        if (!rollCentreCannotFail(l, patchX, travel)) {
            continue;
        }
        ++promised;
        ordinaryPromised += kind == 0 ? 1 : 0;
        InstantCentre ic;
        ASSERT_NO_THROW(ic = instantCentreOf(l)) << n;
        EXPECT_NEAR(ic.x, std::fabs(x), 1e-4 * std::fabs(x)) << n;
        EXPECT_NEAR(ic.y, l.ct + l.mt * x, 1e-4 * (std::fabs(l.ct) + std::fabs(l.mt * x))) << n;
        ASSERT_NO_THROW(wheelRollCentreHeight(ic, patchX, travel)) << n;
    }
    EXPECT_GT(ordinaryPromised, 4900);
    EXPECT_LT(promised, 20000);
    EXPECT_FALSE(rollCentreCannotFail({0.1, 20, 0.1, 8}, 30, 0));  // parallel
    EXPECT_FALSE(rollCentreCannotFail({2e3, 20, 0.1, 8}, 30, 0));  // steep
    EXPECT_FALSE(rollCentreCannotFail({-0.1, 14, 0.1, 8}, 30, 0)); // instant centre above it
}

// The sweep keeps the roll centre of the position it finished last, however many it left
// unsolved on the way: the one of the last position that has its joints, at its own travel
// and contact patch, exactly. Positions skipped by a message at the ends do not count.
TEST(InstantCentre, TheSweepKeepsTheRollCentreOfItsLastFinishedPosition) {
    struct Case {
        CoordinateSet corner;
        float bump, rebound;
    };
    const Case cases[] = {{testing::referenceCorner(), 3, 3},
                          {testing::referenceCorner(), 1.7f, 2.3f},
                          {testing::referenceCorner(), 9, 9},
                          {testing::referenceWith({{3, 21}, {12, 17.5f}}), 9, 9},
                          {testing::referenceWith({{6, 27}, {15, 5.5f}}), 5, 0.5f}};
    int checked = 0;
    for (const Case& c : cases) {
        const SweepResult r = classicSweep(c.corner, false, Travel{c.bump, c.rebound});
        if (r.report.dataError) {
            continue;
        }
        const CornerPoints points = cornerPoints(c.corner);
        const CornerStatics statics = cornerStatics(points);
        float t = r.VU;
        float lastTravel = 0;
        int last = 0;
        for (int i = 1; i <= positionCount(r.VU, r.VD, r.VY); ++i, t -= r.VY) {
            if (t != 0.0f && !std::isnan(r.BallJointPos[i].top.x)) {
                last = i;
                lastTravel = t;
            }
        }
        ASSERT_GT(last, 1);
        const BallJointPair& joints = r.BallJointPos[last];
        const InstantCentre ic = frontViewInstantCentre(statics.top.axisFoot, joints.top,
                                                        statics.bottom.axisFoot, joints.bottom);
        EXPECT_EQ(r.RollCenterHeight,
                  wheelRollCentreHeight(ic, points.TC + r.SideScrub[last], lastTravel));
        ++checked;
    }
    EXPECT_GE(checked, 3);
}

} // namespace
} // namespace velmora
