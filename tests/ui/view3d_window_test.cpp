#include "main_window_fixture.h"

#include "chassis_pages/camera3d.h"
#include "chassis_pages/scene3d.h"
#include "ui/chassis/step_box.h"
#include "ui/chassis/view3d_window.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QOpenGLWidget>
#include <QTest>

namespace velmora::testing {
namespace {

// The painter's renderer stands in where OpenGL cannot start; forced here as on a machine
// without a driver.
class View3dTest : public MainWindowTest {
protected:
    void SetUp() override {
        qputenv("VELMORA_NO_OPENGL", "1");
        MainWindowTest::SetUp();
        open(examplePath("gm-dirt-oval.kqw"));
        menu("mnuView3d")->trigger();
        view = window->windows().view3d;
        ASSERT_NE(view, nullptr);
        surface = view->findChild<QWidget*>(QStringLiteral("picView3d"));
    }
    void TearDown() override {
        MainWindowTest::TearDown();
        qunsetenv("VELMORA_NO_OPENGL");
    }
    View3dWindow* view = nullptr;
    QWidget* surface = nullptr;
};

TEST_F(View3dTest, TurnsZoomsAndPansByMouseAndKeys) {
    EXPECT_FALSE(view->usesOpenGl());
    EXPECT_EQ(qobject_cast<QOpenGLWidget*>(surface), nullptr);
    EXPECT_TRUE(view->findChild<QLabel*>(QStringLiteral("lbl3dStatus"))
                    ->text()
                    .startsWith(QStringLiteral("OpenGL could not start")));
    ASSERT_TRUE(view->scene().solved);
    const Scene3d& scene = view->scene();
    const struct {
        int key;
        View3d view;
    } keys[] = {{Qt::Key_1, View3d::Front},
                {Qt::Key_2, View3d::Side},
                {Qt::Key_3, View3d::Top},
                {Qt::Key_0, View3d::Iso}};
    for (const auto& k : keys) {
        QTest::keyClick(surface, static_cast<Qt::Key>(k.key));
        const Camera3d c = standardCamera(k.view, scene.centre, scene.size);
        EXPECT_EQ(view->camera().azimuth, c.azimuth);
        EXPECT_EQ(view->camera().elevation, c.elevation);
        EXPECT_EQ(view->camera().distance, c.distance);
    }
    const Camera3d before = view->camera();
    QTest::mousePress(surface, Qt::LeftButton, {}, {100, 100});
    QTest::mouseMove(surface, {150, 90});
    QMouseEvent drag(QEvent::MouseMove, QPointF(200, 80), QPointF(200, 80), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(surface, &drag);
    EXPECT_NE(view->camera().azimuth, before.azimuth);
    EXPECT_EQ(view->camera().distance, before.distance);
    QTest::keyClick(surface, Qt::Key_Plus);
    EXPECT_LT(view->camera().distance, before.distance);
    const Point3 target = view->camera().target;
    QTest::keyClick(surface, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_NE(view->camera().target.x, target.x);
}

// The boxes set the state the scene is solved at; the scene follows the project; Play walks
// the range and stops at a state the solution cannot reach.
TEST_F(View3dTest, MovesThroughTheStatesAndFollowsTheProject) {
    auto* motion = view->findChild<QComboBox*>(QStringLiteral("cbo3dMotion"));
    motion->setCurrentIndex(2); // dive and roll
    auto* roll = view->findChild<StepBox*>(QStringLiteral("txt3dRoll"));
    roll->findChild<QLineEdit*>()->setText(QStringLiteral("2"));
    roll->stepBy(0);
    const SceneState at = view->sceneState();
    EXPECT_EQ(at.motion, SceneMotion::DiveRoll);
    EXPECT_EQ(at.roll, 2.0);
    const Scene3d expected = buildScene(window->state(), at);
    ASSERT_EQ(view->scene().joints.size(), 16u);
    EXPECT_EQ(view->scene().joints[2].world.x, expected.joints[2].world.x);

    view->stepAnimation();
    EXPECT_NE(view->sceneState().roll, 2.0);

    QTest::keyClick(surface, Qt::Key_Space);
    EXPECT_TRUE(view->playing());
    menu("mnuNew")->trigger(); // an empty project: nothing to draw, the animation stops
    EXPECT_FALSE(view->scene().solved);
    EXPECT_FALSE(view->playing());
}

} // namespace
} // namespace velmora::testing
