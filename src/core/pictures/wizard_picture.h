#pragma once

#include "drawing/canvas.h"
#include "pictures/corner_geometry.h"
#include "pictures/picture_key.h"

#include <array>
#include <optional>

// A screen of the dimension wizard: the corner seen from the front (X and Y screens) or the
// side (Z screen), the screen's members strong and the rest faint, and the three points to
// measure marked "A", "B", "C" in the order of the boxes, each with its dimension line from
// the screen's reference (the centreline, the floor, the reference line ahead of the car).
namespace velmora {

// The points of a screen in the order of the boxes A, B, C: rows of the coordinate table
// (1..8), or 9 for the wheel centre (tire centre on the X screen, spindle on the Y screen).
// The misc Z screen has no third point.
std::array<std::optional<int>, 3> wizardPointRows(PictureGroup group, PictureAxis axis);

// Draws the screen of `key` (a wizard key) for `corner`, filling `aspect` (width / height).
void drawWizardPicture(Canvas& canvas, const PictureKey& key, const Corner& corner, double aspect);

} // namespace velmora
