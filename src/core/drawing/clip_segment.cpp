#include "drawing/clip_segment.h"

#include <algorithm>
#include <cmath>

namespace velmora {

bool clipSegment(Segment& s, double left, double top, double right, double bottom) {
    // An end at infinity or not a number has no part inside that could be drawn; without this
    // the cut would hand the canvas 0 * inf.
    for (const double v : {s.x1, s.y1, s.x2, s.y2}) {
        if (!std::isfinite(v)) {
            return false;
        }
    }
    double t0 = 0;
    double t1 = 1;
    const double dx = s.x2 - s.x1;
    const double dy = s.y2 - s.y1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {s.x1 - left, right - s.x1, s.y1 - top, bottom - s.y1};
    for (int k = 0; k < 4; ++k) {
        if (p[k] == 0) {
            if (q[k] < 0) {
                return false;
            }
            continue;
        }
        const double t = q[k] / p[k];
        if (p[k] < 0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
    }
    if (t0 > t1) {
        return false;
    }
    const double x = s.x1, y = s.y1;
    s = {x + t0 * dx, y + t0 * dy, x + t1 * dx, y + t1 * dy};
    return true;
}

} // namespace velmora
