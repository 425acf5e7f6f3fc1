#pragma once

#include "drawing/canvas.h"
#include "pictures/picture_key.h"

// The measuring guide's three pictures: (1) the corner above the floor with a plumb bob
// hanging from a pivot to a pencil mark; (2) the marks on the floor seen from above, the
// lines joining the bottom arm pivots of both sides, their mid points and the chalk
// centreline through them; (3) a framing square on the centreline and the second chalk line
// square to it ahead of the front-most mark. Each drawn on a typical corner of the car style.
namespace velmora {

void drawGuidePicture(Canvas& canvas, int screen, CarLook look, double aspect);

} // namespace velmora
