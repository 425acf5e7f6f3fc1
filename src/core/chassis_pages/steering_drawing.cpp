#include "chassis_pages/steering_drawing.h"

#include "analysis/baseline_overlay.h"
#include "analysis/dashed_path.h"

#include "model/number_text.h"
#include "model/shown_length.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

namespace velmora {
namespace {

constexpr Rgb kRight = colors::Red;
constexpr Rgb kLeft = colors::Green;
constexpr Rgb kGrid{96, 96, 96};
// Half the width of a tire in the plan view, inches.
constexpr double kTireHalfWidth = 4.0;

// The smallest of 1, 2, 2.5, 5 times a power of ten that is at least `value`.
double niceCeiling(double value) {
    if (!(value > 0) || !std::isfinite(value)) {
        return 1;
    }
    const double power = std::pow(10.0, std::floor(std::log10(value)));
    for (double step : {1.0, 2.0, 2.5, 5.0, 10.0}) {
        if (step * power >= value * (1 - 1e-12)) {
            return step * power;
        }
    }
    return 10 * power;
}

struct Panel {
    double top = 0, bottom = 0;
    double range = 1; // values -range..+range
    double y(double value) const {
        const double middle = (top + bottom) / 2;
        return middle - value / range * (bottom - top) / 2;
    }
};

constexpr double kLeftEdge = 12;
constexpr double kRightEdge = 98;

using ValueOf = std::function<std::optional<double>(const SteerState&)>;

// A curve; with `dots` cut into dots for a pen that draws only solid lines.
void drawCurve(Canvas& canvas, const SteerSweep& sweep, const SteerAxis& axis, double xRange,
               const Panel& panel, const ValueOf& value, Rgb color,
               std::optional<DashedPath> dots = std::nullopt) {
    std::optional<std::array<double, 2>> last;
    for (const SteerState& s : sweep.states) {
        const std::optional<double> v = value(s);
        if (!v) {
            last.reset();
            if (dots) {
                dots->restart();
            }
            continue;
        }
        const double x =
            kLeftEdge + (axis.valueOf(s.rack) + xRange) / (2 * xRange) * (kRightEdge - kLeftEdge);
        const double y = panel.y(std::clamp(*v, -panel.range, panel.range));
        if (last && dots) {
            for (const Segment& d : dots->dashes((*last)[0], (*last)[1], x, y)) {
                canvas.line(d.x1, d.y1, d.x2, d.y2, color);
            }
        } else if (last) {
            canvas.line((*last)[0], (*last)[1], x, y, color);
        }
        last = std::array<double, 2>{x, y};
    }
}

// Whether a curve has a segment to draw: two values one after the other.
bool drawable(const SteerSweep& sweep, const ValueOf& value) {
    bool previous = false;
    for (const SteerState& s : sweep.states) {
        const bool present = value(s).has_value();
        if (present && previous) {
            return true;
        }
        previous = present;
    }
    return false;
}

// A baseline curve: dashed grey, clipped to the current curve's panel like the curve itself.
void drawBaselineCurve(Canvas& canvas, const SteerSweep& sweep, const SteerAxis& axis,
                       double xRange, const Panel& panel, const ValueOf& value) {
    DashedPath path(100, 100, 0.012, 0.009);
    std::optional<std::array<double, 2>> last;
    for (const SteerState& s : sweep.states) {
        const std::optional<double> v = value(s);
        if (!v) {
            last.reset();
            path.restart();
            continue;
        }
        const double x =
            kLeftEdge + (axis.valueOf(s.rack) + xRange) / (2 * xRange) * (kRightEdge - kLeftEdge);
        const double y = panel.y(std::clamp(*v, -panel.range, panel.range));
        if (last) {
            for (const Segment& d : path.dashes((*last)[0], (*last)[1], x, y)) {
                canvas.line(d.x1, d.y1, d.x2, d.y2, kBaselineColor);
            }
        }
        last = std::array<double, 2>{x, y};
    }
}

// "R" or "L" just right of the panel at the curve's last value, so the two wheels can be
// told apart without colour (on paper).
void nameCurveEnd(Canvas& canvas, const SteerSweep& sweep, const Panel& panel, const ValueOf& value,
                  const char* name, Rgb color) {
    for (auto it = sweep.states.rbegin(); it != sweep.states.rend(); ++it) {
        if (const std::optional<double> v = value(*it)) {
            canvas.setTextColor(color);
            canvas.setCurrentPosition(kRightEdge + 0.3,
                                      panel.y(std::clamp(*v, -panel.range, panel.range)) - 1.5);
            canvas.print(name);
            return;
        }
    }
}

void drawPanelFrame(Canvas& canvas, const Panel& panel, const std::string& title,
                    const std::string& unit) {
    canvas.box(kLeftEdge, panel.top, kRightEdge, panel.bottom, colors::LightGrey);
    canvas.line(kLeftEdge, panel.y(0), kRightEdge, panel.y(0), kGrid);
    canvas.line((kLeftEdge + kRightEdge) / 2, panel.top, (kLeftEdge + kRightEdge) / 2, panel.bottom,
                kGrid);
    canvas.setTextColor(colors::White);
    canvas.setCurrentPosition(1, panel.top);
    canvas.print(shortestText(static_cast<float>(panel.range)));
    canvas.setCurrentPosition(1, panel.y(0) - 1.5);
    canvas.print("0");
    canvas.setCurrentPosition(1, panel.bottom - 3);
    canvas.print(shortestText(static_cast<float>(-panel.range)));
    canvas.setCurrentPosition(kLeftEdge + 1, panel.top + 0.5);
    canvas.print(title + " (" + unit + ")");
}

double largest(const SteerSweep& sweep, const std::vector<ValueOf>& values) {
    double m = 0;
    for (const SteerState& s : sweep.states) {
        for (const ValueOf& value : values) {
            if (const std::optional<double> v = value(s); v && std::isfinite(*v)) {
                m = std::max(m, std::fabs(*v));
            }
        }
    }
    return m;
}

ValueOf wheelValue(bool right, double SteerWheel::*member) {
    return [right, member](const SteerState& s) -> std::optional<double> {
        const SteerWheel& w = right ? s.right : s.left;
        return w.solved ? std::optional<double>(w.*member) : std::nullopt;
    };
}

// Plan view: screen x is +X on the right side and -X on the left, screen y is Z.
struct PlanPoint {
    double x = 0, y = 0;
};

PlanPoint plan(const Point3& p, bool right) {
    return {right ? p.x : -p.x, p.z};
}

void drawWheel(Canvas& canvas, const SteerWheel& w, const CornerPoints& points, bool right,
               Rgb color) {
    const double radius = points.SH;
    // Rolling direction in the plan view: square to the spin axis.
    const double sx = w.spinAxis.x, sz = w.spinAxis.z;
    const double length = std::hypot(sx, sz);
    if (!(length > 0)) {
        return;
    }
    const PlanPoint c = plan(w.wheelCentre, right);
    const double side = right ? 1 : -1;
    const PlanPoint along{-sz / length * side, sx / length};
    const PlanPoint across{sx / length * side, sz / length};
    std::array<PlanPoint, 4> corner;
    const double signs[4][2] = {{1, 1}, {1, -1}, {-1, -1}, {-1, 1}};
    for (std::size_t k = 0; k < 4; ++k) {
        corner[k] = {c.x + signs[k][0] * radius * along.x + signs[k][1] * kTireHalfWidth * across.x,
                     c.y + signs[k][0] * radius * along.y +
                         signs[k][1] * kTireHalfWidth * across.y};
    }
    for (std::size_t k = 0; k < 4; ++k) {
        const PlanPoint& a = corner[k];
        const PlanPoint& b = corner[(k + 1) % 4];
        canvas.line(a.x, a.y, b.x, b.y, color);
    }
    // Tie rod, steering arm to the ball joints' line, and the steering axis (dots).
    const PlanPoint inner = plan(w.innerJoint, right);
    const PlanPoint outer = plan(w.pose.RO, right);
    const PlanPoint top = plan(w.pose.TB, right);
    const PlanPoint bottom = plan(w.pose.BB, right);
    canvas.line(inner.x, inner.y, outer.x, outer.y, colors::White);
    canvas.line(outer.x, outer.y, bottom.x, bottom.y, colors::Yellow);
    canvas.line(top.x, top.y, bottom.x, bottom.y, colors::Cyan);
    canvas.circle(inner.x, inner.y, 0.6, colors::White);
    canvas.circle(bottom.x, bottom.y, 0.6, colors::Cyan);
}

} // namespace

double SteerAxis::valueOf(double rack) const {
    return steeringRatio && *steeringRatio > 0 ? rack / *steeringRatio * 360.0 : rack;
}

std::string SteerAxis::caption() const {
    return showsRack() ? "rack travel (" + lengthUnitText() + ", + = to the left)"
                       : "steering-wheel angle (deg)";
}

bool SteerAxis::showsRack() const {
    return !(steeringRatio && *steeringRatio > 0);
}

std::string SteerAxis::valueText(double rack, int inchDecimals) const {
    return showsRack() ? fixedLength(rack, inchDecimals) : fixedText(valueOf(rack), inchDecimals);
}

void drawSteeringPlot(Canvas& canvas, const SteerSweep& sweep, const SteerAxis& axis, int selected,
                      const SteerSweep* baseline, SteerPlotSurface surface) {
    const bool paper = surface == SteerPlotSurface::Paper;
    canvas.setBackground(colors::Black);
    canvas.setScale(0, 0, 100, 100);
    canvas.setFont(Font{"MS Sans Serif", 8.25, false});
    canvas.setFillStyle(FillStyle::Transparent);
    canvas.setPenStyle(PenStyle::Solid);
    if (sweep.states.empty()) {
        return;
    }
    double xRange = 0;
    for (const SteerState& s : sweep.states) {
        xRange = std::max(xRange, std::fabs(axis.valueOf(s.rack)));
    }
    if (!(xRange > 0)) {
        xRange = 1;
    }

    const std::vector<ValueOf> steer = {wheelValue(true, &SteerWheel::steer),
                                        wheelValue(false, &SteerWheel::steer)};
    const std::vector<ValueOf> camber = {wheelValue(true, &SteerWheel::camberChange),
                                         wheelValue(false, &SteerWheel::camberChange)};
    const std::vector<ValueOf> caster = {wheelValue(true, &SteerWheel::casterChange),
                                         wheelValue(false, &SteerWheel::casterChange)};
    const ValueOf ackermann = [](const SteerState& s) { return s.ackermannPercent; };
    std::vector<ValueOf> both = camber;
    both.insert(both.end(), caster.begin(), caster.end());

    const Panel steerPanel{2, 31, niceCeiling(largest(sweep, steer))};
    const Panel camberPanel{34, 63, niceCeiling(largest(sweep, both))};
    const Panel ackermannPanel{66, 92, niceCeiling(largest(sweep, {ackermann}))};
    drawPanelFrame(canvas, steerPanel, "steer angle", "deg");
    drawPanelFrame(canvas, camberPanel, "camber (solid), caster (dotted) change", "deg");
    drawPanelFrame(canvas, ackermannPanel, "Ackermann", "%");

    // A baseline needs the current curves' scales: without a current curve (a sweep whose
    // wheels stand nowhere) it is not drawn, and the legend names only what is drawn.
    const std::vector<const ValueOf*> drawnBoth = {&steer[0], &steer[1], &camber[0], &camber[1],
                                                   &ackermann};
    const bool currentDrawn = std::any_of(drawnBoth.begin(), drawnBoth.end(),
                                          [&](const ValueOf* v) { return drawable(sweep, *v); });
    if (baseline && currentDrawn) {
        for (std::size_t i = 0; i < 2; ++i) {
            drawBaselineCurve(canvas, *baseline, axis, xRange, steerPanel, steer[i]);
            drawBaselineCurve(canvas, *baseline, axis, xRange, camberPanel, camber[i]);
        }
        drawBaselineCurve(canvas, *baseline, axis, xRange, ackermannPanel, ackermann);
        const bool baselineDrawn =
            std::any_of(drawnBoth.begin(), drawnBoth.end(),
                        [&](const ValueOf* v) { return drawable(*baseline, *v); });
        // The legend in the steer panel's upper right corner.
        double y = 3;
        if (baselineDrawn) {
            DashedPath dashes(100, 100, 0.012, 0.009);
            for (const Segment& d :
                 dashes.dashes(kRightEdge - 24, y + 1.5, kRightEdge - 19, y + 1.5)) {
                canvas.line(d.x1, d.y1, d.x2, d.y2, kBaselineColor);
            }
            canvas.setTextColor(kBaselineColor);
            canvas.setCurrentPosition(kRightEdge - 18, y);
            canvas.print(kBaselineLegend);
            y += 3.5;
        }
        canvas.line(kRightEdge - 24, y + 1.5, kRightEdge - 19, y + 1.5, colors::White);
        canvas.setTextColor(colors::White);
        canvas.setCurrentPosition(kRightEdge - 18, y);
        canvas.print(kCurrentLegend);
    }

    for (int k = 0; k < 2; ++k) {
        const Rgb color = k == 0 ? kRight : kLeft;
        const auto i = static_cast<std::size_t>(k);
        drawCurve(canvas, sweep, axis, xRange, steerPanel, steer[i], color);
        drawCurve(canvas, sweep, axis, xRange, camberPanel, camber[i], color);
        canvas.setPenStyle(PenStyle::Dot);
        // Dotted on paper as well, where the pen draws only solid lines (cut finer than the
        // baseline's dashes).
        drawCurve(canvas, sweep, axis, xRange, camberPanel, caster[i], color,
                  paper ? std::optional<DashedPath>(DashedPath(100, 100, 0.002, 0.006))
                        : std::nullopt);
        canvas.setPenStyle(PenStyle::Solid);
        const char* name = k == 0 ? "R" : "L";
        nameCurveEnd(canvas, sweep, steerPanel, steer[i], name, color);
        nameCurveEnd(canvas, sweep, camberPanel, camber[i], name, color);
    }
    drawCurve(canvas, sweep, axis, xRange, ackermannPanel, ackermann, colors::Cyan);

    if (selected >= 0 && selected < static_cast<int>(sweep.states.size())) {
        const double x =
            kLeftEdge +
            (axis.valueOf(sweep.states[static_cast<std::size_t>(selected)].rack) + xRange) /
                (2 * xRange) * (kRightEdge - kLeftEdge);
        for (const Panel* p : {&steerPanel, &camberPanel, &ackermannPanel}) {
            canvas.line(x, p->top, x, p->bottom, colors::Yellow);
        }
    }
    // The axis: its two ends under the panels' edges and the caption between them.
    canvas.setTextColor(colors::White);
    canvas.setCurrentPosition(kLeftEdge - 2, 93);
    // xRange is in the axis's own unit: the rack's inches, or degrees.
    const auto end = [&axis](double value) {
        return axis.showsRack() ? fixedLength(value, 1) : fixedText(value, 1);
    };
    canvas.print(end(-xRange));
    canvas.setCurrentPosition(kRightEdge - 6, 93);
    canvas.print(end(xRange));
    canvas.setCurrentPosition(kLeftEdge + 12, 93);
    // Paper has no colours: there the curves' R and L ends tell the wheels apart.
    canvas.print(paper ? axis.caption() : axis.caption() + "  (right red, left green)");
}

void drawSteeringPlan(Canvas& canvas, const SteeringPair& pair, const SteerState& state) {
    canvas.setBackground(colors::Black);
    canvas.setFillStyle(FillStyle::Transparent);
    canvas.setPenStyle(PenStyle::Solid);
    canvas.setFont(Font{"MS Sans Serif", 8.25, false});
    if (!pair.ready()) {
        canvas.setScale(0, 0, 100, 100);
        canvas.setTextColor(colors::White);
        canvas.setCurrentPosition(2, 2);
        canvas.print("Both sides must be complete to steer the car.");
        return;
    }
    const CornerPoints& r = pair.points(true);
    const CornerPoints& l = pair.points(false);
    const double half = std::max(r.TC, l.TC) + std::max(r.SH, l.SH) * 0.5 + 6;
    const double zMiddle = (r.BB.z + l.BB.z) / 2;
    // Square in inches whatever the surface's shape.
    const double w = std::max(1, canvas.pixelWidth());
    const double h = std::max(1, canvas.pixelHeight());
    const double halfX = w >= h ? half * w / h : half;
    const double halfY = w >= h ? half : half * h / w;
    canvas.setScale(-halfX, zMiddle - halfY, halfX, zMiddle + halfY);

    canvas.setPenStyle(PenStyle::Dot);
    canvas.line(0, zMiddle - halfY, 0, zMiddle + halfY, kGrid); // centreline
    canvas.setPenStyle(PenStyle::Solid);
    if (state.right.solved && state.left.solved) {
        const PlanPoint a = plan(state.right.innerJoint, true);
        const PlanPoint b = plan(state.left.innerJoint, false);
        canvas.line(a.x, a.y, b.x, b.y, colors::LightGrey); // rack or centre link
    }
    if (state.right.solved) {
        drawWheel(canvas, state.right, r, true, kRight);
    }
    if (state.left.solved) {
        drawWheel(canvas, state.left, l, false, kLeft);
    }
    canvas.setTextColor(colors::White);
    canvas.setCurrentPosition(-halfX + 1, zMiddle - halfY + 0.5);
    const auto angle = [](const SteerWheel& wheel) {
        return wheel.solved ? fixedText(wheel.steer, 3) + " deg" : std::string("-");
    };
    canvas.print("front  rack " + fixedLength(state.rack, 3) + " " + lengthUnitText() + "   left " +
                 angle(state.left) + "   right " + angle(state.right));
}

} // namespace velmora
