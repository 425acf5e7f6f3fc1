#include "chassis/front_view_lines.h"

#include <cmath>

namespace velmora {

std::optional<FrontPoint> lineIntersection(const FrontPoint& a1, const FrontPoint& a2,
                                           const FrontPoint& b1, const FrontPoint& b2) {
    const double au = a2.u - a1.u;
    const double av = a2.v - a1.v;
    const double bu = b2.u - b1.u;
    const double bv = b2.v - b1.v;
    const double cross = au * bv - av * bu;
    // Lines closer to parallel than this would meet some ten billion times their own length
    // away: they count as parallel, which the solution's rounding cannot tell apart.
    const double scale = std::hypot(au, av) * std::hypot(bu, bv);
    if (!(std::fabs(cross) > 1e-10 * scale) || !std::isfinite(cross)) {
        return std::nullopt;
    }
    const double k = ((b1.u - a1.u) * bv - (b1.v - a1.v) * bu) / cross;
    const FrontPoint p{a1.u + k * au, a1.v + k * av};
    if (!std::isfinite(p.u) || !std::isfinite(p.v)) {
        return std::nullopt;
    }
    return p;
}

GroundLine groundLine(const FrontPoint& right, const FrontPoint& left) {
    GroundLine g;
    const double du = left.u - right.u;
    const double dv = left.v - right.v;
    const double length = std::hypot(du, dv);
    if (!(length > 0) || !(du != 0) || !std::isfinite(length)) {
        return g;
    }
    g.e = {du / length, dv / length};
    g.n = {-g.e.v, g.e.u};
    const double k = -right.u / g.e.u;
    g.atCentreline = {0, right.v + k * g.e.v};
    g.valid = true;
    return g;
}

} // namespace velmora
