#pragma once

#include "drawing/segment.h"

namespace velmora {

// Cuts `s` to the part inside the rectangle from (left, top) to (right, bottom), left <= right
// and top <= bottom (Liang-Barsky); false, leaving `s` as it was, when no part is inside or an
// end is not finite.
bool clipSegment(Segment& s, double left, double top, double right, double bottom);

} // namespace velmora
