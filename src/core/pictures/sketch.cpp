#include "pictures/sketch.h"

#include <algorithm>
#include <cmath>

namespace velmora {
namespace {

constexpr double kPixelsPerPoint = 96.0 / 72.0;
// Average width of a character of the sans face, as a share of its point size.
constexpr double kCharWidth = 0.62;
// Width in pixels at which texts are drawn at their nominal point size.
constexpr double kTextReferenceWidth = 450;

} // namespace

void Bounds::include(PicPoint p) {
    left = std::min(left, p.x);
    right = std::max(right, p.x);
    bottom = std::min(bottom, p.y);
    top = std::max(top, p.y);
}

void Bounds::pad(double margin) {
    left -= margin;
    right += margin;
    bottom -= margin;
    top += margin;
}

Sketch::Sketch(Canvas& canvas, Bounds area, double aspect, bool mirror)
    : canvas_(canvas), mirror_(mirror) {
    if (!(area.width() > 1) || !(area.height() > 1) || !std::isfinite(area.width()) ||
        !std::isfinite(area.height())) {
        area = Bounds{-10, 10, -10, 10};
    }
    if (!(aspect > 0.05) || !(aspect < 20)) {
        aspect = 1;
    }
    // Widen the short direction so the picture keeps its proportions on the surface.
    if (area.width() / area.height() < aspect) {
        const double grow = (area.height() * aspect - area.width()) / 2;
        area.left -= grow;
        area.right += grow;
    } else {
        const double grow = (area.width() / aspect - area.height()) / 2;
        area.bottom -= grow;
        area.top += grow;
    }
    const double left = mirror ? -area.right : area.left;
    const double right = mirror ? -area.left : area.right;
    canvas_.setScale(left, area.top, right, area.bottom);
    left_ = left;
    top_ = area.top;
    bottom_ = area.bottom;
    const int pixelWidth = canvas_.pixelWidth() > 0 ? canvas_.pixelWidth() : 400;
    pixelsPerUnit_ = pixelWidth / area.width();
    // Texts grow with the picture, so they keep their place beside what they name at any
    // size; the surface draws them at the size asked for.
    textScale_ = std::clamp(pixelWidth / kTextReferenceWidth, 0.5, 3.0);
    unitsPerPoint_ = kPixelsPerPoint * textScale_ / pixelsPerUnit_;
    canvas_.setFillStyle(FillStyle::Transparent);
    canvas_.setPenStyle(PenStyle::Solid);
}

int Sketch::pixels(double thickness) const {
    return std::clamp(static_cast<int>(std::lround(thickness * pixelsPerUnit_)), 1, 24);
}

void Sketch::stroke(PicPoint a, PicPoint b, Rgb color, double thickness, PenStyle style) {
    canvas_.setPenWidth(pixels(thickness));
    canvas_.setPenStyle(style);
    canvas_.line(a.x, a.y, b.x, b.y, color);
    canvas_.setPenStyle(PenStyle::Solid);
}

void Sketch::dot(PicPoint centre, double radius, Rgb color) {
    canvas_.setPenWidth(1);
    canvas_.setFillStyle(FillStyle::Solid);
    canvas_.setFillColor(color);
    canvas_.circle(centre.x, centre.y, radius, color);
    canvas_.setFillStyle(FillStyle::Transparent);
}

void Sketch::ring(PicPoint centre, double radius, Rgb color, double thickness) {
    canvas_.setPenWidth(pixels(thickness));
    canvas_.setFillStyle(FillStyle::Transparent);
    canvas_.circle(centre.x, centre.y, radius, color);
}

void Sketch::label(PicPoint centre, const std::string& text, Rgb color, double points, bool bold) {
    const double width = static_cast<double>(text.size()) * points * kCharWidth * unitsPerPoint_;
    const double height = points * 1.25 * unitsPerPoint_;
    // The surface writes text with its top edge at the current position, and y runs upward.
    printAt(centre.x - width / 2, centre.y + height / 2, text, color, points, bold);
}

void Sketch::text(PicPoint topLeft, const std::string& text, Rgb color, double points, bool bold) {
    const double width = static_cast<double>(text.size()) * points * kCharWidth * unitsPerPoint_;
    // Mirrored pictures keep their texts reading left to right from the same corner.
    printAt(mirror_ ? -topLeft.x - width : topLeft.x, topLeft.y, text, color, points, bold);
}

void Sketch::caption(PicPoint topLeft, const std::string& text, Rgb color, double points,
                     bool bold) {
    printAt(topLeft.x, topLeft.y, text, color, points, bold);
}

void Sketch::printAt(double x, double y, const std::string& text, Rgb color, double points,
                     bool bold) {
    canvas_.setCurrentPosition(x, y);
    Font font;
    font.size = points * textScale_;
    font.bold = bold;
    canvas_.setFont(font);
    canvas_.setTextColor(color);
    canvas_.print(text);
}

void Sketch::dimension(PicPoint reference, PicPoint point, Rgb color) {
    const double dx = point.x - reference.x;
    const double dy = point.y - reference.y;
    const double length = std::hypot(dx, dy);
    canvas_.setPenWidth(pixels(0.12));
    canvas_.line(reference.x, reference.y, point.x, point.y, color);
    if (!(length > 1e-6)) {
        return;
    }
    const double ux = dx / length;
    const double uy = dy / length;
    const double head = std::min(1.0, length / 3);
    // Arrow heads point at both ends; the tick marks where the tape is held. Each pair of
    // strokes is drawn in an order that does not depend on mirroring, so the right side's
    // picture is the left one's mirror image operation by operation.
    const auto ordered = [this](PicPoint a, PicPoint b) {
        const bool swap = a.y != b.y ? a.y < b.y : mx(a.x) < mx(b.x);
        return swap ? std::pair{b, a} : std::pair{a, b};
    };
    for (const auto& [tip, sign] : {std::pair{point, -1.0}, std::pair{reference, 1.0}}) {
        const double bx = tip.x + sign * ux * head;
        const double by = tip.y + sign * uy * head;
        const auto [first, second] = ordered({bx - uy * head * 0.4, by + ux * head * 0.4},
                                             {bx + uy * head * 0.4, by - ux * head * 0.4});
        canvas_.line(first.x, first.y, tip.x, tip.y, color);
        canvas_.line(second.x, second.y, tip.x, tip.y, color);
    }
    const auto [from, to] = ordered({reference.x - uy * 0.8, reference.y + ux * 0.8},
                                    {reference.x + uy * 0.8, reference.y - ux * 0.8});
    canvas_.line(from.x, from.y, to.x, to.y, color);
}

Rgb GreyedCanvas::grey(Rgb color) {
    const double lightness = 0.3 * color.r + 0.59 * color.g + 0.11 * color.b;
    const auto level = static_cast<std::uint8_t>(std::lround(150 + lightness * 90 / 255));
    return {level, level, level};
}

} // namespace velmora
