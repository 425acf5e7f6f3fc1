#pragma once

#include "drawing/canvas.h"
#include "model/spring_data.h"
#include "pictures/corner_drawing.h"
#include "pictures/corner_geometry.h"

// The Springs and Bar frame's pictures: the user's corner (or the style's typical one while
// the side is incomplete) in a plain front or side view, the arms faint, and on it the spring,
// the damper and the bar link where they are set, each mount numbered and the references the
// numbers are measured from drawn and named: the centreline (X) or the reference line (Z),
// and the floor (Y).
namespace velmora {

void drawSpringsPicture(Canvas& canvas, const Corner& corner, const CornerSprings& springs,
                        CornerView view, bool right, double aspect);

} // namespace velmora
