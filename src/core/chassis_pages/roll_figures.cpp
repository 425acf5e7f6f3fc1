#include "chassis_pages/roll_figures.h"

#include "drawing/clip_segment.h"

#include "chassis_pages/page_title.h"

#include "printing/page_region_canvas.h"

#include "analysis/baseline_overlay.h"
#include "analysis/dashed_path.h"

#include "chassis/front_view_lines.h"
#include "model/number_text.h"
#include "model/shown_length.h"
#include "model/text_wrap.h"

#include <algorithm>
#include <cmath>

namespace velmora {
namespace {

constexpr double kTireHalfWidth = 4.0; // inches, the drawn tire's half tread width
constexpr double kBeside = 14.0;       // inches shown outboard of each tire centre
constexpr double kMarkPixels = 4.0;    // radius of a mark on screen
constexpr double kMarkPageUnits = 1.2; // and on the page
// The front view's texts in its own inches, as large as any surface draws them (its message
// lines step 3 in apart): what a mark's name must keep clear of is judged with these.
constexpr double kCharWidth = 1.2;
constexpr double kTextHeight = 2.2;
constexpr double kMarkReach = 1.5; // a mark's circle and cross
constexpr double kNameGap = 1.0;   // between a mark's cross and its name
// On paper, page units: the arm lines dotted, the patch lines dashed.
constexpr double kPaperDot = 0.35, kPaperDotGap = 1.0;
constexpr double kPaperDash = 2.5, kPaperDashGap = 1.2;

FrontPoint plus(const FrontPoint& a, const FrontPoint& b, double k = 1.0) {
    return {a.u + k * b.u, a.v + k * b.v};
}

bool inside(const Figure& f, const FrontPoint& p) {
    return p.u >= f.uMin && p.u <= f.uMax && p.v >= f.vMin && p.v <= f.vMax;
}

struct Area {
    double uMin, vMin, uMax, vMax;
};

// The part of the segment a-b inside the area; false when none is.
bool clip(const Area& f, FrontPoint& a, FrontPoint& b) {
    Segment s{a.u, a.v, b.u, b.v};
    if (!clipSegment(s, f.uMin, f.vMin, f.uMax, f.vMax)) {
        return false;
    }
    a = {s.x1, s.y1};
    b = {s.x2, s.y2};
    return true;
}

bool clip(const Figure& f, FrontPoint& a, FrontPoint& b) {
    return clip(Area{f.uMin, f.vMin, f.uMax, f.vMax}, a, b);
}

void addLine(Figure& f, FrontPoint a, FrontPoint b, FigureInk ink) {
    if (std::isfinite(a.u) && std::isfinite(a.v) && std::isfinite(b.u) && std::isfinite(b.v) &&
        clip(f, a, b)) {
        f.lines.push_back({a, b, ink});
    }
}

// A line from `from` through `through`, carried far beyond it (to the edge once clipped).
void addRay(Figure& f, const FrontPoint& from, const FrontPoint& through, FigureInk ink) {
    const double du = through.u - from.u;
    const double dv = through.v - from.v;
    const double length = std::hypot(du, dv);
    if (!(length > 0)) {
        return;
    }
    const double reach = 4 * ((f.uMax - f.uMin) + (f.vMax - f.vMin)) / length;
    addLine(f, from, {from.u + reach * du, from.v + reach * dv}, ink);
}

std::string thousandths(double value) {
    return fixedText(value, 3);
}

// A length as the figures and the table give it: thousandths of an inch, or hundredths of a
// millimetre.
std::string lengthText(double inches) {
    return fixedLength(inches, 3);
}

// " in" or " mm" after a length.
std::string unitSuffix() {
    return " " + lengthUnitText();
}

// A row caption naming the display unit: "Wheel travel (in)".
std::string lengthCaption(const char* what) {
    return std::string(what) + " (" + lengthUnitText() + ")";
}

void addCorner(Figure& f, const WheelAtState& w, FigureInk ink) {
    if (w.topAxisFoot) {
        addLine(f, *w.topAxisFoot, w.topBall, ink);
    }
    if (w.bottomAxisFoot) {
        addLine(f, *w.bottomAxisFoot, w.bottomBall, ink);
    }
    addLine(f, w.topBall, w.bottomBall, ink);
    addLine(f, w.topBall, w.wheelCentre, ink);
    addLine(f, w.bottomBall, w.wheelCentre, ink);
    // The tire: its tread along the spin axis, its diameter across it.
    const FrontPoint across{-w.spin.v, w.spin.u};
    const FrontPoint c = w.wheelCentre;
    const double r = w.wheelRadius;
    const FrontPoint corners[4] = {
        plus(plus(c, w.spin, kTireHalfWidth), across, r),
        plus(plus(c, w.spin, -kTireHalfWidth), across, r),
        plus(plus(c, w.spin, -kTireHalfWidth), across, -r),
        plus(plus(c, w.spin, kTireHalfWidth), across, -r),
    };
    for (int k = 0; k < 4; ++k) {
        addLine(f, corners[k], corners[(k + 1) % 4], FigureInk::Tire);
    }
    // The arm lines to the instant centre, or toward the centre of the car as far as shown.
    if (w.instantCentre) {
        addLine(f, w.topBall, *w.instantCentre, FigureInk::Construction);
        addLine(f, w.bottomBall, *w.instantCentre, FigureInk::Construction);
    } else {
        if (w.topAxisFoot) {
            addRay(f, w.topBall, *w.topAxisFoot, FigureInk::Construction);
        }
        if (w.bottomAxisFoot) {
            addRay(f, w.bottomBall, *w.bottomAxisFoot, FigureInk::Construction);
        }
    }
}

// From the contact patch through the instant centre, to the roll centre or to the edge.
void addPatchLine(Figure& f, const WheelAtState& w, const std::optional<RollCentreAtState>& rc) {
    if (!w.instantCentre) {
        return;
    }
    if (!rc) {
        addRay(f, w.contactPatch, *w.instantCentre, FigureInk::PatchLine);
        return;
    }
    const auto far = [&w](const FrontPoint& p) {
        return std::hypot(p.u - w.contactPatch.u, p.v - w.contactPatch.v);
    };
    const FrontPoint& end = far(rc->body) > far(*w.instantCentre) ? rc->body : *w.instantCentre;
    addLine(f, w.contactPatch, end, FigureInk::PatchLine);
}

Area textArea(const FigureText& t) {
    return {t.at.u, t.at.v - kTextHeight, t.at.u + kCharWidth * static_cast<double>(t.text.size()),
            t.at.v};
}

bool overlap(const Area& a, const Area& b) {
    return a.uMin < b.uMax && b.uMin < a.uMax && a.vMin < b.vMax && b.vMin < a.vMax;
}

// Names the mark at `at` beside it, on the first side where the name stays inside the
// picture clear of every text and mark and crosses no line; failing that where it crosses
// the fewest lines, and not at all where it would cover a text or another mark.
void nameMark(Figure& f, const FrontPoint& at, const std::string& name) {
    const double w = kCharWidth * static_cast<double>(name.size());
    const double h = kTextHeight;
    const Area picture{f.uMin, f.vMin, f.uMax, f.vMax};
    std::optional<Area> best;
    std::size_t bestCrossings = 0;
    for (const double reach :
         {kMarkReach + kNameGap, 1.6 * (kMarkReach + kNameGap), 2.5 * (kMarkReach + kNameGap)}) {
        const double across = reach + w / 2;
        const double up = reach + h / 2;
        const FrontPoint sides[8] = {{across, 0},  {-across, 0},  {0, up},       {0, -up},
                                     {across, up}, {-across, up}, {across, -up}, {-across, -up}};
        for (const FrontPoint& side : sides) {
            const FrontPoint c = plus(at, side);
            const Area box{c.u - w / 2, c.v - h / 2, c.u + w / 2, c.v + h / 2};
            if (box.uMin < picture.uMin || box.uMax > picture.uMax || box.vMin < picture.vMin ||
                box.vMax > picture.vMax) {
                continue;
            }
            const bool covers =
                std::any_of(f.texts.begin(), f.texts.end(),
                            [&](const FigureText& t) { return overlap(box, textArea(t)); }) ||
                std::any_of(f.marks.begin(), f.marks.end(), [&](const FigureMark& m) {
                    return overlap(box, {m.at.u - kMarkReach, m.at.v - kMarkReach,
                                         m.at.u + kMarkReach, m.at.v + kMarkReach});
                });
            if (covers) {
                continue;
            }
            const auto crossings = static_cast<std::size_t>(
                std::count_if(f.lines.begin(), f.lines.end(), [&](const FigureLine& l) {
                    FrontPoint a = l.a;
                    FrontPoint b = l.b;
                    return clip(box, a, b);
                }));
            if (!best || crossings < bestCrossings) {
                best = box;
                bestCrossings = crossings;
            }
            if (crossings == 0) {
                f.texts.push_back({{box.uMin, box.vMax}, name});
                return;
            }
        }
    }
    if (best) {
        f.texts.push_back({{best->uMin, best->vMax}, name});
    }
}

struct Mapping {
    double x0, y0, sx, sy, vMax, uMin;
    double x(double u) const { return x0 + (u - uMin) * sx; }
    double y(double v) const { return y0 + (vMax - v) * sy; }
};

Mapping mappingOf(const Figure& f, double x, double y, double w, double h) {
    double sx = w / (f.uMax - f.uMin);
    double sy = h / (f.vMax - f.vMin);
    if (f.equalScale) {
        sx = sy = std::min(sx, sy);
    }
    const double padX = (w - sx * (f.uMax - f.uMin)) / 2;
    const double padY = (h - sy * (f.vMax - f.vMin)) / 2;
    return {x + padX, y + padY, sx, sy, f.vMax, f.uMin};
}

Rgb inkColour(FigureInk ink) {
    switch (ink) {
    case FigureInk::Frame:
        return colors::Black;
    case FigureInk::Centreline:
        return Rgb{128, 128, 128};
    case FigureInk::Ground:
        return Rgb{128, 80, 0};
    case FigureInk::RightSide:
        return Rgb{200, 0, 0};
    case FigureInk::LeftSide:
        return Rgb{0, 150, 0};
    case FigureInk::Tire:
        return Rgb{64, 64, 64};
    case FigureInk::Construction:
        return Rgb{0, 0, 255};
    case FigureInk::PatchLine:
    case FigureInk::RollCentre:
        return Rgb{200, 0, 200};
    case FigureInk::StaticMark:
        return colors::LightGrey;
    case FigureInk::Path:
        return Rgb{0, 0, 160};
    case FigureInk::Baseline:
        return kBaselineColor;
    }
    return colors::Black;
}

// The baseline's path as dashes in figure units, so that the window and the page, which draw
// figure lines solid, both show it dashed.
void addBaselinePath(Figure& f, const std::vector<FrontPoint>& points) {
    DashedPath path(f.uMax - f.uMin, f.vMax - f.vMin, 0.02, 0.015);
    for (std::size_t k = 1; k < points.size(); ++k) {
        for (const Segment& d :
             path.dashes(points[k - 1].u, points[k - 1].v, points[k].u, points[k].v)) {
            f.lines.push_back({{d.x1, d.y1}, {d.x2, d.y2}, FigureInk::Baseline});
        }
    }
}

// Lower right: a dashed and a solid sample, each named, for the paths that are drawn.
void addBaselineLegend(Figure& f, bool baselineDrawn, bool currentDrawn) {
    const double du = f.uMax - f.uMin;
    const double dv = f.vMax - f.vMin;
    const double u0 = f.uMax - du * 0.40;
    const double u1 = f.uMax - du * 0.31;
    const double vBase = f.vMin + dv * 0.15;
    const double vCurrent = f.vMin + dv * 0.07;
    if (baselineDrawn) {
        DashedPath sample(du, dv, 0.02, 0.015);
        for (const Segment& d : sample.dashes(u0, vBase, u1, vBase)) {
            f.lines.push_back({{d.x1, d.y1}, {d.x2, d.y2}, FigureInk::Baseline});
        }
    }
    if (currentDrawn) {
        f.lines.push_back({{u0, vCurrent}, {u1, vCurrent}, FigureInk::Path});
    }
    if (baselineDrawn) {
        f.texts.push_back({{u1 + du * 0.02, vBase + dv * 0.03}, kBaselineLegend});
    }
    if (currentDrawn) {
        f.texts.push_back({{u1 + du * 0.02, vCurrent + dv * 0.03}, kCurrentLegend});
    }
}

bool dotted(FigureInk ink) {
    return ink == FigureInk::Centreline || ink == FigureInk::Construction;
}

bool dashed(FigureInk ink) {
    return ink == FigureInk::PatchLine;
}

} // namespace

// Characters of a message line in the front view: the view's narrowest width holds them.
constexpr std::size_t kMessageLineLength = 48;

Figure frontViewFigure(const DiveRollState& s, const FrontEnd& front) {
    Figure f;
    f.equalScale = true;
    f.uMin = -(front.tireCentre(true) + kBeside);
    f.uMax = front.tireCentre(false) + kBeside;
    f.vMin = -8;
    f.vMax = 30;
    f.texts.push_back(
        {{f.uMin + 1, f.vMax - 0.5},
         "Dive " + lengthText(s.dive) + unitSuffix() + ", roll " + thousandths(s.roll) + " deg"});
    if (!s.solved) {
        double v = f.vMax - 4;
        // Broken into short lines, so that a long message stays within the front view.
        for (const Message& m : s.messages) {
            for (const std::string& line : wrappedLines(m.text, kMessageLineLength)) {
                f.texts.push_back({{f.uMin + 1, v}, line});
                v -= 3;
            }
        }
        return f;
    }
    // Room above the tires for the title.
    f.vMax = std::max({f.vMax, s.right.topBall.v + 10, s.left.topBall.v + 10,
                       s.right.wheelCentre.v + s.right.wheelRadius + 9,
                       s.left.wheelCentre.v + s.left.wheelRadius + 9});
    f.texts.front().at.v = f.vMax - 0.5;
    addLine(f, {0, f.vMin}, {0, f.vMax}, FigureInk::Centreline);
    const GroundLine ground = groundLine(s.right.contactPatch, s.left.contactPatch);
    if (ground.valid) {
        addRay(f, s.right.contactPatch, plus(s.right.contactPatch, ground.e, -1),
               FigureInk::Ground);
        addRay(f, s.left.contactPatch, plus(s.left.contactPatch, ground.e), FigureInk::Ground);
        addLine(f, s.right.contactPatch, s.left.contactPatch, FigureInk::Ground);
    }
    addCorner(f, s.right, FigureInk::RightSide);
    addCorner(f, s.left, FigureInk::LeftSide);
    addPatchLine(f, s.right, s.rollCentre);
    addPatchLine(f, s.left, s.rollCentre);
    if (front.staticRollCentre() && inside(f, front.staticRollCentre()->body)) {
        f.marks.push_back({front.staticRollCentre()->body, FigureInk::StaticMark});
    }
    const bool rollCentreShown = s.rollCentre && inside(f, s.rollCentre->body);
    if (rollCentreShown) {
        f.marks.push_back({s.rollCentre->body, FigureInk::RollCentre});
    } else {
        f.texts.push_back({{f.uMin + 1, f.vMin + 3},
                           s.rollCentre ? "Roll centre outside the picture" : "No roll centre"});
    }
    // Nearly parallel arms meet far off the picture: such an instant centre is neither marked
    // nor named, its lines simply run to the edge.
    std::vector<std::pair<FrontPoint, std::string>> names;
    for (const auto& [w, name] : {std::pair{&s.right, "IC R"}, std::pair{&s.left, "IC L"}}) {
        if (w->instantCentre && inside(f, *w->instantCentre)) {
            f.marks.push_back({*w->instantCentre, FigureInk::Construction});
            names.emplace_back(*w->instantCentre, name);
        }
    }
    if (rollCentreShown) {
        names.emplace_back(s.rollCentre->body, "RC");
    }
    // Every mark is placed before any name, so that no name covers a mark placed after it.
    for (const auto& [at, name] : names) {
        nameMark(f, at, name);
    }
    return f;
}

Figure rollPathFigure(const DiveRollPath& path, const DiveRollPath* baseline) {
    Figure f;
    std::vector<FrontPoint> points;
    for (const DiveRollState& s : path.states) {
        if (s.rollCentre) {
            points.push_back({s.rollCentre->offset, s.rollCentre->height});
        }
    }
    // The baseline takes the current path's scale: without a current path it is not drawn.
    std::vector<FrontPoint> basePoints;
    if (baseline && !points.empty()) {
        for (const DiveRollState& s : baseline->states) {
            if (s.rollCentre) {
                basePoints.push_back({s.rollCentre->offset, s.rollCentre->height});
            }
        }
    }
    double uLo = 0, uHi = 0, vLo = 0, vHi = 0;
    if (!points.empty()) {
        uLo = uHi = points.front().u;
        vLo = vHi = points.front().v;
        std::vector<FrontPoint> all = points;
        all.insert(all.end(), basePoints.begin(), basePoints.end());
        for (const FrontPoint& p : all) {
            uLo = std::min(uLo, p.u);
            uHi = std::max(uHi, p.u);
            vLo = std::min(vLo, p.v);
            vHi = std::max(vHi, p.v);
        }
    }
    // At least half an inch each way, so that a path that barely moves is not blown up.
    const double uMid = (uLo + uHi) / 2;
    const double vMid = (vLo + vHi) / 2;
    const double uHalf = std::max(0.5, (uHi - uLo) * 0.6);
    const double vHalf = std::max(0.5, (vHi - vLo) * 0.6);
    f.uMin = uMid - uHalf;
    f.uMax = uMid + uHalf;
    f.vMin = vMid - vHalf;
    f.vMax = vMid + vHalf;
    const double du = f.uMax - f.uMin;
    const double dv = f.vMax - f.vMin;
    const FrontPoint corners[4] = {
        {f.uMin, f.vMin}, {f.uMax, f.vMin}, {f.uMax, f.vMax}, {f.uMin, f.vMax}};
    for (int k = 0; k < 4; ++k) {
        addLine(f, corners[k], corners[(k + 1) % 4], FigureInk::Frame);
    }
    if (!basePoints.empty()) {
        addBaselinePath(f, basePoints);
    }
    for (std::size_t k = 1; k < points.size(); ++k) {
        addLine(f, points[k - 1], points[k], FigureInk::Path);
    }
    const DiveRollState* current = path.states.empty() ? nullptr : &path.states.back();
    if (current && current->rollCentre) {
        f.marks.push_back(
            {{current->rollCentre->offset, current->rollCentre->height}, FigureInk::RollCentre});
    }
    const double roll = current ? current->roll : 0;
    f.texts.push_back(
        {{f.uMin + du * 0.02, f.vMax - dv * 0.02},
         "Roll centre, roll " + thousandths(0) + " to " + thousandths(roll) + " deg"});
    f.texts.push_back(
        {{f.uMin + du * 0.02, f.vMax - dv * 0.12}, "height " + lengthText(f.vMax) + unitSuffix()});
    f.texts.push_back(
        {{f.uMin + du * 0.02, f.vMin + dv * 0.1}, "height " + lengthText(f.vMin) + unitSuffix()});
    f.texts.push_back(
        {{f.uMin + du * 0.02, f.vMin + dv * 0.2},
         "offset " + lengthText(f.uMin) + " to " + lengthText(f.uMax) + unitSuffix()});
    if (points.empty()) {
        f.texts.push_back({{f.uMin + du * 0.02, f.vMin + dv * 0.6}, "No roll centre"});
    }
    if (basePoints.size() > 1) {
        addBaselineLegend(f, true, points.size() > 1);
    }
    return f;
}

namespace {

// A side's lines and the path stand out on screen; on paper, where there is no colour, the
// dotted lines and the faint static mark are the thin ones.
int linePen(FigureInk ink, FigureSurface surface) {
    if (surface == FigureSurface::Paper) {
        return dotted(ink) || dashed(ink) || ink == FigureInk::StaticMark ? 1 : 2;
    }
    return ink == FigureInk::RightSide || ink == FigureInk::LeftSide || ink == FigureInk::Path ? 2
                                                                                               : 1;
}

} // namespace

void drawFigure(Canvas& canvas, const Figure& f, double x, double y, double w, double h,
                FigureSurface surface) {
    const bool paper = surface == FigureSurface::Paper;
    const Mapping m = mappingOf(f, x, y, w, h);
    canvas.setFillStyle(FillStyle::Transparent);
    for (const FigureLine& l : f.lines) {
        canvas.setPenStyle(dotted(l.ink) ? PenStyle::Dot : PenStyle::Solid);
        canvas.setPenWidth(linePen(l.ink, surface));
        if (paper && (dotted(l.ink) || dashed(l.ink))) {
            DashedPath pattern(1, 1, dotted(l.ink) ? kPaperDot : kPaperDash,
                               dotted(l.ink) ? kPaperDotGap : kPaperDashGap);
            for (const Segment& d :
                 pattern.dashes(m.x(l.a.u), m.y(l.a.v), m.x(l.b.u), m.y(l.b.v))) {
                canvas.line(d.x1, d.y1, d.x2, d.y2, inkColour(l.ink));
            }
            continue;
        }
        canvas.line(m.x(l.a.u), m.y(l.a.v), m.x(l.b.u), m.y(l.b.v), inkColour(l.ink));
    }
    canvas.setPenStyle(PenStyle::Solid);
    canvas.setPenWidth(paper ? 1 : 2);
    const double mark = paper ? kMarkPageUnits : kMarkPixels;
    for (const FigureMark& each : f.marks) {
        const double cx = m.x(each.at.u);
        const double cy = m.y(each.at.v);
        const Rgb colour = inkColour(each.ink);
        canvas.circle(cx, cy, mark, colour);
        if (paper && each.ink == FigureInk::StaticMark) {
            continue; // the faint mark is the circle alone
        }
        canvas.line(cx - 2 * mark, cy, cx + 2 * mark, cy, colour);
        canvas.line(cx, cy - 2 * mark, cx, cy + 2 * mark, colour);
    }
    if (!paper) {
        canvas.setPenWidth(1);
    }
    canvas.setTextColor(colors::Black);
    for (const FigureText& t : f.texts) {
        canvas.setCurrentPosition(m.x(t.at.u), m.y(t.at.v));
        canvas.print(t.text);
    }
}

void printFigure(Printer& printer, const Figure& f, double x, double y, double w, double h) {
    PageRegionCanvas page(printer, 0, 0, 1, 1); // the page's own units
    drawFigure(page, f, x, y, w, h, FigureSurface::Paper);
}

std::vector<RollTableRow> rollTableRows(const DiveRollState& s) {
    const auto wheel = [&s](double WheelAtState::*value) -> std::pair<std::string, std::string> {
        if (!s.solved) {
            return {"-", "-"};
        }
        return {thousandths(s.right.*value), thousandths(s.left.*value)};
    };
    std::vector<RollTableRow> rows;
    rows.push_back(
        {lengthCaption("Wheel travel"), lengthText(s.right.travel), lengthText(s.left.travel)});
    const auto add = [&](const char* caption, double WheelAtState::*value) {
        auto [r, l] = wheel(value);
        rows.push_back({caption, r, l});
    };
    add("Camber change to the body (deg)", &WheelAtState::camberChangeBody);
    add("Camber change to the ground (deg)", &WheelAtState::camberChangeGround);
    add("Bump steer (deg)", &WheelAtState::bumpSteer);
    const std::string none = s.solved ? "none" : "-";
    const auto car = [&rows](std::string caption, std::string value) {
        rows.push_back({std::move(caption), std::move(value), "", RollRowKind::Car});
    };
    rows.push_back({kWholeCarHeading, "", "", RollRowKind::Heading});
    car(lengthCaption("Roll centre height"),
        s.rollCentre ? lengthText(s.rollCentre->height) : none);
    car(lengthCaption("Roll centre offset"),
        s.rollCentre ? lengthText(s.rollCentre->offset) : none);
    // Beside the geometric one: where the lines square to the patches' motion meet.
    car(lengthCaption("Kinematic roll centre height"),
        s.kinematicRollCentre ? lengthText(s.kinematicRollCentre->height) : none);
    car(lengthCaption("Kinematic roll centre offset"),
        s.kinematicRollCentre ? lengthText(s.kinematicRollCentre->offset) : none);
    car(lengthCaption("Track change"), s.solved ? lengthText(s.trackChange) : "-");
    car("Ground angle (deg)", s.solved ? thousandths(s.groundAngle) : "-");
    return rows;
}

std::vector<RollTableRow> rollTableRows(const DiveRollState& state, const AntiDive& antiDive) {
    std::vector<RollTableRow> rows = rollTableRows(state);
    const auto carSection = std::find_if(rows.begin(), rows.end(), [](const RollTableRow& r) {
        return r.kind == RollRowKind::Heading;
    });
    std::vector<RollTableRow> sides;
    for (const AntiDiveRow& row : antiDiveRows(antiDive)) {
        sides.push_back({row.caption, row.right, row.left,
                         row.bothSides ? RollRowKind::Car : RollRowKind::Wheels});
    }
    rows.insert(carSection, sides.begin(), sides.end());
    return rows;
}

void drawDiveRoll(Canvas& canvas, int width, int height, const Figure& frontView,
                  const Figure& path) {
    const double w = std::max(width, 1);
    const double h = std::max(height, 1);
    canvas.setScale(0, 0, w, h);
    canvas.setBackground(colors::White);
    const double split = w * 0.62;
    drawFigure(canvas, frontView, 4, 4, split - 8, h - 8);
    drawFigure(canvas, path, split + 4, 4, w - split - 8, h - 8);
}

void buildDiveRollPage(Printer& printer, const DiveRollState& state, const DiveRollPath& path,
                       const FrontEnd& front, const AntiDive& antiDive,
                       const std::string& fileCaption) {
    printChassisPageTitle(printer, "Dive and Roll");
    printFigure(printer, frontViewFigure(state, front), -18, 6, 139, 72);
    printFigure(printer, rollPathFigure(path), 10, 82, 80, 48);
    const std::vector<RollTableRow> rows = rollTableRows(state, antiDive);
    const double top = 136;
    const auto at = [&printer](double x, double y, const std::string& text) {
        printer.setCurrentPosition(x, y);
        printer.printText(text);
    };
    at(60, top, "Right");
    at(85, top, "Left");
    // A value for both sides starts under Right and runs on past Left, on more lines where the
    // page's edge would cut it.
    constexpr std::size_t kValueColumns = 48;
    double y = top + 5;
    for (const RollTableRow& row : rows) {
        at(0, y, row.caption);
        if (row.kind == RollRowKind::Wheels) {
            at(60, y, row.right);
            at(85, y, row.left);
            y += 4;
            continue;
        }
        std::vector<std::string> lines = wrappedLines(row.right, kValueColumns);
        if (lines.empty()) {
            lines.emplace_back();
        }
        for (const std::string& line : lines) {
            at(60, y, line);
            y += 4;
        }
    }
    at(0, std::max(190.0, y + 2), fileCaption);
    printer.endDoc();
}

} // namespace velmora
