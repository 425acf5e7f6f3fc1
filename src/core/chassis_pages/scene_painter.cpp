#include "chassis_pages/scene_painter.h"

#include "drawing/clip_segment.h"
#include "model/shown_length.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace velmora {
namespace {

constexpr double kJointRadius = 0.6; // inches
constexpr double kMarkReach = 5;     // pixels each way of a mark's cross

struct Item {
    double depth = 0;
    enum class Kind { Line, Joint } kind = Kind::Line;
    std::size_t index = 0;
};

} // namespace

Rgb sceneInkColor(SceneInk ink) {
    switch (ink) {
    case SceneInk::Right:
        return colors::Red;
    case SceneInk::Left:
        return colors::Green;
    case SceneInk::Tire:
        return Rgb{120, 120, 120};
    case SceneInk::Patch:
        return colors::White;
    case SceneInk::Floor:
        return Rgb{64, 64, 64};
    case SceneInk::Centreline:
        return colors::Yellow;
    case SceneInk::Rack:
        return colors::White;
    case SceneInk::Spring:
        return colors::Cyan;
    case SceneInk::Damper:
        return Rgb{255, 128, 0};
    case SceneInk::BarLink:
        return colors::Yellow;
    case SceneInk::Construction:
        return Rgb{96, 128, 255};
    case SceneInk::RollCentre:
        return Rgb{255, 0, 255};
    case SceneInk::KinematicRollCentre:
        return colors::Cyan;
    case SceneInk::Baseline:
        break;
    }
    return Rgb{150, 150, 150};
}

void drawScene(Canvas& canvas, const Scene3d& scene, const Projection& projection, int width,
               int height, std::optional<std::size_t> highlighted, const std::string& caption) {
    canvas.setScale(0, 0, std::max(width, 1), std::max(height, 1));
    canvas.setBackground(colors::Black);
    canvas.setPenStyle(PenStyle::Solid);
    canvas.setPenWidth(1);
    canvas.setFont(Font{"MS Sans Serif", 8.25, false});

    std::vector<ScreenPoint> ends;
    ends.reserve(scene.lines.size() * 2);
    std::vector<Item> items;
    items.reserve(scene.lines.size() + scene.joints.size());
    for (std::size_t i = 0; i < scene.lines.size(); ++i) {
        const ScreenPoint a = projection(scene.lines[i].a);
        const ScreenPoint b = projection(scene.lines[i].b);
        ends.push_back(a);
        ends.push_back(b);
        if (a.visible && b.visible) {
            items.push_back({(a.depth + b.depth) / 2, Item::Kind::Line, i});
        }
    }
    std::vector<ScreenPoint> joints;
    joints.reserve(scene.joints.size());
    for (std::size_t i = 0; i < scene.joints.size(); ++i) {
        joints.push_back(projection(scene.joints[i].world));
        if (joints.back().visible) {
            items.push_back({joints.back().depth, Item::Kind::Joint, i});
        }
    }
    // Far to near, so what is in front covers what is behind.
    std::stable_sort(items.begin(), items.end(),
                     [](const Item& a, const Item& b) { return a.depth > b.depth; });
    const bool perspective = projection.camera().perspective;
    for (const Item& item : items) {
        if (item.kind == Item::Kind::Line) {
            const ScreenPoint& a = ends[2 * item.index];
            const ScreenPoint& b = ends[2 * item.index + 1];
            // Cut to the surface, so that a page, which clips nothing, shows no more than the
            // window does.
            Segment s{a.x, a.y, b.x, b.y};
            if (clipSegment(s, 0, 0, width, height)) {
                canvas.line(s.x1, s.y1, s.x2, s.y2, sceneInkColor(scene.lines[item.index].ink));
            }
            continue;
        }
        const ScreenPoint& p = joints[item.index];
        if (p.x < 0 || p.y < 0 || p.x > width || p.y > height) {
            continue;
        }
        const double pixelsPerInch =
            perspective
                ? projection.scaleAtTarget() * projection.camera().distance / std::max(p.depth, 1.0)
                : projection.scaleAtTarget();
        const bool hot = highlighted && *highlighted == item.index;
        const double r = std::max(2.0, kJointRadius * pixelsPerInch) * (hot ? 1.8 : 1.0);
        const Rgb color = sceneInkColor(scene.joints[item.index].ink);
        canvas.setFillStyle(FillStyle::Solid);
        canvas.setFillColor(hot ? colors::White : color);
        canvas.circle(p.x, p.y, r, color);
        canvas.setFillStyle(FillStyle::Transparent);
    }
    for (const SceneMark& m : scene.marks) {
        const ScreenPoint p = projection(m.world);
        if (!p.visible || p.x < 0 || p.y < 0 || p.x > width || p.y > height) {
            continue;
        }
        const Rgb color = sceneInkColor(m.ink);
        canvas.line(p.x - kMarkReach, p.y, p.x + kMarkReach, p.y, color);
        canvas.line(p.x, p.y - kMarkReach, p.x, p.y + kMarkReach, color);
        if (!m.name.empty()) {
            canvas.setTextColor(color);
            // The kinematic roll centre is named below its mark, the other marks above, so
            // that the two roll centres' names stay apart when they lie close.
            const bool below = m.ink == SceneInk::KinematicRollCentre;
            canvas.setCurrentPosition(p.x + kMarkReach + 2, below ? p.y + 3 : p.y - 14);
            canvas.print(m.name);
        }
    }
    canvas.setTextColor(colors::White);
    if (!caption.empty()) {
        canvas.setCurrentPosition(6, 4);
        canvas.print(caption);
    }
    if (highlighted && *highlighted < scene.joints.size()) {
        const ScreenPoint& p = joints[*highlighted];
        canvas.setCurrentPosition(std::min(p.x + 10, width - 300.0), std::max(p.y - 24, 20.0));
        canvas.print(jointCaption(scene.joints[*highlighted]));
    }
}

std::optional<std::size_t> jointAt(const Scene3d& scene, const Projection& projection, double x,
                                   double y, double reach) {
    std::optional<std::size_t> best;
    double bestDepth = 0;
    for (std::size_t i = 0; i < scene.joints.size(); ++i) {
        const ScreenPoint p = projection(scene.joints[i].world);
        if (!p.visible || std::hypot(p.x - x, p.y - y) > reach) {
            continue;
        }
        // Of joints under the pointer, the nearest the eye is the one seen.
        if (!best || p.depth < bestDepth) {
            best = i;
            bestDepth = p.depth;
        }
    }
    return best;
}

std::string jointCaption(const SceneJoint& joint) {
    const Point3& w = joint.world;
    const double x = joint.right ? -w.x : w.x;
    return std::string(joint.right ? "Right " : "Left ") + sceneJointName(joint) + ": X " +
           fixedLength(x, 3) + ", Y " + fixedLength(w.y, 3) + ", Z " + fixedLength(w.z, 3) + " " +
           lengthUnitText();
}

} // namespace velmora
