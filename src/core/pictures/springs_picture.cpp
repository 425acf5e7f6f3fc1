#include "pictures/springs_picture.h"

#include "pictures/sketch.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace velmora {
namespace {

namespace pc = picture_colors;

constexpr double kLabelPoints = 9;
constexpr int kCoilTurns = 7;

Point3 pointOf(const MountPoint& m) {
    return {m.x, m.y, m.z};
}

struct Mount {
    PicPoint at;
    std::string number;
};

// A coil between the mounts: a zigzag about the line, a third of its length across.
void drawCoil(Sketch& sketch, PicPoint a, PicPoint b, Rgb color) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double length = std::hypot(dx, dy);
    if (!(length > 0)) {
        return;
    }
    const double nx = -dy / length, ny = dx / length;
    const double width = std::min(2.5, length / 3);
    PicPoint last = a;
    const int points = 2 * kCoilTurns;
    for (int k = 1; k <= points; ++k) {
        const double t = static_cast<double>(k) / (points + 1);
        const double side = (k % 2 == 0 ? 1 : -1) * width / 2;
        const PicPoint p{a.x + dx * t + nx * side, a.y + dy * t + ny * side};
        sketch.stroke(last, p, color, 0.25);
        last = p;
    }
    sketch.stroke(last, b, color, 0.25);
}

} // namespace

void drawSpringsPicture(Canvas& canvas, const Corner& corner, const CornerSprings& springs,
                        CornerView view, bool right, double aspect) {
    const CornerProjection project(view, corner, false);
    const bool front = view == CornerView::Front;
    const auto on = [&](const MountPoint& m) { return project(pointOf(m)); };
    const auto armWord = [](ArmMember arm) {
        return std::string(arm == ArmMember::Top ? "top" : "bottom") + " arm";
    };

    // The pieces that are set, each mount numbered in the order of the legend.
    std::vector<Mount> mounts;
    std::vector<std::string> legend;
    const auto add = [&](const MountPoint& m, const std::string& words) {
        mounts.push_back({on(m), std::to_string(mounts.size() + 1)});
        legend.push_back(mounts.back().number + " " + words);
    };
    if (springs.spring) {
        add(springs.spring->onArm, "spring on the " + armWord(springs.spring->arm));
        add(springs.spring->onChassis, "spring on the chassis");
    }
    if (springs.damper) {
        add(springs.damper->onArm, "damper on the " + armWord(springs.damper->arm));
        add(springs.damper->onChassis, "damper on the chassis");
    }
    if (springs.barLink) {
        add(springs.barLink->point, "bar link on the " + armWord(springs.barLink->arm));
    }

    Bounds area = cornerBounds(corner, project);
    for (const Mount& m : mounts) {
        area.include(m.at);
    }
    area.include({0, 0});
    area.include({0, area.top});
    area.pad(3);
    // Room for the caption above and the legend below.
    const double height = area.height();
    area.top += 0.16 * height;
    area.bottom -= 0.2 * height;

    canvas.setBackground(pc::Paper);
    Sketch sketch(canvas, area, aspect, right);
    const double line = sketch.lineHeight(8);
    const double left = sketch.visibleLeft() + line * 0.5;
    const double top = sketch.visibleTop() - line * 0.25;
    sketch.caption({left, top},
                   std::string("Springs and bar, ") + (right ? "right" : "left") +
                       " side: " + (front ? "front view" : "side view"),
                   pc::Ink, 9, true);
    sketch.caption({left, top - sketch.lineHeight(9)},
                   std::string(front ? "X from the centerline" : "Z from the reference line") +
                       ", Y from the floor",
                   pc::Chassis, 8);
    const std::size_t perRow = 2;
    const std::size_t rows = (legend.size() + perRow - 1) / perRow;
    const double bottom =
        sketch.visibleBottom() + line * (0.6 + static_cast<double>(std::max<std::size_t>(rows, 1)));
    if (legend.empty()) {
        sketch.caption({left, bottom}, "No spring, damper or bar link is set yet", pc::Ink, 8);
    }
    for (std::size_t k = 0; k < legend.size(); k += perRow) {
        std::string row;
        for (std::size_t j = k; j < std::min(k + perRow, legend.size()); ++j) {
            row += (j > k ? "    " : "") + legend[j];
        }
        sketch.caption({left, bottom - line * static_cast<double>(k / perRow)}, row, pc::Ink, 8);
    }

    drawFloor(sketch, area.left + 1, area.right - 1);
    drawCorner(sketch, corner, project, CornerEmphasis{PictureGroup::Table});

    // The reference X or Z is measured from, standing up from the floor and named at its top.
    const double refTop = area.top - 0.2 * height;
    sketch.stroke(sketch.at(0, 0), sketch.at(0, refTop), pc::Chalk, 0.2, PenStyle::Dot);
    const std::string reference = front ? "centerline" : "reference line";
    sketch.label(sketch.freeSpot({sketch.at(0, refTop - line), sketch.at(0, refTop - 2 * line)},
                                 reference, 8),
                 reference, pc::Chalk, 8);

    if (springs.spring) {
        drawCoil(sketch, sketch.at(on(springs.spring->onArm).x, on(springs.spring->onArm).y),
                 sketch.at(on(springs.spring->onChassis).x, on(springs.spring->onChassis).y),
                 pc::Measured);
    }
    if (springs.damper) {
        const PicPoint a = on(springs.damper->onArm), b = on(springs.damper->onChassis);
        sketch.stroke(sketch.at(a.x, a.y), sketch.at(b.x, b.y), pc::Dimension, 0.6);
    }
    if (springs.barLink) {
        // The drop link rises from the arm to the bar.
        const PicPoint a = on(springs.barLink->point);
        sketch.stroke(sketch.at(a.x, a.y), sketch.at(a.x, a.y + 4), pc::Ink, 0.3);
    }
    const double r = 2.5 * sketch.unitsPerPixel();
    for (const Mount& m : mounts) {
        sketch.dot(sketch.at(m.at.x, m.at.y), r, pc::Point);
    }
    const double off = line * 0.9;
    std::vector<PicPoint> placed;
    for (const Mount& m : mounts) {
        const PicPoint c = sketch.at(m.at.x, m.at.y);
        // Placed as if a blank stood either side, so two numbers never read as one.
        const std::string spaced = " " + m.number + " ";
        // Near rings first; a number put further out is joined to its point by a leader.
        std::vector<PicPoint> candidates;
        for (double ring : {1.0, 1.6, 2.2}) {
            for (const auto& [dx, dy] :
                 {std::pair{1, 1}, std::pair{-1, 1}, std::pair{1, -1}, std::pair{-1, -1},
                  std::pair{2, 0}, std::pair{-2, 0}, std::pair{0, 2}, std::pair{0, -2}}) {
                const PicPoint p{c.x + dx * off * ring, c.y + dy * off * ring};
                // Clear of the caption above and the legend below.
                if (p.y > bottom + line && p.y < top - 2.5 * line) {
                    candidates.push_back(p);
                }
            }
        }
        if (candidates.empty()) {
            candidates.push_back({c.x + off, c.y + off});
        }
        PicPoint spot = sketch.freeSpot(candidates, spaced, kLabelPoints);
        // Where every spot crosses a line, the one furthest from the numbers already put.
        const auto nearest = [&placed](PicPoint p) {
            double d = 1e300;
            for (const PicPoint& q : placed) {
                d = std::min(d, std::hypot(p.x - q.x, p.y - q.y));
            }
            return d;
        };
        if (nearest(spot) < 1.5 * off) {
            for (const PicPoint& p : candidates) {
                if (nearest(p) > nearest(spot)) {
                    spot = p;
                }
            }
        }
        placed.push_back(spot);
        if (std::hypot(spot.x - c.x, spot.y - c.y) > 2 * off) {
            const double d = std::hypot(spot.x - c.x, spot.y - c.y);
            const double reach = (d - 0.6 * off) / d;
            sketch.stroke(c, {c.x + (spot.x - c.x) * reach, c.y + (spot.y - c.y) * reach},
                          pc::Point, 0.05);
        }
        sketch.label(spot, spaced, pc::Point, kLabelPoints, true);
    }
}

} // namespace velmora
