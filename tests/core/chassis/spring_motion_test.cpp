#include "chassis/dive_roll.h"
#include "chassis/pose_at_travel.h"
#include "chassis/spring_motion.h"
#include "example_state.h"
#include "geometry/rigid_sweep.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

namespace velmora::testing {
namespace {

// A spring on the bottom arm `a` inches out from its pivot axis, leaning `tilt` degrees
// outboard from square to the arm.
StrutMount springAt(double a, double tilt, float rate) {
    const double t = tilt * std::numbers::pi / 180;
    StrutMount spring;
    spring.onArm = {static_cast<float>(10 + a), 7, 25};
    spring.onChassis = {static_cast<float>(10 + a + 10 * std::sin(t)),
                        static_cast<float>(7 + 10 * std::cos(t)), 25};
    spring.rate = rate;
    return spring;
}

// A spring square to its arm at a from the pivot axis, on an arm reaching b to its ball joint,
// moves a/b of the wheel; leaning it by theta scales that by cos(theta). Its wheel rate is
// rate x MR^2, and a mount on the pivot axis is refused.
TEST(SpringMotion, MotionRatioFollowsTheLeverAndTheLean) {
    const struct {
        double a;
        double tilt;
    } cases[] = {{6, 0}, {9, 0}, {6, 20}, {8, 35}};
    for (const auto& c : cases) {
        CornerSprings springs;
        springs.spring = springAt(c.a, c.tilt, 500);
        std::vector<Message> messages;
        const SpringPosition at = springsAtRide(parallelArms(), springs, messages);
        ASSERT_TRUE(at.spring) << c.a;
        // The mount's place is single precision; the lever it gives is a few 1e-7 off.
        const double lever = (springs.spring->onArm.x - 10.0) / 12.0;
        const double cosTilt = std::cos(c.tilt * std::numbers::pi / 180);
        EXPECT_NEAR(at.spring->motionRatio, lever * cosTilt, 2e-6) << c.a << " " << c.tilt;
        EXPECT_NEAR(*at.wheelRate, 500 * at.spring->motionRatio * at.spring->motionRatio, 1e-9);
        EXPECT_NEAR(at.spring->lengthChange, 0, 1e-12);
    }
    CornerSprings onAxis;
    onAxis.spring = springAt(0, 0, 500);
    std::vector<Message> messages;
    EXPECT_FALSE(springsAtRide(parallelArms(), onAxis, messages).spring);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].text.find("pivot axis"), std::string::npos) << messages[0].text;
}

// Over the travel of real corners the analytic ratios agree with the lengths' own change, and
// the bar link's ratio with its height's change.
TEST(SpringMotion, RatiosAreTheDerivativesOfTheLengthsOverTravel) {
    for (const char* name : {"gm-dirt-oval.kqw", "formula-road-course.kqw"}) {
        const SuspensionState state = example(name);
        const CornerPoints p = cornerPoints(state.RightCoords);
        std::string why;
        const std::optional<RigidCorner> corner = RigidCorner::build(p, why);
        ASSERT_TRUE(corner) << why;
        // Mounts part way along each arm, the chassis ends above and inboard.
        const auto along = [](const Point3& a, const Point3& b, double f) {
            return MountPoint{static_cast<float>(a.x + f * (b.x - a.x)),
                              static_cast<float>(a.y + f * (b.y - a.y)),
                              static_cast<float>(a.z + f * (b.z - a.z))};
        };
        StrutMount spring{ArmMember::Bottom, along(p.BF, p.BB, 0.6), {}, 400.0f};
        spring.onChassis = {spring.onArm.x - 2, spring.onArm.y + 12, spring.onArm.z + 1};
        StrutMount damper{ArmMember::Top, along(p.TR, p.TB, 0.7), {}, std::nullopt};
        damper.onChassis = {damper.onArm.x - 4, damper.onArm.y + 9, damper.onArm.z - 2};
        const BarLink link{ArmMember::Bottom, along(p.BR, p.BB, 0.5)};
        CornerSprings springs{spring, damper, link};

        const SpringCurves curves = springCurves(state.RightCoords, springs, Travel{3, 3});
        ASSERT_TRUE(curves.complete);
        ASSERT_EQ(curves.positions.size(), 25u);
        for (std::size_t i = 0; i < curves.positions.size(); i += 6) {
            const SpringPosition& at = curves.positions[i];
            ASSERT_TRUE(at.solved && at.spring && at.damper && at.barLinkRatio) << name << i;
            // Central differences of the lengths at t +- h, each pose solved on its own.
            constexpr double h = 1e-3;
            Message failure;
            const auto lengths = [&](double t) {
                const UprightPose pose = *poseAtTravel(*corner, t, failure);
                const UprightPose still{}; // the position alone: its rate is not used
                return std::array<double, 3>{
                    strutAt(p, spring, pose, still)->length,
                    strutAt(p, damper, pose, still)->length,
                    carriedPoint(p, link.arm, Point3{link.point.x, link.point.y, link.point.z},
                                 pose, still)
                        ->position.y};
            };
            const auto ahead = lengths(at.travel + h);
            const auto behind = lengths(at.travel - h);
            EXPECT_NEAR(at.spring->motionRatio, -(ahead[0] - behind[0]) / (2 * h), 1e-6) << name;
            EXPECT_NEAR(at.damper->motionRatio, -(ahead[1] - behind[1]) / (2 * h), 1e-6) << name;
            EXPECT_NEAR(*at.barLinkRatio, (ahead[2] - behind[2]) / (2 * h), 1e-6) << name;
            EXPECT_NEAR(*at.wheelRate, 400 * at.spring->motionRatio * at.spring->motionRatio, 1e-9);
            EXPECT_FALSE(at.damper->motionRatio == 0);
        }
    }
}

// On a symmetric car at ride height the kinematic roll centre lies on the centreline at the
// tire-centre distance times the side scrub's slope.
TEST(KinematicRollCentre, SymmetricCarAtRideHeightIsTrackTimesScrubSlope) {
    for (const char* name : kExamples) {
        const SuspensionState state = example(name);
        const FrontEnd front = FrontEnd::build(state.LeftCoords, state.LeftCoords);
        const DiveRollState s = front.solve(0, 0);
        ASSERT_TRUE(s.solved && s.kinematicRollCentre) << name;
        const CornerPoints p = cornerPoints(state.LeftCoords);
        std::string why;
        const RigidCorner corner = *RigidCorner::build(p, why);
        Message failure;
        constexpr double h = 1e-3;
        PoseReading up;
        PoseReading down;
        ASSERT_TRUE(readPose(corner, *poseAtTravel(corner, h, failure), up));
        ASSERT_TRUE(readPose(corner, *poseAtTravel(corner, -h, failure), down));
        const double scrubSlope = (up.contact.x - down.contact.x) / (2 * h);
        const double patchRise = (up.contact.y - down.contact.y) / (2 * h);
        // The patch rises one inch per inch but for the cosine of its camber.
        EXPECT_NEAR(patchRise, 1, 1e-3) << name;
        EXPECT_NEAR(s.kinematicRollCentre->height, p.TC * scrubSlope / patchRise, 1e-5) << name;
        EXPECT_NEAR(s.kinematicRollCentre->offset, 0, 1e-9) << name;
    }
}

} // namespace
} // namespace velmora::testing
