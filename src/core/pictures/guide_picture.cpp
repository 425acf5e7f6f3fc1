#include "pictures/guide_picture.h"

#include "pictures/corner_drawing.h"
#include "pictures/sketch.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace velmora {
namespace {

namespace pc = picture_colors;

const Rgb kPencil = paletteColor(14);

// A name put at the first free spot of `spots`, with a leader from `from` that stops just
// short of the text.
void callout(Sketch& sketch, PicPoint from, const std::vector<PicPoint>& spots,
             const std::string& text) {
    const PicPoint centre = sketch.freeSpot(spots, text, 9);
    const TextBox box = sketch.labelBox(centre, text, 9);
    const double dx = from.x - centre.x;
    const double dy = from.y - centre.y;
    const double reach = std::min(dx != 0 ? box.halfWidth / std::abs(dx) : 1e9,
                                  dy != 0 ? box.halfHeight / std::abs(dy) : 1e9);
    const double gap = 3 * sketch.unitsPerPixel() / std::max(std::hypot(dx, dy), 1e-9);
    const PicPoint end{centre.x + dx * (reach + gap), centre.y + dy * (reach + gap)};
    if (reach + gap < 1) {
        sketch.stroke(from, end, pc::Dimension, 0.06);
    }
    sketch.label(centre, text, pc::Dimension, 9, true);
}

void drawPlumbBob(Canvas& canvas, CarLook look, double aspect) {
    const Corner corner = pictureCorner(look, nullptr);
    const CornerProjection project(CornerView::Front, corner);
    Bounds area = cornerBounds(corner, project);
    area.pad(2);
    area.bottom -= 5; // room for the names beneath the floor
    canvas.setBackground(pc::Paper);
    Sketch sketch(canvas, area, aspect, false);
    drawFloor(sketch, area.left, area.right);
    drawCorner(sketch, corner, project, CornerEmphasis{PictureGroup::Bottom});

    // The bob hangs from the bottom arm's front pivot and just clears the floor.
    const PicPoint pivot = project(corner.point(4));
    const PicPoint mark{pivot.x, 0};
    sketch.stroke(pivot, {pivot.x, 2.2}, pc::Ink, 0.06);
    sketch.dot({pivot.x, 1.7}, 0.6, pc::Measured);
    sketch.stroke({pivot.x - 0.55, 1.5}, {pivot.x, 0.25}, pc::Measured, 0.25);
    sketch.stroke({pivot.x + 0.55, 1.5}, {pivot.x, 0.25}, pc::Measured, 0.25);
    sketch.dot(pivot, 0.6, pc::Point);

    // The pencil mark with its circle, and the pencil making it.
    sketch.ring(mark, 1.1, pc::Ink, 0.08);
    sketch.stroke({mark.x - 0.5, 0}, {mark.x + 0.5, 0}, pc::Ink, 0.12);
    const PicPoint tip{mark.x + 0.9, 0.1};
    const PicPoint end{mark.x + 6.5, 4.5};
    sketch.stroke(tip, end, kPencil, 0.55);
    sketch.stroke(tip, {tip.x + 0.9, tip.y + 0.7}, pc::Ink, 0.3);

    callout(sketch, {pivot.x - 0.9, 1.7},
            {{pivot.x - 10, 3.2}, {pivot.x - 10, 1.6}, {pivot.x - 10, 4.8}, {pivot.x - 12, 6.5}},
            "plumb bob");
    callout(sketch, {mark.x - 1.2, -0.6},
            {{mark.x - 10, -3.4}, {mark.x - 12, -4.4}, {mark.x + 10, -3.4}}, "pencil mark");
}

// The floor seen from above with the front of the car at the top: x across the car (the
// left side on the left), y = -Z.
struct PlanView {
    explicit PlanView(CarLook look) : corner(pictureCorner(look, nullptr)) {}

    Corner corner;

    static PicPoint at(Point3 p, bool right) { return {right ? p.x : -p.x, -p.z}; }

    double frontMost() const {
        double z = corner.point(1).z;
        for (int r = 1; r <= 8; ++r) {
            z = std::min(z, corner.point(r).z);
        }
        return z;
    }

    Bounds area() const {
        Bounds b;
        double width = 0;
        double rearMost = 0;
        for (int r = 1; r <= 8; ++r) {
            width = std::max(width, corner.point(r).x);
            rearMost = std::max(rearMost, corner.point(r).z);
        }
        b.include({-(width + 5), -(frontMost() - 8)});
        b.include({width + 5, -(rearMost + 4)});
        return b;
    }

    // The marks of both sides, with the initials of the bottom arm's joints and the top
    // ball joint written beside them, as the text suggests.
    void drawMarks(Sketch& sketch, Rgb color) const {
        static const std::array<const char*, 8> initials{"",    "",    "UBJ", "LFP",
                                                         "LRP", "LBJ", "",    ""};
        for (const bool right : {false, true}) {
            for (int r = 1; r <= 8; ++r) {
                const PicPoint p = at(corner.point(r), right);
                sketch.ring(p, 0.9, color, 0.1);
                sketch.stroke({p.x - 0.4, p.y}, {p.x + 0.4, p.y}, color, 0.12);
            }
        }
        // The initials go where no mark is: outboard of their mark, or above or below it.
        for (const bool right : {false, true}) {
            const double out = right ? 1 : -1;
            for (int r = 1; r <= 8; ++r) {
                const std::string text = initials[static_cast<std::size_t>(r - 1)];
                if (text.empty()) {
                    continue;
                }
                const PicPoint p = at(corner.point(r), right);
                const std::vector<PicPoint> spots{{p.x + out * 3.2, p.y},
                                                  {p.x + out * 3.2, p.y - 1.6},
                                                  {p.x + out * 3.2, p.y + 1.6},
                                                  {p.x - out * 3.2, p.y},
                                                  {p.x, p.y - 2.2},
                                                  {p.x, p.y + 2.2},
                                                  {p.x + out * 4.5, p.y - 2.2}};
                sketch.label(sketch.freeSpot(spots, text, 7), text, color, 7);
            }
        }
    }

    // The chalk centreline through the mid points of the bottom arm pivot lines.
    void drawCentreline(Sketch& sketch, const Bounds& b) const {
        sketch.stroke({0, b.top - 1}, {0, b.bottom + 1}, pc::Chalk, 0.3);
    }
};

void drawCentrelineSteps(Canvas& canvas, CarLook look, double aspect) {
    const PlanView plan(look);
    const Bounds b = plan.area();
    canvas.setBackground(pc::Floor);
    Sketch sketch(canvas, b, aspect, false);
    plan.drawCentreline(sketch, b);
    for (const int row : {4, 5}) {
        const PicPoint left = PlanView::at(plan.corner.point(row), false);
        const PicPoint right = PlanView::at(plan.corner.point(row), true);
        sketch.stroke(left, right, pc::Ink, 0.15);
        const PicPoint middle{(left.x + right.x) / 2, (left.y + right.y) / 2};
        sketch.dot(middle, 0.75, pc::Point);
    }
    plan.drawMarks(sketch, pc::Ink);
    sketch.text({1, b.top - 1.5}, "centerline", pc::Chalk, 9, true);
    const PicPoint front = PlanView::at(plan.corner.point(4), true);
    const PicPoint rear = PlanView::at(plan.corner.point(5), true);
    sketch.text({1.2, (front.y + rear.y) / 2 + 1}, "mid points", pc::Point, 9, true);
}

void drawReferenceLine(Canvas& canvas, CarLook look, double aspect) {
    const PlanView plan(look);
    const Bounds b = plan.area();
    canvas.setBackground(pc::Floor);
    Sketch sketch(canvas, b, aspect, false);
    plan.drawCentreline(sketch, b);
    plan.drawMarks(sketch, pc::Chassis);

    // The reference line a few inches ahead of the front-most mark, square to the
    // centreline, set out with the square's other leg.
    const double lineY = -(plan.frontMost() - 5);
    sketch.stroke({b.left + 1, lineY}, {b.right - 1, lineY}, pc::Chalk, 0.3);
    const double leg = 14;
    const double shortLeg = 9;
    const Rgb steel = pc::Chassis;
    sketch.stroke({0.9, lineY - 0.9}, {0.9, lineY - leg}, steel, 1.4);
    sketch.stroke({0.9, lineY - 0.9}, {0.9 + shortLeg, lineY - 0.9}, steel, 1.4);
    for (double t = 2; t < leg; t += 2) {
        sketch.stroke({0.3, lineY - t}, {0.9, lineY - t}, paletteColor(15), 0.08);
    }
    // Named beside the square's long leg, clear of the marks.
    const std::string square = "framing square";
    const double half = sketch.labelBox({}, square, 9).halfWidth;
    std::vector<PicPoint> spots;
    for (double down = 3.5; down < leg; down += 1.5) {
        spots.push_back({2.2 + half, lineY - down});
    }
    sketch.label(sketch.freeSpot(spots, square, 9), square, pc::Ink, 9, true);
    sketch.text({b.right - 15, lineY + 2.6}, "reference line", pc::Chalk, 9, true);

    // Fore/aft distances are taken from the reference line back to each mark.
    for (const int row : {1, 6}) {
        const PicPoint p = PlanView::at(plan.corner.point(row), false);
        sketch.dimension({p.x, lineY}, p, pc::Dimension);
    }
}

} // namespace

void drawGuidePicture(Canvas& canvas, int screen, CarLook look, double aspect) {
    switch (screen) {
    case 1:
        drawPlumbBob(canvas, look, aspect);
        break;
    case 2:
        drawCentrelineSteps(canvas, look, aspect);
        break;
    default:
        drawReferenceLine(canvas, look, aspect);
        break;
    }
}

} // namespace velmora
