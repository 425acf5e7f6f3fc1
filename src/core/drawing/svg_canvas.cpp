#include "drawing/svg_canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace velmora {

namespace {

std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", std::abs(value) < 1e-9 ? 0.0 : value);
    return text;
}

std::string colorText(Rgb color) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", color.r, color.g, color.b);
    return text;
}

std::string escaped(const std::string& text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

} // namespace

SvgCanvas::SvgCanvas(int pixelWidth, int pixelHeight)
    : width_(pixelWidth < 1 ? 1 : pixelWidth), height_(pixelHeight < 1 ? 1 : pixelHeight),
      right_(width_), bottom_(height_) {}

double SvgCanvas::px(double x) const {
    return right_ == left_ ? 0 : (x - left_) / (right_ - left_) * width_;
}

double SvgCanvas::py(double y) const {
    return bottom_ == top_ ? 0 : (y - top_) / (bottom_ - top_) * height_;
}

std::string SvgCanvas::stroke(Rgb color) const {
    std::string text = " stroke=\"" + colorText(color) + "\" stroke-width=\"" + number(penWidth_) +
                       "\" stroke-linecap=\"round\"";
    if (penStyle_ == PenStyle::Dot) {
        text += " stroke-dasharray=\"1 " + number(2.0 * penWidth_) + "\"";
    }
    return text;
}

std::string SvgCanvas::fill() const {
    return fillStyle_ == FillStyle::Solid ? " fill=\"" + colorText(fillColor_) + "\""
                                          : " fill=\"none\"";
}

void SvgCanvas::setScale(double left, double top, double right, double bottom) {
    left_ = left;
    top_ = top;
    right_ = right;
    bottom_ = bottom;
}

void SvgCanvas::clear() {
    body_.clear();
    x_ = left_;
    y_ = top_;
    printedLines_ = 0;
}

void SvgCanvas::setBackground(Rgb color) {
    clear();
    body_ += "<rect width=\"" + number(width_) + "\" height=\"" + number(height_) + "\" fill=\"" +
             colorText(color) + "\"/>\n";
}

void SvgCanvas::line(double x1, double y1, double x2, double y2, Rgb color) {
    body_ += "<line x1=\"" + number(px(x1)) + "\" y1=\"" + number(py(y1)) + "\" x2=\"" +
             number(px(x2)) + "\" y2=\"" + number(py(y2)) + "\"" + stroke(color) + "/>\n";
}

void SvgCanvas::box(double x1, double y1, double x2, double y2, Rgb color) {
    const double left = std::min(px(x1), px(x2));
    const double top = std::min(py(y1), py(y2));
    body_ += "<rect x=\"" + number(left) + "\" y=\"" + number(top) + "\" width=\"" +
             number(std::abs(px(x2) - px(x1))) + "\" height=\"" +
             number(std::abs(py(y2) - py(y1))) + "\"" + stroke(color) + " fill=\"none\"/>\n";
}

void SvgCanvas::circle(double cx, double cy, double r, Rgb color, double aspect,
                       std::optional<ArcSpec> arc) {
    // Semi-axes in user units, as the canvas defines them, then in pixels.
    const double ax = aspect >= 1 ? r / aspect : r;
    const double ay = aspect >= 1 ? r : r * aspect;
    const double rx = std::abs(px(cx + ax) - px(cx));
    const double ry = std::abs(py(cy + ay) - py(cy));
    const double x = px(cx);
    const double y = py(cy);
    if (!arc) {
        body_ += "<ellipse cx=\"" + number(x) + "\" cy=\"" + number(y) + "\" rx=\"" + number(rx) +
                 "\" ry=\"" + number(ry) + "\"" + stroke(color) + fill() + "/>\n";
        return;
    }
    // Counter-clockwise as seen on the page: up the page is negative y in pixels.
    const double sx = x + rx * std::cos(arc->start);
    const double sy = y - ry * std::sin(arc->start);
    const double ex = x + rx * std::cos(arc->end);
    const double ey = y - ry * std::sin(arc->end);
    double sweep = arc->end - arc->start;
    while (sweep < 0) {
        sweep += 2 * 3.14159265358979;
    }
    const int large = sweep > 3.14159265358979 ? 1 : 0;
    std::string path = "M" + number(sx) + "," + number(sy) + " A" + number(rx) + "," + number(ry) +
                       " 0 " + std::to_string(large) + " 0 " + number(ex) + "," + number(ey);
    if (arc->pie) {
        path += " L" + number(x) + "," + number(y) + " Z";
    }
    body_ += "<path d=\"" + path + "\"" + stroke(color) + (arc->pie ? fill() : " fill=\"none\"") +
             "/>\n";
}

void SvgCanvas::setCurrentPosition(double x, double y) {
    x_ = x;
    y_ = y;
    printedLines_ = 0;
}

void SvgCanvas::print(const std::string& text) {
    const double size = font_.size * 96.0 / 72.0; // points to pixels
    const double x = printedLines_ == 0 ? px(x_) : px(left_);
    const double y = py(y_) + size * (printedLines_ + 1);
    if (!text.empty()) {
        body_ += "<text x=\"" + number(x) + "\" y=\"" + number(y) + "\" font-family=\"" +
                 escaped(font_.face) + ", sans-serif\" font-size=\"" + number(size) + "\"" +
                 (font_.bold ? " font-weight=\"bold\"" : "") + " fill=\"" + colorText(textColor_) +
                 "\" xml:space=\"preserve\">" + escaped(text) + "</text>\n";
    }
    ++printedLines_;
}

std::string SvgCanvas::document() const {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
           number(width_) + "\" height=\"" + number(height_) + "\" viewBox=\"0 0 " +
           number(width_) + " " + number(height_) + "\">\n" + body_ + "</svg>\n";
}

} // namespace velmora
