#include "ui/widgets/drawing_surface.h"

#include "ui/widgets/qpainter_canvas.h"

#include <QPainter>
#include <QResizeEvent>

namespace velmora {

// Records like any RecordingCanvas and asks the widget for a repaint after every operation
// that changes what is visible.
class DrawingSurface::SurfaceCanvas final : public RecordingCanvas {
public:
    explicit SurfaceCanvas(DrawingSurface& owner) : owner_(owner) { setTrimOnClear(true); }

    void clear() override {
        RecordingCanvas::clear();
        owner_.update();
    }
    void setBackground(Rgb color) override {
        // The background is a property of the surface: a later clear() trims this
        // operation away but must still paint in this colour.
        owner_.background_ = color;
        RecordingCanvas::setBackground(color);
        owner_.update();
    }
    void line(double x1, double y1, double x2, double y2, Rgb color) override {
        RecordingCanvas::line(x1, y1, x2, y2, color);
        owner_.update();
    }
    void box(double x1, double y1, double x2, double y2, Rgb color) override {
        RecordingCanvas::box(x1, y1, x2, y2, color);
        owner_.update();
    }
    void circle(double cx, double cy, double r, Rgb color, double aspect,
                std::optional<ArcSpec> arc) override {
        RecordingCanvas::circle(cx, cy, r, color, aspect, arc);
        owner_.update();
    }
    void print(const std::string& text) override {
        RecordingCanvas::print(text);
        owner_.update();
    }

private:
    DrawingSurface& owner_;
};

DrawingSurface::DrawingSurface(QWidget* parent)
    : QWidget(parent), canvas_(std::make_unique<SurfaceCanvas>(*this)) {
    canvas_->setPixelSize(width(), height());
    basePointSize_ = font().pointSizeF();
    // Every pixel is painted by paintEvent.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

DrawingSurface::~DrawingSurface() = default;

Canvas& DrawingSurface::canvas() {
    // A hidden widget gets its resize event only when shown; drawings made before that must
    // still see the size the widget already has.
    canvas_->setPixelSize(width(), height());
    return *canvas_;
}

const Recording& DrawingSurface::recording() const {
    return canvas_->operations();
}

const RecordingCanvas& DrawingSurface::recorder() const {
    return *canvas_;
}

void DrawingSurface::setBackgroundColor(Rgb color) {
    background_ = color;
    update();
}

void DrawingSurface::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QPainterCanvas::Options options;
    options.background = background_;
    // Texts grow with the widget's font, which a proportional layout scales with the window.
    const double pointSize = font().pointSizeF();
    if (textsFollowFont_ && basePointSize_ > 0 && pointSize > 0) {
        options.fontScale = pointSize / basePointSize_;
    }
    QPainterCanvas target(painter, size(), options);
    target.clear();
    replay(canvas_->operations(), target);
}

void DrawingSurface::resizeEvent(QResizeEvent* event) {
    canvas_->setPixelSize(event->size().width(), event->size().height());
    QWidget::resizeEvent(event);
}

} // namespace velmora
