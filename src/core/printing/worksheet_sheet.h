#pragma once

#include "printing/printer.h"

#include <initializer_list>
#include <utility>

// The drawing vocabulary of the garage worksheets, on the 640 x 850 worksheet page. A sheet
// may be mirrored about the page's middle (x becomes 640 - x) so that the left side's forms
// are drawn by the same code as the right side's.
namespace velmora {

struct SheetPoint {
    double x = 0;
    double y = 0;
};

class Sheet {
public:
    Sheet(Printer& printer, bool mirrored) : printer_(printer), mirrored_(mirrored) {}

    // Plain strokes, in the coordinates of the unmirrored figure.
    void line(double x1, double y1, double x2, double y2);
    void line(SheetPoint a, SheetPoint b) { line(a.x, a.y, b.x, b.y); }
    void circle(double cx, double cy, double r);
    // Angles in radians, counter-clockwise as seen on the page, drawn from start to end.
    void arc(double cx, double cy, double r, double start, double end);
    void rectangle(double x1, double y1, double x2, double y2);

    // A vertical centreline drawn as dashes [from, to] at x.
    void centreline(double x, std::initializer_list<std::pair<double, double>> dashes);
    // A horizontal ground (or reference) line with short hatch strokes below it.
    void groundLine(double y, double x1, double x2);
    // An arm's inner pivot: a circle of radius 7 with a cross of two 4-unit strokes.
    void pivot(double cx, double cy);
    // A cross of two 6-unit strokes marking a joint's centre.
    void jointCross(double cx, double cy);
    // Dimension lines: the line with a two-stroke arrow head at each end (strokes 5 units
    // along each axis).
    void horizontalDimension(double xFrom, double xTo, double y);
    void verticalDimension(double x, double yFrom, double yTo);

private:
    double mx(double x) const { return mirrored_ ? 640.0 - x : x; }

    Printer& printer_;
    bool mirrored_;
};

// The angle of `to` seen from `centre`, counter-clockwise as seen on the page (y grows
// downwards on the page).
double pageAngle(SheetPoint centre, SheetPoint to);

} // namespace velmora
