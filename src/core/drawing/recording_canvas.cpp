#include "drawing/recording_canvas.h"

#include <utility>

namespace velmora {

void RecordingCanvas::record(DrawCommand command) {
    operations_.push_back(DrawOp{std::move(command), state_});
}

void RecordingCanvas::setScale(double left, double top, double right, double bottom) {
    scale_ = drawop::Scale{left, top, right, bottom};
    record(*scale_);
}

void RecordingCanvas::startPage(DrawCommand command) {
    if (trimOnClear_) {
        operations_.clear();
        if (scale_) {
            record(*scale_);
        }
    }
    record(std::move(command));
    originX_ = scale_ ? scale_->left : 0;
    originY_ = scale_ ? scale_->top : 0;
    linesSinceOrigin_ = 0;
}

void RecordingCanvas::clear() {
    startPage(drawop::Clear{});
}

void RecordingCanvas::setBackground(Rgb color) {
    startPage(drawop::Background{color});
}

void RecordingCanvas::line(double x1, double y1, double x2, double y2, Rgb color) {
    record(drawop::Line{{x1, y1, x2, y2}, color});
}

void RecordingCanvas::box(double x1, double y1, double x2, double y2, Rgb color) {
    record(drawop::Box{{x1, y1, x2, y2}, color});
}

void RecordingCanvas::circle(double cx, double cy, double r, Rgb color, double aspect,
                             std::optional<ArcSpec> arc) {
    record(drawop::Circle{cx, cy, r, color, aspect, arc});
}

void RecordingCanvas::setCurrentPosition(double x, double y) {
    originX_ = x;
    originY_ = y;
    linesSinceOrigin_ = 0;
}

void RecordingCanvas::print(const std::string& text) {
    record(drawop::Print{text, originX_, originY_, linesSinceOrigin_});
    ++linesSinceOrigin_;
}

} // namespace velmora
