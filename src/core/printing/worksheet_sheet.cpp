#include "printing/worksheet_sheet.h"

#include <cmath>
#include <numbers>

namespace velmora {
namespace {

constexpr double kArrow = 5;

} // namespace

double pageAngle(SheetPoint centre, SheetPoint to) {
    double angle = std::atan2(-(to.y - centre.y), to.x - centre.x);
    if (angle < 0) {
        angle += 2 * std::numbers::pi;
    }
    return angle;
}

void Sheet::line(double x1, double y1, double x2, double y2) {
    printer_.line(mx(x1), y1, mx(x2), y2);
}

void Sheet::circle(double cx, double cy, double r) {
    printer_.circle(mx(cx), cy, r);
}

void Sheet::arc(double cx, double cy, double r, double start, double end) {
    if (!mirrored_) {
        printer_.arc(cx, cy, r, start, end);
        return;
    }
    // A mirror turns the direction of travel round, so the mirrored arc runs from the image
    // of its end to the image of its start; each angle a becomes pi - a.
    const auto image = [](double a) {
        const double turned = std::numbers::pi - a;
        return turned < 0 ? turned + 2 * std::numbers::pi : turned;
    };
    printer_.arc(mx(cx), cy, r, image(end), image(start));
}

void Sheet::rectangle(double x1, double y1, double x2, double y2) {
    line(x1, y1, x2, y1);
    line(x2, y1, x2, y2);
    line(x2, y2, x1, y2);
    line(x1, y2, x1, y1);
}

void Sheet::centreline(double x, std::initializer_list<std::pair<double, double>> dashes) {
    for (const auto& [from, to] : dashes) {
        line(x, from, x, to);
    }
}

void Sheet::groundLine(double y, double x1, double x2) {
    line(x1, y, x2, y);
    for (double x = x1 + 10; x <= x2; x += 20) {
        line(x, y, x - 8, y + 8);
    }
}

void Sheet::pivot(double cx, double cy) {
    circle(cx, cy, 7);
    line(cx - 2, cy, cx + 2, cy);
    line(cx, cy - 2, cx, cy + 2);
}

void Sheet::jointCross(double cx, double cy) {
    line(cx - 3, cy, cx + 3, cy);
    line(cx, cy - 3, cx, cy + 3);
}

void Sheet::horizontalDimension(double xFrom, double xTo, double y) {
    line(xFrom, y, xTo, y);
    for (const auto& [tip, inward] : {std::pair{xFrom, xTo > xFrom ? kArrow : -kArrow},
                                      std::pair{xTo, xTo > xFrom ? -kArrow : kArrow}}) {
        line(tip, y, tip + inward, y - kArrow);
        line(tip, y, tip + inward, y + kArrow);
    }
}

void Sheet::verticalDimension(double x, double yFrom, double yTo) {
    line(x, yFrom, x, yTo);
    for (const auto& [tip, inward] : {std::pair{yFrom, yTo > yFrom ? kArrow : -kArrow},
                                      std::pair{yTo, yTo > yFrom ? -kArrow : kArrow}}) {
        line(x, tip, x - kArrow, tip + inward);
        line(x, tip, x + kArrow, tip + inward);
    }
}

} // namespace velmora
