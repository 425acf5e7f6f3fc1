#include "chassis/dive_roll.h"
#include "chassis/pose_at_travel.h"
#include "chassis/steering.h"
#include "chassis_pages/camera3d.h"
#include "chassis_pages/scene3d.h"
#include "chassis_pages/scene_painter.h"
#include "chassis_pages/view3d_page.h"
#include "geometry/rigid_corner.h"
#include "model/number_text.h"
#include "printing/recording_printer.h"

#include "../chassis/example_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace velmora::testing {
namespace {

const Point3 kPoints[] = {{0, 0, 0}, {10, 0, 0}, {0, 10, 0}, {0, 0, 10}, {-7, 3, 21}, {4, -9, 2}};

// The standard views are square to their axes with the signs the program's front and side
// views use, and orthographic projection is an affine map: screen = c + s * (two axes).
TEST(Camera3d, StandardViewsAreSquareToTheirAxes) {
    const struct {
        View3d view;
        Point3 right, up; // the world axes along the picture's x and (up) its -y
    } cases[] = {
        {View3d::Front, {1, 0, 0}, {0, 1, 0}},
        {View3d::Side, {0, 0, 1}, {0, 1, 0}},
        {View3d::Top, {1, 0, 0}, {0, 0, 1}},
    };
    for (const auto& c : cases) {
        Camera3d camera = standardCamera(c.view, {1, 2, 3}, 100);
        camera.perspective = false;
        const Projection p(camera, 800, 600);
        const double s = p.scaleAtTarget();
        for (const Point3& w : kPoints) {
            const Point3 d{w.x - 1, w.y - 2, w.z - 3};
            const ScreenPoint at = p(w);
            EXPECT_NEAR(at.x, 400 + s * (d.x * c.right.x + d.y * c.right.y + d.z * c.right.z),
                        1e-9);
            EXPECT_NEAR(at.y, 300 - s * (d.x * c.up.x + d.y * c.up.y + d.z * c.up.z), 1e-9);
        }
    }
}

// Perspective is a pinhole: a point and any point farther along the ray from the eye land on
// the same pixel, and the picture of a point at the target is the picture's centre.
TEST(Camera3d, PerspectiveIsAPinholeMap) {
    Camera3d camera;
    camera.azimuth = 35;
    camera.elevation = 25;
    camera.distance = 150;
    camera.target = {0, 10, 20};
    const Projection p(camera, 640, 480);
    const ScreenPoint centre = p(camera.target);
    EXPECT_NEAR(centre.x, 320, 1e-9);
    EXPECT_NEAR(centre.y, 240, 1e-9);
    const Point3 eye{camera.target.x - 150 * p.forward().x, camera.target.y - 150 * p.forward().y,
                     camera.target.z - 150 * p.forward().z};
    for (const Point3& w : kPoints) {
        const Point3 farther{eye.x + 2.5 * (w.x - eye.x), eye.y + 2.5 * (w.y - eye.y),
                             eye.z + 2.5 * (w.z - eye.z)};
        EXPECT_NEAR(p(w).x, p(farther).x, 1e-9);
        EXPECT_NEAR(p(w).y, p(farther).y, 1e-9);
        EXPECT_NEAR(p(farther).depth, 2.5 * p(w).depth, 1e-9);
    }
}

void expectAt(const SceneJoint& joint, const Point3& own, const char* what) {
    const double x = joint.right ? -own.x : own.x;
    EXPECT_NEAR(joint.world.x, x, 1e-12) << what << " row " << joint.row;
    EXPECT_NEAR(joint.world.y, own.y, 1e-12) << what << " row " << joint.row;
    EXPECT_NEAR(joint.world.z, own.z, 1e-12) << what << " row " << joint.row;
}

// The scene's moving joints are the 3-D solution's at a travel, a roll and a rack travel.
TEST(Scene3d, JointsAreTheSolutionsAtTravelRollAndRack) {
    const SuspensionState state = example("gm-dirt-oval.kqw");
    const FrontEnd front = FrontEnd::build(state.RightCoords, state.LeftCoords);
    const DiveRollState rolled = front.solve(0.5, 2);
    const SteerState steered =
        SteeringPair::build(state.RightCoords, state.LeftCoords).solve(1, std::nullopt);
    const struct {
        SceneState at;
        const char* what;
    } cases[] = {{{SceneMotion::Travel, 1.5, 0, 0, 0}, "travel"},
                 {{SceneMotion::DiveRoll, 0, 0.5, 2, 0}, "roll"},
                 {{SceneMotion::Rack, 0, 0, 0, 1}, "rack"}};
    for (const auto& c : cases) {
        const Scene3d scene = buildScene(state, c.at);
        ASSERT_TRUE(scene.solved) << c.what;
        ASSERT_EQ(scene.joints.size(), 16u);
        for (const bool right : {true, false}) {
            std::string why;
            const auto corner =
                RigidCorner::build(cornerPoints(right ? state.RightCoords : state.LeftCoords), why);
            UprightPose pose;
            Point3 inner = corner->points().RI;
            if (c.at.motion == SceneMotion::Rack) {
                const SteerWheel& w = right ? steered.right : steered.left;
                pose = w.pose;
                inner = w.innerJoint;
            } else {
                const double t = c.at.motion == SceneMotion::Travel
                                     ? c.at.travel
                                     : (right ? rolled.right.travel : rolled.left.travel);
                Message failure;
                pose = *poseAtTravel(*corner, t, failure);
            }
            const std::size_t first = right ? 0 : 8;
            expectAt(scene.joints[first + 2], pose.TB, c.what);
            expectAt(scene.joints[first + 5], pose.BB, c.what);
            expectAt(scene.joints[first + 6], inner, c.what);
            expectAt(scene.joints[first + 7], pose.RO, c.what);
            expectAt(scene.joints[first + 0], corner->points().TF, c.what);
        }
        if (c.at.motion == SceneMotion::DiveRoll) {
            // The dive and roll state's own front view of the ball joints, to the last digit,
            // and its table's numbers.
            EXPECT_NEAR(scene.joints[2].world.x, rolled.right.topBall.u, 1e-12);
            EXPECT_NEAR(scene.joints[13].world.y, rolled.left.bottomBall.v, 1e-12);
            ASSERT_EQ(scene.values.size(), 3u);
            EXPECT_NE(scene.values[0].find("travel " + fixedText(rolled.right.travel, 3)),
                      std::string::npos)
                << scene.values[0];
        }
    }
    // An incomplete project, or a state the corner cannot reach, says so and draws nothing.
    for (const auto& [project, at] :
         {std::pair{SuspensionState{}, SceneState{}},
          std::pair{state, SceneState{SceneMotion::Rack, 0, 0, 0, 11.5}}}) {
        const Scene3d none = buildScene(project, at);
        EXPECT_FALSE(none.solved);
        EXPECT_FALSE(none.messages.empty());
        EXPECT_TRUE(none.joints.empty());
    }
}

// A tire centre typed absurdly far out (a slip of the keyboard) still gives a floor of a
// few hundred lines, not one every foot out to it.
TEST(Scene3d, AFarTireCentreKeepsTheFloorGridSmall) {
    for (const float far : {1e5f, 99999999999.0f, 1e30f, 3e38f}) {
        SuspensionState state = example("gm-dirt-oval.kqw");
        state.RightCoords[9] = far;
        const Scene3d scene = buildScene(state, {});
        EXPECT_LT(scene.lines.size(), 1000u) << far;
    }
}

// A state the front end cannot reach prints why, whole, in lines that fit across the page and
// stay above the file line.
TEST(Scene3d, ThePrintedPageWrapsTheReasonsTheViewIsEmpty) {
    const SuspensionState state = example("gm-dirt-oval.kqw");
    const SceneState at{SceneMotion::Rack, 0, 0, 0, 11.5};
    const Scene3d scene = buildScene(state, at);
    ASSERT_FALSE(scene.messages.empty());
    RecordingPrinter printer;
    buildView3dPage(printer, scene, standardCamera(View3d::Iso, scene.centre, scene.size),
                    sceneStateText(at), "gm.kqw");
    std::string printed;
    double y = 0, lowest = 0, fileLine = 0;
    for (const PrintOp& op : printer.operations()) {
        if (const auto* p = std::get_if<printop::Position>(&op)) {
            y = p->y;
        } else if (const auto* text = std::get_if<printop::Print>(&op)) {
            for (const PrintItem& item : text->items) {
                EXPECT_LE(item.text.size(), 100u) << item.text;
                if (item.text == "gm.kqw") {
                    fileLine = y;
                } else {
                    printed += item.text + " ";
                    lowest = std::max(lowest, y);
                }
            }
        }
    }
    EXPECT_GT(fileLine, lowest);
    for (const Message& m : scene.messages) {
        EXPECT_NE(printed.find(m.text.substr(m.text.size() - 20)), std::string::npos) << m.text;
    }
}

// The pointer finds the joint under it and names it in the side's own frame, as the coordinate
// table holds it.
TEST(Scene3d, TheJointUnderThePointerNamesItselfWithItsTableValues) {
    const SuspensionState state = example("gm-dirt-oval.kqw");
    const Scene3d scene = buildScene(state, {});
    const Camera3d camera = standardCamera(View3d::Iso, scene.centre, scene.size);
    const Projection p(camera, 800, 600);
    const ScreenPoint ball = p(scene.joints[2].world); // the right top ball joint
    const auto hit = jointAt(scene, p, ball.x + 3, ball.y - 2);
    ASSERT_TRUE(hit);
    EXPECT_EQ(jointCaption(scene.joints[*hit]),
              "Right Top Arm Ball Joint: X 22.750, Y 18.250, Z 26.750 in");
    EXPECT_FALSE(jointAt(scene, p, -50, -50));
}

} // namespace
} // namespace velmora::testing
