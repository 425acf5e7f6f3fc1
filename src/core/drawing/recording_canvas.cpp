#include "drawing/recording_canvas.h"

namespace velmora {

DrawOp RecordingCanvas::makeOp(DrawOpKind kind) const {
    DrawOp op;
    op.kind = kind;
    op.state = state_;
    return op;
}

void RecordingCanvas::setScale(double left, double top, double right, double bottom) {
    scaleSet_ = true;
    scale_[0] = left;
    scale_[1] = top;
    scale_[2] = right;
    scale_[3] = bottom;
    DrawOp op = makeOp(DrawOpKind::Scale);
    op.x1 = left;
    op.y1 = top;
    op.x2 = right;
    op.y2 = bottom;
    operations_.push_back(op);
}

void RecordingCanvas::startPage(DrawOpKind kind, Rgb color) {
    if (trimOnClear_) {
        operations_.clear();
        if (scaleSet_) {
            DrawOp scale = makeOp(DrawOpKind::Scale);
            scale.x1 = scale_[0];
            scale.y1 = scale_[1];
            scale.x2 = scale_[2];
            scale.y2 = scale_[3];
            operations_.push_back(scale);
        }
    }
    DrawOp op = makeOp(kind);
    op.color = color;
    operations_.push_back(op);
    originX_ = scale_[0];
    originY_ = scale_[1];
    linesSinceOrigin_ = 0;
}

void RecordingCanvas::clear() {
    startPage(DrawOpKind::Clear, Rgb{});
}

void RecordingCanvas::setBackground(Rgb color) {
    startPage(DrawOpKind::Background, color);
}

void RecordingCanvas::line(double x1, double y1, double x2, double y2, Rgb color) {
    DrawOp op = makeOp(DrawOpKind::Line);
    op.x1 = x1;
    op.y1 = y1;
    op.x2 = x2;
    op.y2 = y2;
    op.color = color;
    operations_.push_back(op);
}

void RecordingCanvas::box(double x1, double y1, double x2, double y2, Rgb color) {
    DrawOp op = makeOp(DrawOpKind::Box);
    op.x1 = x1;
    op.y1 = y1;
    op.x2 = x2;
    op.y2 = y2;
    op.color = color;
    operations_.push_back(op);
}

void RecordingCanvas::circle(double cx, double cy, double r, Rgb color, double aspect,
                             std::optional<ArcSpec> arc) {
    DrawOp op = makeOp(DrawOpKind::Circle);
    op.x1 = cx;
    op.y1 = cy;
    op.radius = r;
    op.color = color;
    op.aspect = aspect;
    op.arc = arc;
    operations_.push_back(op);
}

void RecordingCanvas::setCurrentPosition(double x, double y) {
    originX_ = x;
    originY_ = y;
    linesSinceOrigin_ = 0;
}

void RecordingCanvas::print(const std::string& text) {
    DrawOp op = makeOp(DrawOpKind::Print);
    op.x1 = originX_;
    op.y1 = originY_;
    op.line = linesSinceOrigin_;
    op.text = text;
    operations_.push_back(op);
    ++linesSinceOrigin_;
}

} // namespace velmora
