#include "geometry/sensitivity.h"

#include "geometry/rigid_sweep.h"
#include "geometry/sweep.h"
#include "model/number_text.h"
#include "model/result_curve.h"
#include "model/shown_length.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace velmora {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The curve's values at full bump and full rebound, NaN where the sweep did not reach them.
struct Ends {
    double bump = kNaN;
    double rebound = kNaN;
    int positions = 0;
    std::vector<Message> messages;
};

Ends classicEnds(const SensitivityInputs& in, const CoordinateSet& corner) {
    SweepResult result = classicSweep(corner, in.right, in.travel);
    Ends ends;
    ends.messages = std::move(result.messages);
    if (!isComplete(corner) || !SweepResult::reached(result.VY) || !(result.VY > 0.0f)) {
        return ends;
    }
    ends.positions = positionCount(result.VU, result.VD, result.VY);
    if (ends.positions < 1) {
        return ends;
    }
    const Curve& curve = curveOf(result, in.kind);
    // A value the sweep refused is never finite, so NaN also covers what it skipped.
    const auto value = [&](int i) {
        const float v = curve[static_cast<std::size_t>(i)];
        return std::isfinite(v) ? static_cast<double>(v) : kNaN;
    };
    ends.bump = value(1);
    ends.rebound = value(ends.positions);
    return ends;
}

Ends rigidEnds(const SensitivityInputs& in, const CoordinateSet& corner) {
    RigidSweep sweep = rigidSweep(corner, in.travel);
    Ends ends;
    ends.messages = std::move(sweep.messages);
    if (!sweep.complete || sweep.n < 1) {
        return ends;
    }
    ends.positions = sweep.n;
    const Curve3D& curve = rigidCurve(sweep, in.kind);
    const auto value = [&](int i) {
        const auto k = static_cast<std::size_t>(i);
        return sweep.solved[k] && std::isfinite(curve[k]) ? curve[k] : kNaN;
    };
    ends.bump = value(1);
    ends.rebound = value(sweep.n);
    return ends;
}

Ends endsOf(const SensitivityInputs& in, const CoordinateSet& corner) {
    return in.model == KinematicModel::Rigid ? rigidEnds(in, corner) : classicEnds(in, corner);
}

Message notEnteredMessage(int index, float value) {
    return Message{"Sensitivity",
                   "Coordinate " + std::to_string(index) + " would become 0 (" +
                       shortestLength(value) +
                       " plus the step), which the table takes as not entered.",
                   MessageIcon::Exclamation, MessageButtons::Ok}
        .with(Outcome::SensitivityCoordinateEmptied);
}

} // namespace

double SensitivityRow::largerEffect() const {
    const double bump = std::fabs(atBump);
    const double rebound = std::fabs(atRebound);
    if (std::isnan(bump)) {
        return rebound;
    }
    return std::isnan(rebound) ? bump : std::max(bump, rebound);
}

int coordinateUnchangedBy(const CoordinateSet& corner, float step) {
    for (int i = CoordinateSet::kFirst; i <= CoordinateSet::kLast; ++i) {
        if (corner[i] + step == corner[i]) {
            return i;
        }
    }
    return 0;
}

Sensitivity sensitivityOf(const SensitivityInputs& in) {
    Sensitivity out;
    out.complete = isComplete(in.corner);
    if (!out.complete) {
        return out;
    }
    Ends base = endsOf(in, in.corner);
    out.positions = base.positions;
    out.messages = std::move(base.messages);
    out.rows.reserve(CoordinateSet::kLast);
    for (int i = CoordinateSet::kFirst; i <= CoordinateSet::kLast; ++i) {
        SensitivityRow row;
        row.index = i;
        row.point = coordinatePointName(i);
        row.axis = coordinateAxisName(i);
        CoordinateSet changed = in.corner;
        changed[i] = in.corner[i] + in.step;
        if (changed[i] == 0.0f) {
            // A zero is an empty box: the side would no longer be complete, and a sweep of it
            // would say nothing about moving the point.
            row.atBump = kNaN;
            row.atRebound = kNaN;
            row.messages.push_back(notEnteredMessage(i, in.corner[i]));
        } else {
            Ends moved = endsOf(in, changed);
            row.atBump = moved.bump - base.bump;
            row.atRebound = moved.rebound - base.rebound;
            row.messages = std::move(moved.messages);
        }
        out.rows.push_back(std::move(row));
    }
    return out;
}

std::vector<SensitivityRow> byLargestEffect(const Sensitivity& sensitivity) {
    std::vector<SensitivityRow> rows = sensitivity.rows;
    std::stable_sort(rows.begin(), rows.end(),
                     [](const SensitivityRow& a, const SensitivityRow& b) {
                         const double ea = a.largerEffect();
                         const double eb = b.largerEffect();
                         if (std::isnan(eb)) {
                             return !std::isnan(ea);
                         }
                         return !std::isnan(ea) && ea > eb;
                     });
    return rows;
}

} // namespace velmora
