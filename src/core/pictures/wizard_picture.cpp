#include "pictures/wizard_picture.h"

#include "pictures/corner_drawing.h"
#include "pictures/sketch.h"

#include <algorithm>
#include <cmath>
#include <string>

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

std::string pointWords(PictureGroup group, int letter) {
    static const char* arms[] = {"rear pivot", "front pivot", "ball joint"};
    static const char* misc[] = {"inner tie rod", "outer tie rod", "wheel center"};
    return group == PictureGroup::Misc ? misc[letter] : arms[letter];
}

Point3 pointOf(const Corner& corner, int row) {
    if (row == 9) {
        return {corner.tireX(), corner.spindle(), corner.wheelZ()};
    }
    return corner.point(row);
}

// Where the tape starts for a point: on the centreline at the point's height, on the floor
// beneath it, or on the reference line at its height.
Point3 referenceOf(PictureAxis axis, Point3 p) {
    switch (axis) {
    case PictureAxis::X:
        return {0, p.y, p.z};
    case PictureAxis::Y:
        return {p.x, 0, p.z};
    case PictureAxis::Z:
        return {p.x, p.y, 0};
    }
    return p;
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
    const CornerView view = key.axis == PictureAxis::Z ? CornerView::Side : CornerView::Front;
    const CornerProjection project(view, corner);
    const auto rows = wizardPointRows(key.group, key.axis);

    Bounds area = cornerBounds(corner, project);
    if (key.axis == PictureAxis::Z) {
        area.include(project({corner.tireX() + 4, 0, -3}));
    }
    area.pad(3);
    area.top += 5;    // caption
    area.bottom -= 4; // legend
    canvas.setBackground(pc::Paper);
    Sketch sketch(canvas, area, aspect, key.right);

    drawFloor(sketch, area.left + 1, area.right - 1);
    // The reference the screen measures from.
    if (key.axis == PictureAxis::X) {
        const PicPoint low = project({0, -1, corner.wheelZ()});
        const PicPoint high = project({0, 2 * corner.spindle() + 3, corner.wheelZ()});
        sketch.stroke(sketch.at(low.x, low.y), sketch.at(high.x, high.y), pc::Chalk, 0.2,
                      PenStyle::Dot);
        sketch.text({high.x - 2, high.y + 2.2}, "centerline", pc::Chalk, 8);
    } else if (key.axis == PictureAxis::Z) {
        const PicPoint a = project({0, 0, 0});
        const PicPoint b = project({corner.tireX(), 0, 0});
        sketch.stroke(sketch.at(a.x, a.y), sketch.at(b.x, b.y), pc::Chalk, 0.3);
        // Named beneath the floor, where neither the tire nor the arms are.
        const double start = std::min(sketch.mx(a.x), sketch.mx(b.x));
        sketch.caption({start, -2.4}, "reference line", pc::Chalk, 8);
    }

    drawCorner(sketch, corner, project, CornerEmphasis{key.group});

    // Centre of the marked points, to put each letter on the far side of its point.
    PicPoint centre{0, 0};
    int count = 0;
    for (const auto& row : rows) {
        if (row) {
            const PicPoint p = project(pointOf(corner, *row));
            centre = {centre.x + p.x, centre.y + p.y};
            ++count;
        }
    }
    centre = {centre.x / count, centre.y / count};

    std::string legend;
    static const char* letters[] = {"A", "B", "C"};
    for (int i = 0; i < 3; ++i) {
        const auto& row = rows[static_cast<std::size_t>(i)];
        if (!row) {
            continue;
        }
        const Point3 point = pointOf(corner, *row);
        const Point3 start = referenceOf(key.axis, point);
        const PicPoint p = project(point);
        const PicPoint s = project(start);
        if (key.axis != PictureAxis::Y) {
            // Plumb from the floor to where the tape is held.
            const PicPoint foot = project({start.x, 0, start.z});
            sketch.stroke(sketch.at(foot.x, foot.y), sketch.at(s.x, s.y), pc::Chalk, 0.08,
                          PenStyle::Dot);
        }
        sketch.dimension(sketch.at(s.x, s.y), sketch.at(p.x, p.y), pc::Dimension);
        sketch.dot(sketch.at(p.x, p.y), 0.6, pc::Point);

        // The letter beside its point, across the dimension line.
        PicPoint offset{0, 0};
        if (key.axis == PictureAxis::Y) {
            offset.x = p.x > centre.x + 0.01 ? 2.2 : -2.2;
        } else {
            offset.y = p.y >= centre.y - 0.01 ? 2.2 : -2.2;
        }
        const PicPoint badge = sketch.at(p.x + offset.x, p.y + offset.y);
        sketch.dot(badge, 1.15, pc::Paper);
        sketch.ring(badge, 1.15, pc::Dimension, 0.1);
        sketch.label(badge, letters[i], pc::Ink, 10, true);
        legend += std::string(i ? "    " : "") + letters[i] + "  " + pointWords(key.group, i);
    }

    const double left = sketch.visibleLeft() + 1;
    const double top = sketch.visibleTop() - 0.5;
    sketch.caption({left, top},
                   std::string(groupWords(key.group)) + ", " + (key.right ? "right" : "left") +
                       " side: " + axisWords(key.axis),
                   pc::Ink, 9, true);
    sketch.caption({left, top - sketch.lineHeight(9)},
                   corner.ownGeometry ? "Your car, drawn to scale"
                                      : std::string("Typical ") + lookWords(corner.look),
                   pc::Chassis, 8);
    sketch.caption({left, sketch.visibleBottom() + 0.5 + sketch.lineHeight(8)}, legend, pc::Ink, 8);
}

} // namespace velmora
