#pragma once

#include "pictures/corner_geometry.h"
#include "pictures/sketch.h"

#include <optional>

// The corner of the car as a schematic: floor, chassis, body, tire, upright, both arms and
// the tie rod, seen from the front or from the side with a little depth so that points one
// behind the other stay apart.
namespace velmora {

enum class CornerView { Front, Side };

// Projects the car's X (outboard), Y (height), Z (rearward) onto the picture, unmirrored
// (the left side as seen from the front: outboard to the right; in the side view the front
// of the car is on the left). Slanted, depth shows a little: in the front view rearward
// leans up and toward the centreline, in the side view inboard leans up and rearward. Plain
// views, which the wizard measures on, show no depth at all.
struct CornerProjection {
    CornerView view = CornerView::Front;
    double zc = 0; // fore/aft position drawn without depth shift (the wheel centre)
    double xc = 0; // lateral position drawn without depth shift (the tire centre)
    bool slant = true;

    CornerProjection(CornerView v, const Corner& corner, bool slanted = true)
        : view(v), zc(corner.wheelZ()), xc(corner.tireX()), slant(slanted) {}
    PicPoint operator()(Point3 p) const;
};

// The members drawn strongly; the others are faint. Nothing: all in the chassis grey.
struct CornerEmphasis {
    std::optional<PictureGroup> group;
    bool strong(PictureGroup member) const { return !group || *group == member; }
    Rgb colorOf(PictureGroup member) const;
};

// Area the drawing covers, in unmirrored picture units.
Bounds cornerBounds(const Corner& corner, const CornerProjection& project);

void drawCorner(Sketch& sketch, const Corner& corner, const CornerProjection& project,
                CornerEmphasis emphasis);

// The floor line with its hatching, from x0 to x1 (unmirrored).
void drawFloor(Sketch& sketch, double x0, double x1);

} // namespace velmora
