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
    operations_.push_back(makeSegment(DrawOpKind::Scale, left, top, right, bottom));
}

DrawOp RecordingCanvas::makeSegment(DrawOpKind kind, double x1, double y1, double x2,
                                    double y2) const {
    DrawOp op = makeOp(kind);
    op.x1 = x1;
    op.y1 = y1;
    op.x2 = x2;
    op.y2 = y2;
    return op;
}

void RecordingCanvas::startPage(DrawOpKind kind, Rgb color) {
    if (trimOnClear_) {
        operations_.clear();
        if (scaleSet_) {
            operations_.push_back(
                makeSegment(DrawOpKind::Scale, scale_[0], scale_[1], scale_[2], scale_[3]));
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
    DrawOp op = makeSegment(DrawOpKind::Line, x1, y1, x2, y2);
    op.color = color;
    operations_.push_back(op);
}

void RecordingCanvas::box(double x1, double y1, double x2, double y2, Rgb color) {
    DrawOp op = makeSegment(DrawOpKind::Box, x1, y1, x2, y2);
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
