#pragma once

// Random inputs for the sweep and the checks every sweep must pass whatever its input.
// Shared by the randomized test and the stress program in bench/.

#include "geometry/static_geometry.h"
#include "geometry/sweep.h"
#include "geometry/sweep_messages.h"

#include "sweep_test_corner.h"

#include <cfloat>
#include <cmath>
#include <random>
#include <string>

namespace velmora::testing {

class RandomSweepCases {
public:
    explicit RandomSweepCases(unsigned seed) : rng_(seed) {}

    // A state with both sides, options and mode drawn at random. `runsStaticFrame` tells the
    // caller to run the static-geometry command rather than the bare sweep.
    SuspensionState next(bool& runsStaticFrame) {
        SuspensionState state;
        state.RightCoords = side();
        state.LeftCoords = side();
        state.Right_Active = coin(0.5);
        state.StaticOnly = coin(0.3);
        runsStaticFrame = !state.StaticOnly && coin(0.1);
        if (!coin(0.7)) {
            state.VU = travel();
            state.VD = travel();
        }
        return state;
    }

private:
    bool coin(double p) { return std::bernoulli_distribution(p)(rng_); }
    double uniform(double lo, double hi) {
        return std::uniform_real_distribution<double>(lo, hi)(rng_);
    }
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

    float absurd(float usual) {
        const float palette[] = {0.0f,     -1.0f,         -usual,  1e30f, -1e30f, FLT_MAX,
                                 -FLT_MAX, 1e-30f,        1e-45f,  1e6f,  -1e6f,  usual * 1e4f,
                                 usual,    usual + 1e-6f, 3.4e19f, 1e-19f};
        const int n = static_cast<int>(sizeof palette / sizeof palette[0]);
        return palette[pick(n)];
    }

    float travel() {
        const float palette[] = {0.0f, 3.0f, 9.0f, -3.0f, 1e30f, FLT_MAX, 1e-40f, 0.001f};
        if (coin(0.5)) {
            return static_cast<float>(uniform(0.1, 12.0));
        }
        return palette[pick(static_cast<int>(sizeof palette / sizeof palette[0]))];
    }

    CoordinateSet side() {
        const CoordinateSet reference = referenceCorner();
        CoordinateSet set = reference;
        switch (pick(6)) {
        case 0: // a slightly different car
            perturb(set, 0.5);
            break;
        case 1: // a very different car, or a badly measured one
            perturb(set, coin(0.5) ? 3.0 : 8.0);
            break;
        case 2: // a few absurd entries
            perturb(set, 0.5);
            for (int i = 1; i <= 26; ++i) {
                if (coin(0.15)) {
                    set[i] = absurd(reference[i]);
                }
            }
            break;
        case 3: // coincident points and degenerate arms
            perturb(set, 1.0);
            for (int k = 0; k < 1 + pick(3); ++k) {
                const int from = 1 + pick(8);
                const int to = 1 + pick(8);
                set[to] = set[from];
                set[9 + to] = set[9 + from];
                if (to <= 8 && from <= 8) {
                    set[18 + to] = set[18 + from];
                }
            }
            break;
        case 4: // nothing reasonable at all
            for (int i = 1; i <= 26; ++i) {
                set[i] = coin(0.5) ? absurd(reference[i]) : static_cast<float>(uniform(-1e3, 1e3));
            }
            break;
        default: // left out or incomplete
            if (coin(0.5)) {
                set = CoordinateSet{};
            } else {
                set[1 + pick(26)] = 0.0f;
            }
            break;
        }
        return set;
    }

    void perturb(CoordinateSet& set, double spread) {
        const bool quarters = coin(0.5);
        for (int i = 1; i <= 26; ++i) {
            double v = set[i] + uniform(-spread, spread);
            if (quarters) {
                v = std::round(v * 4) / 4;
            }
            set[i] = static_cast<float>(v);
        }
    }

    std::mt19937 rng_;
};

// What a sweep left behind that it never should: an empty text means nothing.
inline std::string sweepDefect(const SuspensionState& s, const SweepReport& report,
                               const RecordingMessageSink& sink) {
    auto finite = [](double v) { return std::isfinite(v); };
    for (const Curve* curve : {&s.CamberChange, &s.SideScrub, &s.CasterChange, &s.ForeAft,
                               &s.BumpSteer, &s.TieRodOuterX, &s.TieRodOuterY}) {
        for (float v : *curve) {
            if (!finite(v)) {
                return "a result curve holds a value that is not finite";
            }
        }
    }
    for (const BallJointPair& p : s.BallJointPos) {
        for (double v : {p.top.x, p.top.y, p.top.z, p.bottom.x, p.bottom.y, p.bottom.z}) {
            if (!finite(v)) {
                return "a ball joint position is not finite";
            }
        }
    }
    for (double v :
         {s.LeftScrubRadius, s.LeftSAI, s.LeftCasterTrail, s.LeftCaster, s.RightScrubRadius,
          s.RightSAI, s.RightCasterTrail, s.RightCaster, s.RollCenterHeight, s.RollCenterOffset}) {
        if (!finite(v)) {
            return "a static value is not finite";
        }
    }
    for (float v : {s.VU, s.VD, s.VI, s.VY}) {
        if (!finite(v)) {
            return "a travel option is not finite";
        }
    }
    const IterationCounters& passes = report.passes;
    if (passes.rideHeightPasses > kPassLimit || passes.tieRodPasses > kPassLimit ||
        passes.rideHeightPasses < 0 || passes.tieRodPasses < 0) {
        return "the pass budget was overrun";
    }
    if ((passes.rideHeightPasses == kPassLimit || passes.tieRodPasses == kPassLimit) &&
        !report.dataError) {
        return "the budget ran out without a data error";
    }
    const int dataErrors = countTitled(sink, "Data Error");
    if (dataErrors != (report.dataError ? 1 : 0)) {
        return "the data error was not reported exactly once";
    }
    if (report.dataError && !(sink.messages.back() == dataErrorMessage())) {
        return "a message followed the data error";
    }
    if (sink.messages.size() > 2u * (kMaxPositions + 1) + 1u) {
        return "too many messages";
    }
    return {};
}

} // namespace velmora::testing
