#include "model/suspension_state.h"

#include "model/result_curve.h"

#include <algorithm>
#include <cmath>

namespace velmora {

double completenessProduct(const CoordinateSet& set) {
    double product = 1.0;
    for (int i = CoordinateSet::kFirst; i <= CoordinateSet::kLast; ++i) {
        product *= static_cast<double>(set[i]);
    }
    return product;
}

bool isComplete(const CoordinateSet& set) {
    return completenessProduct(set) != 0.0;
}

namespace {

// Written as a selection rather than a conditional store, so that the loops vectorise.
void applyReached(Curve& to, const Curve& from) {
    for (std::size_t k = 0; k < to.size(); ++k) {
        to[k] = SweepResult::reached(from[k]) ? from[k] : to[k];
    }
}

void applyReached(std::array<BallJointPair, kMaxPositions + 1>& to,
                  const std::array<BallJointPair, kMaxPositions + 1>& from) {
    for (std::size_t k = 0; k < to.size(); ++k) {
        for (auto [t, f] :
             {std::pair{&to[k].top, &from[k].top}, {&to[k].bottom, &from[k].bottom}}) {
            t->x = SweepResult::reached(f->x) ? f->x : t->x;
            t->y = SweepResult::reached(f->y) ? f->y : t->y;
            t->z = SweepResult::reached(f->z) ? f->z : t->z;
        }
    }
}

} // namespace

void SuspensionState::apply(const SweepResult& r) {
    VU = r.VU;
    VD = r.VD;
    if (SweepResult::reached(r.VI)) {
        VI = r.VI;
    }
    if (SweepResult::reached(r.VY)) {
        VY = r.VY;
    }
    RightSAI = r.right.sai;
    RightScrubRadius = r.right.scrubRadius;
    RightCaster = r.right.caster;
    RightCasterTrail = r.right.casterTrail;
    LeftSAI = r.left.sai;
    LeftScrubRadius = r.left.scrubRadius;
    LeftCaster = r.left.caster;
    LeftCasterTrail = r.left.casterTrail;
    RollCenterHeight = r.RollCenterHeight;
    RollCenterOffset = r.RollCenterOffset;
    if (r.hasWorkingPoints) {
        std::copy(r.SusPoints.begin() + TopFront, r.SusPoints.end(), SusPoints.begin() + TopFront);
        TireCenterX = r.TireCenterX;
        SpindleHeight = r.SpindleHeight;
    }
    applyReached(CamberChange, r.CamberChange);
    applyReached(SideScrub, r.SideScrub);
    applyReached(CasterChange, r.CasterChange);
    applyReached(ForeAft, r.ForeAft);
    applyReached(BumpSteer, r.BumpSteer);
    applyReached(TieRodOuterX, r.TieRodOuterX);
    applyReached(TieRodOuterY, r.TieRodOuterY);
    applyReached(BallJointPos, r.BallJointPos);
}

void selectGraph(SuspensionState& state, GraphKind kind) {
    state.select(kind);
}

void Zero_Data(SuspensionState& state) {
    state.LeftScrubRadius = 0;
    state.LeftSAI = 0;
    state.LeftCasterTrail = 0;
    state.LeftCaster = 0;
    state.RightScrubRadius = 0;
    state.RightSAI = 0;
    state.RightCasterTrail = 0;
    state.RightCaster = 0;
    state.RollCenterHeight = 0;
    state.RollCenterOffset = 0;
}

void clearProject(SuspensionState& state) {
    state.Note_text.clear();
    state.Vehicle = VehicleData{};
    for (Curve* curve : {&state.CamberChange, &state.SideScrub, &state.CasterChange, &state.ForeAft,
                         &state.BumpSteer, &state.TieRodOuterX, &state.TieRodOuterY}) {
        std::fill(curve->begin() + 1, curve->end(), 0.0f);
    }
    state.RightCoords = CoordinateSet{};
    state.LeftCoords = CoordinateSet{};
    Zero_Data(state);
}

int positionCount(float vu, float vd, float vy) {
    if (!(vy > 0.0f)) {
        return 0;
    }
    const double quotient = static_cast<double>(vu + vd) / static_cast<double>(vy);
    if (!std::isfinite(quotient) || quotient < 0) {
        return 0;
    }
    const double n = std::floor(quotient) + 1.0;
    return static_cast<int>(std::min(n, static_cast<double>(kMaxPositions)));
}

float staticIndex(float vu, float vy) {
    return vu / vy + 1.0f;
}

const Curve& resultCurve(const SuspensionState& state, GraphKind kind) {
    return curveOf(state, kind);
}

} // namespace velmora
