#include "sweep_random_cases.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

namespace velmora {
namespace {

using namespace velmora::testing;

// FNV-1a over the bits of everything a sweep returns.
class Digest {
public:
    void bytes(const void* data, std::size_t size) {
        const auto* p = static_cast<const unsigned char*>(data);
        for (std::size_t i = 0; i < size; ++i) {
            h_ = (h_ ^ p[i]) * 0x100000001b3ull;
        }
    }
    template <typename T> void value(const T& v) { bytes(&v, sizeof v); }
    void text(const std::string& s) {
        value(s.size());
        bytes(s.data(), s.size());
    }
    void point(const Point3& p) {
        value(p.x);
        value(p.y);
        value(p.z);
    }
    void result(const SweepResult& r) {
        for (float v : {r.VU, r.VD, r.VI, r.VY, r.TireCenterX, r.SpindleHeight}) {
            value(v);
        }
        for (const SideStatics* s : {&r.right, &r.left}) {
            for (double v : {s->sai, s->scrubRadius, s->caster, s->casterTrail}) {
                value(v);
            }
        }
        value(r.RollCenterHeight);
        value(r.RollCenterOffset);
        value(r.hasWorkingPoints);
        for (const Point3& p : r.SusPoints) {
            point(p);
        }
        for (const Curve* c : {&r.CamberChange, &r.SideScrub, &r.CasterChange, &r.ForeAft,
                               &r.BumpSteer, &r.TieRodOuterX, &r.TieRodOuterY}) {
            bytes(c->data(), sizeof(float) * c->size());
        }
        for (const BallJointPair& j : r.BallJointPos) {
            point(j.top);
            point(j.bottom);
        }
        value(r.messages.size());
        for (const Message& m : r.messages) {
            text(m.title);
            text(m.text);
        }
        const SweepReport& rep = r.report;
        for (bool b : {rep.rightSwept, rep.leftSwept, rep.carRollCentre, rep.dataError}) {
            value(b);
        }
        value(rep.passes.rideHeightPasses);
        value(rep.passes.tieRodPasses);
    }
    std::uint64_t get() const { return h_; }

private:
    std::uint64_t h_ = 0xcbf29ce484222325ull;
};

// Every bit the sweep and the static pass return, over the random corners (clean sweeps,
// geometry messages, data errors part way, an exhausted budget) and the reference corner at
// even and odd travels. A change of the sweep's inner working must leave it unchanged; a
// digest that moves means some value, message or counter moved. It depends on the maths
// library's rounding, so a different C library may need the figure taken again.
TEST(SweepExactness, EveryReturnedBitIsAsBefore) {
    Digest digest;
    RandomSweepCases cases(7321u);
    for (int n = 0; n < 3000; ++n) {
        bool staticFrame = false;
        const SuspensionState s = cases.next(staticFrame);
        digest.result(s.StaticOnly
                          ? staticPass(s.RightCoords, s.LeftCoords, Travel{s.VU, s.VD})
                          : classicSweep(s.activeCoords(), s.Right_Active, Travel{s.VU, s.VD}));
    }
    const float travels[][2] = {{3, 3}, {9, 9}, {1.7f, 2.3f}, {5.3f, 0.7f}, {0.35f, 0.35f}};
    for (const auto& t : travels) {
        digest.result(classicSweep(referenceCorner(), false, Travel{t[0], t[1]}));
    }
    EXPECT_EQ(digest.get(), 0xf9358c9b66532b10ull);
}

// The same for corners with one coordinate at an extreme: values that overflow part way
// through a chain of arithmetic, or vanish, so that the sweep fails in every stage where it
// can. Where a failure is found, in which pass and after which stored value, must not move.
TEST(SweepExactness, ExtremeCoordinatesFailWhereTheyAlwaysHave) {
    Digest digest;
    const float extremes[] = {3e38f, -3e38f, 1e30f, -1e19f, 1e15f, 1e-30f, -1e-7f};
    for (int index = 1; index <= 26; ++index) {
        for (const float value : extremes) {
            const CoordinateSet corner = referenceWith({{index, value}});
            digest.result(classicSweep(corner, false, Travel{3, 3}));
            digest.result(classicSweep(corner, true, Travel{9, 0.5f}));
            digest.result(staticPass(corner, referenceCorner(), Travel{3, 3}));
        }
    }
    EXPECT_EQ(digest.get(), 0xadf65b52db9345caull);
}

} // namespace
} // namespace velmora
