#pragma once

#include "drawing/canvas.h"

namespace velmora {

// The program's icon: a front corner seen from the front (chassis, the two arms, the
// upright and the tire) on a round badge. Drawn on a 0..100 square scale; pen widths are
// chosen for a canvas of kAppIconDesignPixels and scale with the surface.
inline constexpr int kAppIconDesignPixels = 256;
void drawAppIcon(Canvas& canvas);

} // namespace velmora
