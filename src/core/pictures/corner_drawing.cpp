#include "pictures/corner_drawing.h"

#include <algorithm>
#include <cmath>

namespace velmora {
namespace {

namespace pc = picture_colors;

constexpr double kFrontDepthX = 0.30;
constexpr double kFrontDepthY = 0.22;
constexpr double kSideDepthX = 0.30;
constexpr double kSideDepthY = 0.20;
constexpr double kPi = 3.14159265358979;

constexpr double kArm = 0.9;   // inches: tube of an A-arm
constexpr double kLink = 0.55; // tie rod, strut rod, steering arm

bool stockCar(const Corner& corner) {
    return corner.look != CarLook::Formula;
}

struct Painter {
    Sketch& sketch;
    const Corner& corner;
    const CornerProjection& project;
    CornerEmphasis emphasis;

    PicPoint at(Point3 p) const {
        const PicPoint q = project(p);
        return sketch.at(q.x, q.y);
    }
    PicPoint row(int r) const { return at(corner.point(r)); }

    void member(PicPoint a, PicPoint b, PictureGroup group, double thickness) {
        sketch.stroke(a, b, emphasis.colorOf(group), thickness);
    }

    void arms() {
        // Ball joints and pivots as small discs at the ends of the tubes.
        for (const auto& [group, first] :
             {std::pair{PictureGroup::Top, 1}, std::pair{PictureGroup::Bottom, 4}}) {
            const PicPoint front = row(first);
            const PicPoint rear = row(first + 1);
            const PicPoint ball = row(first + 2);
            const bool strut = group == PictureGroup::Bottom && corner.look == CarLook::Ford;
            member(rear, ball, group, kArm);
            // The Ford style's bottom arm is a single link held by a strut rod running
            // forward to its own mount.
            member(front, ball, group, strut ? kLink : kArm);
            for (const PicPoint& joint : {front, rear, ball}) {
                sketch.dot(joint, 0.55, emphasis.colorOf(group));
            }
        }
    }

    void upright() {
        const PicPoint top = row(3);
        const PicPoint bottom = row(6);
        sketch.stroke(top, bottom, emphasis.colorOf(PictureGroup::Misc), 1.1);
        // Spindle out to the wheel centre.
        const Point3 hubInner{(corner.point(3).x + corner.point(6).x) / 2, corner.spindle(),
                              corner.wheelZ()};
        const Point3 hubOuter{corner.tireX(), corner.spindle(), corner.wheelZ()};
        member(at(hubInner), at(hubOuter), PictureGroup::Misc, 0.9);
    }

    void tieRod() {
        const PicPoint inner = row(7);
        const PicPoint outer = row(8);
        member(inner, outer, PictureGroup::Misc, kLink);
        // Steering arm from the outer joint to the upright.
        member(outer, row(6), PictureGroup::Misc, kLink * 0.8);
        for (const PicPoint& joint : {inner, outer}) {
            sketch.dot(joint, 0.45, emphasis.colorOf(PictureGroup::Misc));
        }
    }

    Rgb tireFill() const {
        return emphasis.strong(PictureGroup::Misc) ? pc::Tire : Rgb{205, 205, 205};
    }

    void frontTire() {
        const double half = corner.tireWidth / 2;
        const double height = 2 * corner.spindle();
        const double x0 = corner.tireX() - half;
        const double x1 = corner.tireX() + half;
        const double z = corner.wheelZ();
        const Rgb fill = tireFill();
        const double step = std::max(0.35, height / 80);
        for (double y = step / 2; y < height; y += step) {
            sketch.stroke(at({x0, y, z}), at({x1, y, z}), fill, step * 1.2);
        }
        // Tread grooves and the outline.
        const Rgb groove = emphasis.strong(PictureGroup::Misc) ? Rgb{110, 110, 110} : pc::Faint;
        for (const double share : {0.3, 0.5, 0.7}) {
            const double x = x0 + share * corner.tireWidth;
            sketch.stroke(at({x, 0.3, z}), at({x, height - 0.3, z}), groove, 0.15);
        }
        const PicPoint a = at({x0, 0, z});
        const PicPoint b = at({x1, height, z});
        sketch.box(a, b, emphasis.colorOf(PictureGroup::Misc));
    }

    void sideTire() {
        const PicPoint centre = at({corner.tireX(), corner.spindle(), corner.wheelZ()});
        const double radius = corner.spindle();
        sketch.dot(centre, radius, tireFill());
        sketch.dot(centre, radius * 0.62,
                   emphasis.strong(PictureGroup::Misc) ? Rgb{200, 200, 200} : Rgb{235, 235, 235});
        sketch.ring(centre, radius * 0.62, pc::Chassis, 0.15);
        sketch.dot(centre, radius * 0.12, pc::Chassis);
        if (stockCar(corner)) {
            // The fender over the wheel.
            sketch.arc(centre, radius + 2.5, 0.15, kPi - 0.15, pc::Chassis, 2);
        }
    }

    void frontChassis() {
        const Corner& c = corner;
        const double z = c.wheelZ();
        const double innerX = std::min({c.point(4).x, c.point(5).x, c.point(1).x, c.point(2).x});
        const double bottomY = (c.point(4).y + c.point(5).y) / 2;
        const double topY = (c.point(1).y + c.point(2).y) / 2;
        const Rgb frame = pc::Chassis;
        if (!stockCar(c)) {
            // The formula car's tub, low and narrow.
            const PicPoint a = at({0, bottomY - 2.5, z});
            const PicPoint b = at({innerX - 0.6, topY + 3, z});
            sketch.box(a, b, frame, 2);
            return;
        }
        // Frame rail, the crossmember to the centreline and the tower of the top arm.
        const PicPoint railA = at({innerX - 5, bottomY - 2.5, z});
        const PicPoint railB = at({innerX - 0.6, bottomY + 2, z});
        sketch.box(railA, railB, frame, 2);
        sketch.stroke(at({0, bottomY - 1.5, z}), at({innerX - 5, bottomY - 1.5, z}), frame, 0.5);
        sketch.stroke(at({innerX - 2, bottomY + 2, z}), at({innerX - 1.2, topY + 2.5, z}), frame,
                      0.6);
        // Body: fender edge beside the tire and the hood line to the centreline. Plain views
        // leave both out: the wizard's dimension lines run there, and the edge alone would
        // stand beside the tire as a bar belonging to nothing.
        if (project.slant) {
            const double fenderX = c.tireX() + c.tireWidth / 2 + 1.5;
            const double fenderTop = 2 * c.spindle() + 3.5;
            sketch.stroke(at({fenderX, 2 * c.spindle() - 3, z}), at({fenderX, fenderTop, z}), frame,
                          0.35);
            sketch.stroke(at({fenderX, fenderTop, z}), at({0, fenderTop + 1.5, z}), frame, 0.35);
        }
        // Coil spring between the bottom arm and the frame pocket.
        const Point3 seat{innerX + 0.45 * (c.point(6).x - innerX),
                          bottomY + 0.45 * (c.point(6).y - bottomY), z};
        const Point3 pocket{seat.x - 0.5, topY + 1, z};
        const int coils = 7;
        PicPoint last = at(seat);
        for (int i = 1; i <= coils * 2; ++i) {
            const double t = static_cast<double>(i) / (coils * 2);
            const double side = i == coils * 2 ? 0 : (i % 2 ? 1.6 : -1.6);
            const PicPoint next =
                at({seat.x + t * (pocket.x - seat.x) + side, seat.y + t * (pocket.y - seat.y), z});
            sketch.stroke(last, next, pc::Faint, 0.3);
            last = next;
        }
    }

    void sideChassis() {
        const Corner& c = corner;
        double zMin = c.point(1).z;
        double zMax = zMin;
        for (int r = 1; r <= 8; ++r) {
            zMin = std::min(zMin, c.point(r).z);
            zMax = std::max(zMax, c.point(r).z);
        }
        const double innerX = std::min(c.point(4).x, c.point(5).x) - 1;
        const double bottomY = (c.point(4).y + c.point(5).y) / 2;
        const double topY = (c.point(1).y + c.point(2).y) / 2;
        const PicPoint a = at({innerX, bottomY - 2, zMin - 4});
        const PicPoint b = at({innerX, stockCar(c) ? bottomY + 2 : topY + 2, zMax + 6});
        sketch.box(a, b, pc::Chassis, 2);
    }
};

} // namespace

PicPoint CornerProjection::operator()(Point3 p) const {
    if (!slant) {
        return view == CornerView::Front ? PicPoint{p.x, p.y} : PicPoint{p.z, p.y};
    }
    if (view == CornerView::Front) {
        const double depth = p.z - zc;
        return {p.x - kFrontDepthX * depth, p.y + kFrontDepthY * depth};
    }
    const double depth = xc - p.x;
    return {p.z + kSideDepthX * depth, p.y + kSideDepthY * depth};
}

Rgb CornerEmphasis::colorOf(PictureGroup member) const {
    if (!group) {
        return picture_colors::Chassis;
    }
    return *group == member ? picture_colors::Measured : picture_colors::Faint;
}

Bounds cornerBounds(const Corner& corner, const CornerProjection& project) {
    Bounds area;
    for (int r = 1; r <= 8; ++r) {
        area.include(project(corner.point(r)));
    }
    const double top = 2 * corner.spindle() + 5.5;
    area.include({0, 0});
    if (project.view == CornerView::Front) {
        area.include(project({corner.tireX() + corner.tireWidth / 2 + 2, top, corner.wheelZ()}));
        area.include(project({0, top, corner.wheelZ()}));
    } else {
        area.include(project({corner.tireX(), top, corner.wheelZ() + corner.spindle() + 4}));
        area.include(project({corner.tireX(), 0, corner.wheelZ() - corner.spindle() - 4}));
    }
    return area;
}

void drawFloor(Sketch& sketch, double x0, double x1) {
    sketch.stroke(sketch.at(x0, 0), sketch.at(x1, 0), picture_colors::Chassis, 0.25);
    // Hatching at a fixed pitch, at most a few hundred strokes however wide the floor.
    const double pitch = std::max(2.5, (x1 - x0) / 400);
    if (!std::isfinite(pitch)) {
        return;
    }
    for (int k = 0; x0 + 1 + k * pitch < x1; ++k) {
        const double x = x0 + 1 + k * pitch;
        sketch.stroke(sketch.at(x, -0.2), sketch.at(x - 1.4, -1.6), picture_colors::Faint, 0.1);
    }
}

void drawCorner(Sketch& sketch, const Corner& corner, const CornerProjection& project,
                CornerEmphasis emphasis) {
    Painter painter{sketch, corner, project, emphasis};
    if (project.view == CornerView::Front) {
        painter.frontChassis();
        painter.frontTire();
    } else {
        painter.sideChassis();
        painter.sideTire();
    }
    // The measured members go on top of the faint ones.
    if (emphasis.group == PictureGroup::Misc) {
        painter.arms();
        painter.upright();
        painter.tieRod();
    } else {
        painter.upright();
        painter.tieRod();
        painter.arms();
    }
}

} // namespace velmora
