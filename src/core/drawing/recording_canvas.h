#pragma once

#include "drawing/canvas.h"
#include "drawing/recording.h"

#include <string>

namespace velmora {

// A Canvas that draws nothing and keeps every operation, with the settings in force, as a
// plain value. Tests assert on the operations; widgets and the printer replay them.
class RecordingCanvas : public Canvas {
public:
    // The pixel size is what pixelWidth()/pixelHeight() report (0 = unknown), so drawings
    // that scale pixel pen widths can be checked for any surface size.
    explicit RecordingCanvas(int pixelWidth = 0, int pixelHeight = 0)
        : pixelWidth_(pixelWidth), pixelHeight_(pixelHeight) {}

    void setPixelSize(int width, int height) {
        pixelWidth_ = width;
        pixelHeight_ = height;
    }

    // With trimming on, clear and setBackground drop everything recorded before them
    // (keeping the scale in force as a first operation), so a surface that is redrawn
    // again and again holds only what is visible.
    void setTrimOnClear(bool trim) { trimOnClear_ = trim; }

    const Recording& operations() const { return operations_; }
    void discardOperations() { operations_.clear(); }
    std::string dump() const { return velmora::dump(operations_); }

    const DrawState& state() const { return state_; }

    void setScale(double left, double top, double right, double bottom) override;
    void clear() override;
    void setBackground(Rgb color) override;
    void line(double x1, double y1, double x2, double y2, Rgb color) override;
    void box(double x1, double y1, double x2, double y2, Rgb color) override;
    void circle(double cx, double cy, double r, Rgb color, double aspect = 1.0,
                std::optional<ArcSpec> arc = std::nullopt) override;
    void setCurrentPosition(double x, double y) override;
    void print(const std::string& text) override;
    void setTextColor(Rgb color) override { state_.textColor = color; }
    void setFont(const Font& font) override { state_.font = font; }
    void setPenWidth(int pixels) override { state_.penWidth = pixels; }
    void setPenStyle(PenStyle style) override { state_.penStyle = style; }
    void setFillStyle(FillStyle style) override { state_.fillStyle = style; }
    void setFillColor(Rgb color) override { state_.fillColor = color; }
    int pixelWidth() const override { return pixelWidth_; }
    int pixelHeight() const override { return pixelHeight_; }

private:
    void record(DrawCommand command);
    // Clear and setBackground: with trimming, what they hide is dropped first.
    void startPage(DrawCommand command);

    Recording operations_;
    DrawState state_;
    int pixelWidth_ = 0;
    int pixelHeight_ = 0;
    bool trimOnClear_ = false;
    std::optional<drawop::Scale> scale_;
    // Where the next print starts: the position last set, and the lines printed since.
    double originX_ = 0;
    double originY_ = 0;
    int linesSinceOrigin_ = 0;
};

} // namespace velmora
