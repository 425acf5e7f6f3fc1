#include "analysis/dashed_path.h"

#include <algorithm>
#include <cmath>

namespace velmora {

DashedPath::DashedPath(double spanX, double spanY, double dash, double gap)
    : spanX_(std::fabs(spanX) > 0 ? std::fabs(spanX) : 1),
      spanY_(std::fabs(spanY) > 0 ? std::fabs(spanY) : 1), dash_(dash > 0 ? dash : 1),
      gap_(std::max(gap, 0.0)) {}

std::vector<Segment> DashedPath::dashes(double x1, double y1, double x2, double y2) {
    std::vector<Segment> out;
    const double length = std::hypot((x2 - x1) / spanX_, (y2 - y1) / spanY_);
    if (!std::isfinite(length)) {
        restart();
        return out;
    }
    if (length == 0) {
        return out;
    }
    const double period = dash_ + gap_;
    // A point far off the surface (a curve value out of all scale) would give millions of
    // dashes nobody sees; such a segment is drawn whole.
    constexpr double kMostPeriods = 2000;
    if (length / period > kMostPeriods) {
        restart();
        return {Segment{x1, y1, x2, y2}};
    }
    const auto at = [&](double s, double& x, double& y) {
        x = x1 + (x2 - x1) * (s / length);
        y = y1 + (y2 - y1) * (s / length);
    };
    double s = 0;
    while (s < length) {
        const bool inDash = phase_ < dash_;
        const double left = inDash ? dash_ - phase_ : period - phase_;
        const double step = std::min(left, length - s);
        // A dash the rounding of the running pattern leaves a hair long is not drawn.
        if (inDash && step > 1e-9) {
            Segment d;
            at(s, d.x1, d.y1);
            at(s + step, d.x2, d.y2);
            out.push_back(d);
        }
        s += step;
        phase_ += step;
        if (phase_ >= period) {
            phase_ -= period;
        }
    }
    return out;
}

} // namespace velmora
