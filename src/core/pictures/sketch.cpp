#include "pictures/sketch.h"

#include <algorithm>
#include <cmath>

namespace velmora {
namespace {

constexpr double kPixelsPerPoint = 96.0 / 72.0;
constexpr double kPi = 3.14159265358979;
// Average width of a character of the sans face, as a share of its point size.
constexpr double kCharWidth = 0.62;
// Width in pixels at which texts are drawn at their nominal point size.
constexpr double kTextReferenceWidth = 450;
// Clearance kept between a label and anything else, in pixels.
constexpr double kLabelClearance = 1.5;

// Whether the segment a-b passes through the rectangle [x0, x1] x [y0, y1] (Liang-Barsky).
bool crossesRectangle(PicPoint a, PicPoint b, double x0, double x1, double y0, double y1) {
    double t0 = 0;
    double t1 = 1;
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {a.x - x0, x1 - a.x, a.y - y0, y1 - a.y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) {
                return false;
            }
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
        if (t0 > t1) {
            return false;
        }
    }
    return true;
}

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
    segments_.push_back({a, b});
    canvas_.setPenWidth(pixels(thickness));
    canvas_.setPenStyle(style);
    canvas_.line(a.x, a.y, b.x, b.y, color);
    canvas_.setPenStyle(PenStyle::Solid);
}

void Sketch::dot(PicPoint centre, double radius, Rgb color) {
    discs_.push_back({centre, radius, true});
    canvas_.setPenWidth(1);
    canvas_.setFillStyle(FillStyle::Solid);
    canvas_.setFillColor(color);
    canvas_.circle(centre.x, centre.y, radius, color);
    canvas_.setFillStyle(FillStyle::Transparent);
}

void Sketch::ring(PicPoint centre, double radius, Rgb color, double thickness) {
    discs_.push_back({centre, radius, false});
    canvas_.setPenWidth(pixels(thickness));
    canvas_.setFillStyle(FillStyle::Transparent);
    canvas_.circle(centre.x, centre.y, radius, color);
}

void Sketch::box(PicPoint a, PicPoint b, Rgb color, int pixels) {
    segments_.push_back({a, {a.x, b.y}});
    segments_.push_back({{a.x, b.y}, b});
    segments_.push_back({b, {b.x, a.y}});
    segments_.push_back({{b.x, a.y}, a});
    canvas_.setPenWidth(pixels);
    canvas_.box(a.x, a.y, b.x, b.y, color);
}

void Sketch::arc(PicPoint centre, double radius, double from, double to, Rgb color, int pixels) {
    // Kept as the whole circle: labels stay off the arc and off its missing part alike.
    discs_.push_back({centre, radius, false});
    canvas_.setPenWidth(pixels);
    canvas_.circle(centre.x, centre.y, radius, color, 1.0,
                   ArcSpec{mirror_ ? kPi - to : from, mirror_ ? kPi - from : to, false});
}

TextBox Sketch::labelBox(PicPoint centre, const std::string& text, double points) const {
    const double width = static_cast<double>(text.size()) * points * kCharWidth * unitsPerPoint_;
    const double height = points * 1.25 * unitsPerPoint_;
    return {centre, width / 2, height / 2};
}

bool Sketch::isFree(const TextBox& box) const {
    const double m = kLabelClearance / pixelsPerUnit_;
    const double x0 = box.centre.x - box.halfWidth - m;
    const double x1 = box.centre.x + box.halfWidth + m;
    const double y0 = box.centre.y - box.halfHeight - m;
    const double y1 = box.centre.y + box.halfHeight + m;
    for (const auto* list : {&segments_, &planned_}) {
        for (const Segment& s : *list) {
            if (crossesRectangle(s.a, s.b, x0, x1, y0, y1)) {
                return false;
            }
        }
    }
    for (const Disc& d : discs_) {
        const double nx = std::clamp(d.centre.x, x0, x1) - d.centre.x;
        const double ny = std::clamp(d.centre.y, y0, y1) - d.centre.y;
        const double near = std::hypot(nx, ny);
        const double far = std::hypot(std::max(d.centre.x - x0, x1 - d.centre.x),
                                      std::max(d.centre.y - y0, y1 - d.centre.y));
        if (near < d.radius && (d.filled || far > d.radius)) {
            return false;
        }
    }
    for (const TextBox& t : texts_) {
        if (std::abs(t.centre.x - box.centre.x) < t.halfWidth + box.halfWidth + m &&
            std::abs(t.centre.y - box.centre.y) < t.halfHeight + box.halfHeight + m) {
            return false;
        }
    }
    return true;
}

PicPoint Sketch::freeSpot(const std::vector<PicPoint>& candidates, const std::string& text,
                          double points) const {
    for (const PicPoint& c : candidates) {
        if (isFree(labelBox(c, text, points))) {
            return c;
        }
    }
    return candidates.empty() ? PicPoint{} : candidates.front();
}

void Sketch::label(PicPoint centre, const std::string& text, Rgb color, double points, bool bold) {
    const TextBox box = labelBox(centre, text, points);
    keep(box);
    // The surface writes text with its top edge at the current position, and y runs upward.
    printAt(centre.x - box.halfWidth, centre.y + box.halfHeight, text, color, points, bold);
}

void Sketch::text(PicPoint topLeft, const std::string& text, Rgb color, double points, bool bold) {
    const TextBox box = labelBox({0, 0}, text, points);
    // Mirrored pictures keep their texts reading left to right from the same corner.
    const double x = mirror_ ? -topLeft.x - 2 * box.halfWidth : topLeft.x;
    keep({{x + box.halfWidth, topLeft.y - box.halfHeight}, box.halfWidth, box.halfHeight});
    printAt(x, topLeft.y, text, color, points, bold);
}

void Sketch::caption(PicPoint topLeft, const std::string& text, Rgb color, double points,
                     bool bold) {
    const TextBox box = labelBox({0, 0}, text, points);
    keep({{topLeft.x + box.halfWidth, topLeft.y - box.halfHeight}, box.halfWidth, box.halfHeight});
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
    segments_.push_back({reference, point});
    canvas_.setPenWidth(pixels(0.12));
    canvas_.line(reference.x, reference.y, point.x, point.y, color);
    if (!(length > 1e-6)) {
        return;
    }
    const double ux = dx / length;
    const double uy = dy / length;
    const double head = std::min(1.0, length / 3);
    // Arrow heads point at both ends. Each pair of
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
}

Rgb GreyedCanvas::grey(Rgb color) {
    const double lightness = 0.3 * color.r + 0.59 * color.g + 0.11 * color.b;
    const auto level = static_cast<std::uint8_t>(std::lround(150 + lightness * 90 / 255));
    return {level, level, level};
}

} // namespace velmora
