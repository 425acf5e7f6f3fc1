// The 3-D view: one orbit step and one animation step of the window at 1600x1000 until it has
// painted (on OpenGL when the display has it: run under Xvfb for Mesa's software renderer,
// with QT_QPA_PLATFORM=offscreen for the painter), and the painter's renderer drawing one
// 800x600 PNG.
#include "chassis_pages/camera3d.h"
#include "chassis_pages/scene3d.h"
#include "chassis_pages/scene_painter.h"
#include "model/project_file.h"
#include "model/project_file_io.h"
#include "ui/chassis/view3d_window.h"
#include "ui/widgets/qpainter_canvas.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QBuffer>
#include <QComboBox>
#include <QImage>
#include <QKeyEvent>
#include <QOpenGLWidget>
#include <QPainter>

#include <string>

namespace {

using namespace velmora;

SuspensionState example(const char* name) {
    SuspensionState state;
    const ProjectReadResult read =
        readProjectFile(std::string(VELMORA_SOURCE_DIR) + "/examples/" + name);
    if (read.ok()) {
        applyProjectData(state, *read.project);
    }
    return state;
}

void label(benchmark::State& run, const View3dWindow& window) {
    run.SetLabel(window.usesOpenGl() ? "OpenGL" : "painter");
}

// Draws the surface now and waits for the pixels: an OpenGL surface renders into its frame
// buffer and is read back (so the figure is an upper bound), a plain one paints.
void paintNow(QWidget* surface) {
    if (auto* gl = qobject_cast<QOpenGLWidget*>(surface)) {
        benchmark::DoNotOptimize(gl->grabFramebuffer().constBits());
    } else {
        surface->repaint();
    }
}

void BM_OrbitStepUntilPainted(benchmark::State& run) {
    const SuspensionState state = example("gm-dirt-oval.kqw");
    View3dWindow window(state);
    window.resize(1600, 1000);
    window.show();
    QApplication::processEvents();
    auto* surface = window.findChild<QWidget*>(QStringLiteral("picView3d"));
    for (auto _ : run) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
        QApplication::sendEvent(surface, &key);
        paintNow(surface);
        benchmark::DoNotOptimize(window.camera().azimuth);
    }
    label(run, window);
}
BENCHMARK(BM_OrbitStepUntilPainted)->Unit(benchmark::kMillisecond);

void BM_AnimationStepUntilPainted(benchmark::State& run) {
    const SuspensionState state = example("gm-dirt-oval.kqw");
    View3dWindow window(state);
    window.resize(1600, 1000);
    window.show();
    window.findChild<QComboBox*>(QStringLiteral("cbo3dMotion"))->setCurrentIndex(2);
    QApplication::processEvents();
    auto* surface = window.findChild<QWidget*>(QStringLiteral("picView3d"));
    for (auto _ : run) {
        window.stepAnimation(); // solves both corners at the next roll
        paintNow(surface);
        benchmark::DoNotOptimize(window.scene().joints.data());
    }
    label(run, window);
}
BENCHMARK(BM_AnimationStepUntilPainted)->Unit(benchmark::kMillisecond);

void BM_PainterPng800x600(benchmark::State& run) {
    const SuspensionState state = example("formula-road-course.kqw");
    const Scene3d scene = buildScene(state, {SceneMotion::Rack, 0, 0, 0, 1.5});
    const Camera3d camera = standardCamera(View3d::Iso, scene.centre, scene.size);
    for (auto _ : run) {
        QImage image(800, 600, QImage::Format_RGB32);
        {
            QPainter painter(&image);
            QPainterCanvas canvas(painter, image.size());
            drawScene(canvas, scene, Projection(camera, 800, 600), 800, 600);
        }
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(BM_PainterPng800x600)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
