#include "model/curve_at_travel.h"

#include <algorithm>
#include <cmath>

namespace velmora {

std::optional<double> curveAtTravel(const Curve& curve, float VU, float VY, int n, double travel) {
    n = std::min(n, kMaxPositions);
    if (n < 1 || !(VY > 0.0f) || !std::isfinite(travel)) {
        return std::nullopt;
    }
    // Walk the positions as the sweep stepped them, from full bump down.
    float above = VU;
    for (int i = 1; i <= n; ++i) {
        const float below = i < n ? above - VY : above;
        const auto k = static_cast<std::size_t>(i);
        if (travel == above) {
            return SweepResult::reached(curve[k]) ? std::optional<double>(curve[k]) : std::nullopt;
        }
        if (i < n && travel < above && travel > below) {
            const double a = curve[k];
            const double b = curve[k + 1];
            if (!SweepResult::reached(a) || !SweepResult::reached(b)) {
                return std::nullopt;
            }
            const double f = (static_cast<double>(above) - travel) /
                             (static_cast<double>(above) - static_cast<double>(below));
            return a + (b - a) * f;
        }
        above = below;
    }
    return std::nullopt;
}

} // namespace velmora
