#pragma once

#include "drawing/canvas.h"
#include "printing/printer.h"

#include <cmath>
#include <optional>
#include <string>

namespace velmora {

// Draws a Canvas picture into a rectangle of the page: lines, boxes, circles and texts reach
// the printer, the colours and the background do not (the paper is white).
// The one way a picture drawn for the screen reaches paper: the canvas's scale is mapped onto
// a rectangle of the page (in the page's units). A region (0, 0, 1, 1) with the default scale
// passes coordinates through unchanged, for drawings made in page units.
class PageRegionCanvas : public Canvas {
public:
    PageRegionCanvas(Printer& printer, double left, double top, double width, double height)
        : printer_(printer), left_(left), top_(top), width_(width), height_(height) {}

    void setScale(double left, double top, double right, double bottom) override {
        sl_ = left;
        st_ = top;
        sr_ = right;
        sb_ = bottom;
    }
    void clear() override {}
    void setBackground(Rgb) override {}
    void line(double x1, double y1, double x2, double y2, Rgb) override {
        printer_.line(x(x1), y(y1), x(x2), y(y2));
    }
    void box(double x1, double y1, double x2, double y2, Rgb) override {
        printer_.box(x(x1), y(y1), x(x2), y(y2));
    }
    void circle(double cx, double cy, double r, Rgb, double, std::optional<ArcSpec> arc) override {
        printer_.circle(x(cx), y(cy), r * width_ / std::fabs(sr_ - sl_), arc);
    }
    void setCurrentPosition(double px, double py) override {
        printer_.setCurrentPosition(x(px), y(py));
    }
    void print(const std::string& text) override { printer_.printText(text); }
    void setTextColor(Rgb) override {}
    void setFont(const Font&) override {}
    void setPenWidth(int pixels) override { printer_.setPenWidth(pixels); }
    void setPenStyle(PenStyle) override {}
    void setFillStyle(FillStyle) override {}
    void setFillColor(Rgb) override {}
    int pixelWidth() const override { return static_cast<int>(width_ * 10); }
    int pixelHeight() const override { return static_cast<int>(height_ * 10); }

private:
    double x(double v) const { return left_ + (v - sl_) / (sr_ - sl_) * width_; }
    double y(double v) const { return top_ + (v - st_) / (sb_ - st_) * height_; }

    Printer& printer_;
    double left_, top_, width_, height_;
    double sl_ = 0, st_ = 0, sr_ = 1, sb_ = 1;
};

} // namespace velmora
