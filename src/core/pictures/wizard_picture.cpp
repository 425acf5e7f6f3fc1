#include "pictures/wizard_picture.h"

#include "pictures/corner_drawing.h"
#include "pictures/sketch.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace velmora {
namespace {

namespace pc = picture_colors;

const char* groupWords(PictureGroup group) {
    switch (group) {
    case PictureGroup::Top:
        return "Top arm";
    case PictureGroup::Bottom:
        return "Bottom arm";
    case PictureGroup::Misc:
        return "Tie rod and wheel";
    case PictureGroup::Table:
        break;
    }
    return "";
}

const char* axisWords(PictureAxis axis) {
    switch (axis) {
    case PictureAxis::X:
        return "distance from the chassis centerline";
    case PictureAxis::Y:
        return "height above the floor";
    case PictureAxis::Z:
        return "distance from the reference line";
    }
    return "";
}

const char* lookWords(CarLook look) {
    switch (look) {
    case CarLook::GM:
        return "GM style stock car";
    case CarLook::Ford:
        return "Ford style stock car";
    case CarLook::Formula:
        return "formula car";
    }
    return "";
}

std::string pointWords(PictureGroup group, PictureAxis axis, int letter) {
    static const char* arms[] = {"rear pivot", "front pivot", "ball joint"};
    static const char* misc[] = {"inner tie rod", "outer tie rod", "tire center"};
    if (group != PictureGroup::Misc) {
        return arms[letter];
    }
    return letter == 2 && axis == PictureAxis::Y ? "spindle" : misc[letter];
}

Point3 pointOf(const Corner& corner, int row) {
    if (row == 9) {
        return {corner.tireX(), corner.spindle(), corner.wheelZ()};
    }
    return corner.point(row);
}

const char* referenceWords(PictureAxis axis) {
    switch (axis) {
    case PictureAxis::X:
        return "centerline";
    case PictureAxis::Y:
        return "floor";
    case PictureAxis::Z:
        return "reference line";
    }
    return "";
}

// Pixels, at the size texts are drawn at their nominal size: the space between two
// neighbouring dimension lines, and the gap and overshoot of an extension line.
constexpr double kLineSpacing = 22;
constexpr double kExtensionGap = 3;
constexpr double kExtensionOvershoot = 5;
constexpr double kLetterPoints = 9;
constexpr double kReferencePoints = 8;

// One measured point: where it is drawn (unmirrored picture units), how far it is from the
// reference along the dimension, and the level its dimension line runs at.
struct Measure {
    int letter = 0;
    PicPoint at;
    double along = 0;
    double level = 0;
};

// The screens measure along picture x from a vertical reference (X: the centreline, Z: the
// reference line) or along picture y from the floor (Y).
bool alongY(PictureAxis axis) {
    return axis == PictureAxis::Y;
}

PicPoint onScreen(PictureAxis axis, double along, double level) {
    return alongY(axis) ? PicPoint{level, along} : PicPoint{along, level};
}

// Pixels per picture unit of a sketch made for `area` on a surface `pixelWidth` wide.
double pixelsPerUnit(const Bounds& area, double aspect, int pixelWidth) {
    const double width = std::max(area.width(), area.height() * aspect);
    return pixelWidth / std::max(width, 1.0);
}

double textScaleFor(int pixelWidth) {
    return std::clamp(pixelWidth / 450.0, 0.5, 3.0);
}

} // namespace

std::array<std::optional<int>, 3> wizardPointRows(PictureGroup group, PictureAxis axis) {
    switch (group) {
    case PictureGroup::Top:
        return {2, 1, 3};
    case PictureGroup::Bottom:
        return {5, 4, 6};
    case PictureGroup::Misc:
        if (axis == PictureAxis::Z) {
            return {7, 8, std::nullopt};
        }
        return {7, 8, 9};
    case PictureGroup::Table:
        break;
    }
    return {};
}

void drawWizardPicture(Canvas& canvas, const PictureKey& key, const Corner& corner, double aspect) {
    const PictureAxis axis = key.axis;
    const CornerView view = axis == PictureAxis::Z ? CornerView::Side : CornerView::Front;
    const CornerProjection project(view, corner, false);
    const auto rows = wizardPointRows(key.group, axis);

    std::vector<Measure> measures;
    for (int i = 0; i < 3; ++i) {
        const auto& row = rows[static_cast<std::size_t>(i)];
        if (row) {
            const PicPoint p = project(pointOf(corner, *row));
            measures.push_back({i, p, alongY(axis) ? p.y : p.x, 0});
        }
    }
    // The shortest dimension runs nearest the points, so no extension line crosses another
    // dimension line.
    std::vector<Measure*> order;
    for (Measure& m : measures) {
        order.push_back(&m);
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const Measure* a, const Measure* b) { return a->along < b->along; });

    // Where the stack of dimension lines starts: above the arms (and above the tire when a
    // line reaches into it) on the X and Z screens, outboard of the tire on the Y screen.
    const double tireTop = 2 * corner.spindle();
    double base = 0;
    if (axis == PictureAxis::Y) {
        base = corner.tireX() + corner.tireWidth / 2 + 1.5;
        for (const Measure& m : measures) {
            base = std::max(base, m.at.x);
        }
    } else {
        for (int r = 1; r <= 8; ++r) {
            base = std::max(base, project(corner.point(r)).y);
        }
        const double wheelStart = axis == PictureAxis::X ? corner.tireX() - corner.tireWidth / 2
                                                         : corner.wheelZ() - corner.spindle() - 3;
        const bool intoWheel = std::any_of(measures.begin(), measures.end(),
                                           [&](const Measure& m) { return m.along > wheelStart; });
        if (intoWheel || axis == PictureAxis::Z) {
            base = std::max(base, tireTop + (axis == PictureAxis::Z ? 3 : 0));
        }
    }

    const int pixelWidth = canvas.pixelWidth() > 0 ? canvas.pixelWidth() : 400;
    const double textScale = textScaleFor(pixelWidth);
    const Bounds cornerArea = cornerBounds(corner, project);
    // The spacing is set in pixels, and the area (hence the scale) grows with the stack:
    // a few rounds settle both.
    Bounds area;
    double spacing = 2.5;
    for (int round = 0; round < 4; ++round) {
        area = cornerArea;
        const double outer = base + spacing * (static_cast<double>(measures.size()) + 0.6);
        double far = 0;
        for (const Measure& m : measures) {
            far = std::max(far, m.along);
        }
        area.include(onScreen(axis, 0, outer));
        area.include(onScreen(axis, far, outer));
        area.include(onScreen(axis, 0, 0));
        const double unitsPerPoint =
            96.0 / 72.0 * textScale / pixelsPerUnit(area, aspect, pixelWidth);
        // The reference's name: above the centreline or the reference line, beside the
        // floor past the last height line.
        const double nameWidth = static_cast<double>(std::string(referenceWords(axis)).size()) *
                                 kReferencePoints * 0.62 * unitsPerPoint;
        const double nameHeight = kReferencePoints * 1.25 * unitsPerPoint;
        if (axis == PictureAxis::Y) {
            area.include({outer + spacing + nameWidth, nameHeight});
        } else {
            area.include({-0.6 * nameWidth, outer + nameHeight});
            area.include({0.6 * nameWidth, outer + nameHeight});
        }
        area.pad(spacing);
        area.top += 17 * 1.45 * unitsPerPoint + spacing * 0.5;   // caption
        area.bottom -= 8 * 1.45 * unitsPerPoint + spacing * 0.5; // legend
        spacing = kLineSpacing * textScale / pixelsPerUnit(area, aspect, pixelWidth);
    }
    for (std::size_t k = 0; k < order.size(); ++k) {
        order[k]->level = base + spacing * (0.8 + static_cast<double>(k));
    }

    canvas.setBackground(pc::Paper);
    Sketch sketch(canvas, area, aspect, key.right);
    const double px = sketch.unitsPerPixel();

    // Caption and legend first, so nothing is put over them.
    const double left = sketch.visibleLeft() + 0.5 * spacing;
    const double top = sketch.visibleTop() - 0.25 * spacing;
    sketch.caption({left, top},
                   std::string(groupWords(key.group)) + ", " + (key.right ? "right" : "left") +
                       " side: " + axisWords(axis),
                   pc::Ink, 9, true);
    sketch.caption({left, top - sketch.lineHeight(9)},
                   corner.ownGeometry ? "Your car, drawn to scale"
                                      : std::string("Typical ") + lookWords(corner.look),
                   pc::Chassis, 8);
    std::string legend;
    static const char* letters[] = {"A", "B", "C"};
    for (const Measure& m : measures) {
        legend += std::string(m.letter ? "    " : "") + letters[m.letter] + "  " +
                  pointWords(key.group, axis, m.letter);
    }
    sketch.caption({left, sketch.visibleBottom() + 0.25 * spacing + sketch.lineHeight(8)}, legend,
                   pc::Ink, 8);

    drawFloor(sketch, area.left + spacing * 0.4, area.right - spacing * 0.4);
    drawCorner(sketch, corner, project, CornerEmphasis{key.group});

    // The reference the screen measures from, drawn and named: the centreline and the
    // reference line stand up from the floor past the last dimension line.
    const double outer = order.empty() ? base : order.back()->level + spacing * 0.6;
    PicPoint nameAt;
    const std::string name = referenceWords(axis);
    if (axis == PictureAxis::Y) {
        const double half = sketch.labelBox({}, name, kReferencePoints).halfHeight;
        nameAt = sketch.freeSpot(
            {sketch.at(outer + spacing, half + 3 * px), sketch.at(outer + spacing, -half - 3 * px)},
            name, kReferencePoints);
    } else {
        sketch.stroke(sketch.at(0, 0), sketch.at(0, outer), pc::Chalk, 0.2,
                      axis == PictureAxis::X ? PenStyle::Dot : PenStyle::Solid);
        const TextBox box = sketch.labelBox({}, name, kReferencePoints);
        const double y = outer + box.halfHeight + 2 * px;
        nameAt = sketch.freeSpot({sketch.at(0, y), sketch.at(box.halfWidth + 3 * px, y),
                                  sketch.at(-box.halfWidth - 3 * px, y)},
                                 name, kReferencePoints);
    }

    // Extension lines, then the dimension lines from the reference to them, then the letters
    // beside their lines where nothing else is.
    for (const Measure& m : measures) {
        const double sign = m.level >= (alongY(axis) ? m.at.x : m.at.y) ? 1 : -1;
        const double from = (alongY(axis) ? m.at.x : m.at.y) + sign * kExtensionGap * px;
        const double to = m.level + sign * kExtensionOvershoot * px;
        const PicPoint a = alongY(axis) ? PicPoint{from, m.at.y} : PicPoint{m.at.x, from};
        const PicPoint b = alongY(axis) ? PicPoint{to, m.at.y} : PicPoint{m.at.x, to};
        const PicPoint sa = sketch.at(a.x, a.y);
        const PicPoint sb = sketch.at(b.x, b.y);
        sketch.stroke(sa, sb, pc::Dimension, 0.01);
    }
    for (const Measure& m : measures) {
        const PicPoint r = onScreen(axis, 0, m.level);
        const PicPoint e = onScreen(axis, m.along, m.level);
        sketch.dimension(sketch.at(r.x, r.y), sketch.at(e.x, e.y), pc::Dimension);
    }
    for (const Measure& m : measures) {
        sketch.dot(sketch.at(m.at.x, m.at.y), 0.6, pc::Point);
    }
    sketch.label(nameAt, name, pc::Chalk, kReferencePoints);
    for (const Measure& m : measures) {
        const std::string letter = letters[m.letter];
        const TextBox box = sketch.labelBox({}, letter, kLetterPoints);
        const double off = (alongY(axis) ? box.halfWidth : box.halfHeight) + 2.5 * px;
        std::vector<PicPoint> candidates;
        for (const double t : {0.5, 0.35, 0.65, 0.2, 0.8, 0.1, 0.9}) {
            for (const double side : {1.0, -1.0}) {
                const PicPoint c = onScreen(axis, t * m.along, m.level + side * off);
                candidates.push_back(sketch.at(c.x, c.y));
            }
        }
        sketch.label(sketch.freeSpot(candidates, letter, kLetterPoints), letter, pc::Ink,
                     kLetterPoints, true);
    }
}

} // namespace velmora
