#include "geometry/model_comparison.h"

#include <cmath>

namespace velmora {

std::array<CurveDifference, 5> compareModels(const SuspensionState& classic,
                                             const RigidSweep& rigid) {
    std::array<CurveDifference, 5> out;
    const GraphKind kinds[5] = {GraphKind::Camber, GraphKind::Caster, GraphKind::SideScrub,
                                GraphKind::ForeAft, GraphKind::BumpSteer};
    for (std::size_t c = 0; c < out.size(); ++c) {
        CurveDifference& d = out[c];
        d.kind = kinds[c];
        const Curve& a = resultCurve(classic, d.kind);
        const Curve3D& b = rigidCurve(rigid, d.kind);
        for (int i = 1; i <= rigid.n; ++i) {
            const auto k = static_cast<std::size_t>(i);
            // A position either model did not reach is not compared: the classic sweep leaves
            // such positions as they were, which a caller can mark as not a number.
            if (!rigid.solved[k] || !std::isfinite(a[k])) {
                continue;
            }
            const double difference = std::fabs(static_cast<double>(a[k]) - b[k]);
            if (!d.compared || difference > d.maxDifference) {
                d.compared = true;
                d.maxDifference = difference;
                d.atTravel = rigid.travel[k];
            }
        }
    }
    return out;
}

const char* curveName(GraphKind kind) {
    switch (kind) {
    case GraphKind::Camber:
        return "CamberChange";
    case GraphKind::SideScrub:
        return "SideScrub";
    case GraphKind::ForeAft:
        return "ForeAft";
    case GraphKind::Caster:
        return "CasterChange";
    case GraphKind::BumpSteer:
        break;
    }
    return "BumpSteer";
}

} // namespace velmora
