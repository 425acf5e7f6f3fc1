#pragma once

#include "drawing/segment.h"

#include <vector>

namespace velmora {

// Cuts a curve into dashes for surfaces whose pen draws only solid lines (the printer) or
// whose dash pattern would restart at every short segment of a curve. Lengths are fractions
// of the surface's width and height (a user scale may stretch one axis far more than the
// other), and the pattern runs on from one segment to the next so the dashes are even.
class DashedPath {
public:
    // spanX, spanY: the width and height of the user scale; dash and gap as fractions.
    DashedPath(double spanX, double spanY, double dash, double gap);

    // The dashes of the segment from (x1, y1) to (x2, y2), continuing the pattern.
    std::vector<Segment> dashes(double x1, double y1, double x2, double y2);
    // A break in the curve: the next segment begins with a whole dash.
    void restart() { phase_ = 0; }

private:
    double spanX_;
    double spanY_;
    double dash_;
    double gap_;
    double phase_ = 0; // how far into the dash-and-gap period the path has gone
};

} // namespace velmora
