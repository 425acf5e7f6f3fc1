#include "geometry/rigid_corner.h"
#include "geometry/rigid_walk.h"
#include "geometry/sweep.h"

#include "rigid_test_corners.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace velmora::testing {
namespace {

// A walker that can only bridge `longest` at a time, counting the steps that got it there.
struct Walker {
    double at = 0;
    int steps = 0;
};

TEST(RigidWalk, FailedStepIsRetriedInTwoFourAndEightPartsFromTheStart) {
    struct Case {
        const char* what;
        double from, to, guessAt, longest;
        bool arrives;
        int steps; // of the walker that arrived, counted from its start or guess
    };
    const Case cases[] = {
        {"one step from the start", 0, 1, 0, 2, true, 1},
        {"halves", 0, 1, 0, 0.6, true, 2},
        {"quarters", 0, 1, 0, 0.3, true, 4},
        {"eighths", 0, 1, 0, 0.15, true, 8},
        {"too far even in eighths", 0, 1, 0, 0.1, false, 0},
        {"from a near guess in one", 0, 1, 0.9, 0.2, true, 1},
        {"a far guess is dropped", 0, 1, -3, 0.6, true, 2},
        {"backwards, inexact parts", 0.7, 0.1, 0.7, 0.2, true, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Walker start{c.from, 0};
        const Walker guess{c.guessAt, 0};
        Walker reached{-99, -1};
        const bool arrived =
            stepInSubsteps(c.from, c.to, start, guess, reached, [&](double at, Walker& w) {
                if (!(std::fabs(at - w.at) <= c.longest)) {
                    return false;
                }
                w.at = at;
                ++w.steps;
                return true;
            });
        EXPECT_EQ(arrived, c.arrives);
        if (c.arrives) {
            EXPECT_EQ(reached.at, c.to); // exactly, not one rounding off
            EXPECT_EQ(reached.steps, c.steps);
        } else {
            EXPECT_EQ(reached.at, -99);
            EXPECT_EQ(reached.steps, -1);
        }
    }
}

TEST(RigidWalk, StepsCoverTheDistanceAndTheLastPartLandsOnTheEnd) {
    struct Case {
        double distance, longest;
        int steps;
    };
    for (const Case& c : {Case{0, 0.25, 1}, Case{0.25, 0.25, 1}, Case{0.26, 0.25, 2},
                          Case{-1, 0.25, 4}, Case{-1.01, 0.25, 5}}) {
        EXPECT_EQ(stepsOver(c.distance, c.longest), c.steps) << c.distance;
    }
    // 0.1 + (0.3 - 0.1) is not 0.3 in doubles; the end of a walk must be.
    EXPECT_EQ(partWay(0.1, 0.3, 3, 3), 0.3);
    EXPECT_EQ(partWay(0.1, 0.3, 1, 2), 0.1 + (0.3 - 0.1) * 1 / 2);
}

TEST(RigidWalk, TravelWalkThatCannotGoOnStaysWhereItWasAndCanStillMove) {
    // Equal parallel arms of 5 in: the upright rises with the travel without turning, and
    // cannot rise 5.25 in.
    std::string why;
    const std::optional<RigidCorner> corner =
        RigidCorner::build(cornerPoints(parallelogramCorner(5, 17)), why);
    ASSERT_TRUE(corner) << why;
    const double topY = corner->staticPose().TB.y;
    TravelWalk walk(*corner);
    for (double t = 0.25; t <= 4.5; t += 0.25) {
        ASSERT_EQ(walk.moveTo(t).status, PoseStatus::Converged) << t;
        EXPECT_NEAR(walk.pose().TB.y, topY + t, 1e-9) << t;
    }
    const UprightPose before = walk.pose();
    const PoseSolution failed = walk.moveTo(5.25);
    EXPECT_NE(failed.status, PoseStatus::Converged);
    EXPECT_GT(failed.iterations, 0);
    EXPECT_EQ(walk.pose().TB.y, before.TB.y);
    EXPECT_EQ(walk.pose().RO.z, before.RO.z);
    // Back within reach, and back down: the failure left nothing behind to extrapolate from.
    for (double t : {4.75, 4.5, 3.5}) {
        ASSERT_EQ(walk.moveTo(t).status, PoseStatus::Converged) << t;
        EXPECT_NEAR(walk.pose().TB.y, topY + t, 1e-9) << t;
        EXPECT_NEAR(walk.pose().TB.x, before.TB.x, 5) << t; // still the assembly it started on
    }
}

} // namespace
} // namespace velmora::testing
