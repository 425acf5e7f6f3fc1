#include "ui/chassis/scene_surface.h"

#include "chassis_pages/scene_painter.h"
#include "ui/widgets/qpainter_canvas.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLWidget>
#include <QPainter>
#include <QWidget>

namespace velmora {
namespace {

void paintFrame(QPainter& painter, QSize size, const SceneFrame& frame) {
    QPainterCanvas::Options options;
    options.background = colors::Black;
    QPainterCanvas canvas(painter, size, options);
    canvas.clear();
    if (!frame.scene) {
        return;
    }
    const Projection projection(frame.camera, size.width(), size.height());
    drawScene(canvas, *frame.scene, projection, size.width(), size.height(), frame.highlighted);
}

class GlSurface : public QOpenGLWidget {
public:
    GlSurface(const SceneFrame& frame, QWidget* parent) : QOpenGLWidget(parent), frame_(frame) {}

protected:
    void paintGL() override {
        QPainter painter(this);
        paintFrame(painter, size(), frame_);
    }

private:
    const SceneFrame& frame_;
};

class PainterSurface : public QWidget {
public:
    PainterSurface(const SceneFrame& frame, QWidget* parent) : QWidget(parent), frame_(frame) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        paintFrame(painter, size(), frame_);
    }

private:
    const SceneFrame& frame_;
};

} // namespace

bool openGlAvailable() {
    if (qEnvironmentVariableIsSet("VELMORA_NO_OPENGL")) {
        return false;
    }
    QOpenGLContext context;
    if (!context.create()) {
        return false;
    }
    QOffscreenSurface surface;
    surface.setFormat(context.format());
    surface.create();
    if (!surface.isValid() || !context.makeCurrent(&surface)) {
        return false;
    }
    context.doneCurrent();
    return true;
}

QWidget* makeSceneSurface(const SceneFrame& frame, bool openGl, QWidget* parent) {
    if (openGl) {
        return new GlSurface(frame, parent);
    }
    return new PainterSurface(frame, parent);
}

} // namespace velmora
