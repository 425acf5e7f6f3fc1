#include "geometry/corner_sweep.h"

#include "geometry/checked_math.h"
#include "geometry/sweep_messages.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace velmora {

using namespace sweepmath;

namespace {

void countPass(int& counter) {
    ++counter;
    if (counter >= kPassLimit) {
        fault();
    }
}

} // namespace

double CornerSweep::BallJointZ::at(double movedY) {
    if (!formed_) {
        k_ = fin(arm_.length * std::sin(rad(arm_.planAngle)));
        L2_ = sq(arm_.length);
        nS_ = fin(k_ * root(1 - quot(sq(arm_.axisFoot.y - B_.y), L2_)));
        formed_ = true;
    }
    const double n = fin(k_ * root(1 - quot(sq(arm_.axisFoot.y - movedY), L2_)));
    return fin(B_.z + nS_ - n + quot((movedY - B_.y) * (F_.y - R_.y), R_.z - F_.z));
}

CornerSweep::CornerSweep(SweepResult& out, float VU, float VY, const CornerPoints& points,
                         const CornerStatics& statics)
    : out_(out), passes_(out.report.passes), p_(points), s_(statics),
      staticIndex_(staticIndex(VU, VY)), fv_(statics.fv), topZ_(p_.TF, p_.TR, s_.top, p_.TB),
      bottomZ_(p_.BF, p_.BR, s_.bottom, p_.BB) {}

bool CornerSweep::atStaticIndex(int i) const {
    return static_cast<float>(i) == staticIndex_;
}

void CornerSweep::storeStaticPosition(int i) {
    const auto k = static_cast<std::size_t>(i);
    out_.BallJointPos[k] = BallJointPair{p_.TB, p_.BB};
    out_.TieRodOuterX[k] = toSingle(p_.RO.x);
    out_.TieRodOuterY[k] = toSingle(p_.RO.y);
    out_.CamberChange[k] = 0;
    out_.SideScrub[k] = 0;
    out_.CasterChange[k] = 0;
    out_.ForeAft[k] = 0;
    out_.BumpSteer[k] = 0;
}

void CornerSweep::settleRollCentre() {
    if (rollCentre_.pending) {
        rollCentre_.pending = false;
        ic_ = instantCentreOf(rollCentre_.lines);
        out_.RollCenterHeight = wheelRollCentreHeight(ic_, rollCentre_.patchX, rollCentre_.travel);
    }
}

// Only the roll centre of the position finished last is kept, so a position whose roll centre
// cannot fail leaves it unsolved until the next position replaces it or the sweep ends.
void CornerSweep::sweepPositions(int count, float VU, float VY) {
    deferRollCentre_ = true;
    try {
        sweepEachPosition(count, VU, VY);
    } catch (const ArithmeticFault&) {
        settleRollCentre();
        throw;
    }
    settleRollCentre();
}

void CornerSweep::sweepEachPosition(int count, float VU, float VY) {
    float t = VU;
    std::array<RideHeight, kLanes> solved;
    int taken = 0; // solved[taken..solvedCount) belong to the coming positions
    int solvedCount = 0;
    for (int i = 1; i <= count; ++i) {
        if (taken == solvedCount && t != 0.0f) {
            // The next positions are solved along with this one as far as the sweep will get
            // there with travels that need the iteration.
            std::array<float, kLanes> travels{t};
            solvedCount = 1;
            while (solvedCount < kLanes && i + solvedCount <= count) {
                const float next = travels[solvedCount - 1] - VY;
                if (!std::isfinite(next) || next == 0.0f) {
                    break;
                }
                travels[solvedCount++] = next;
            }
            solveRideHeights(travels.data(), solved.data(), solvedCount);
            taken = 0;
        }
        if (t != 0.0f) {
            sweepPosition(i, t, solved[taken++]);
        } else {
            storeStaticPosition(i);
        }
        t = checkedSingle(t - VY);
    }
}

void CornerSweep::sweepPosition(int i, float t, const RideHeight& rideHeight) {
    Pose pose;
    if (!takeRideHeight(t, rideHeight, pose)) {
        return;
    }
    const auto k = static_cast<std::size_t>(i);

    // Camber and side scrub of the contact patch.
    double scrub = fin(pose.BB.x + s_.dCP * std::sin(rad(pose.phi4)) - p_.TC);
    double camber = fin(s_.kappa - pose.phi4);
    if (atStaticIndex(i)) {
        scrub = 0;
        camber = 0;
    }
    out_.SideScrub[k] = toSingle(scrub);
    out_.CamberChange[k] = toSingle(camber);
    out_.BallJointPos[k].bottom.x = pose.BB.x;
    out_.BallJointPos[k].bottom.y = pose.BB.y;

    // Top ball joint, on the upright at L3 from the bottom one.
    const double phi5 = 90 - (pose.phi3 + pose.phi2);
    pose.TB.x = fin(pose.BB.x - s_.L3 * std::sin(rad(phi5)));
    pose.TB.y = fin(pose.BB.y + s_.L3 * std::cos(rad(phi5)));
    out_.BallJointPos[k].top.x = pose.TB.x;
    out_.BallJointPos[k].top.y = pose.TB.y;

    finishPosition(i, t, pose, out_.SideScrub[k]);
}

void CornerSweep::sweepRideHeightOnly() {
    out_.BallJointPos[0] = BallJointPair{p_.TB, p_.BB};
    Pose pose;
    pose.TB = p_.TB;
    pose.BB = p_.BB;
    finishPosition(0, 0.0f, pose, 0.0);
}

// The travel is imposed on the contact patch: iterate on the vertical displacement s of the
// bottom ball joint until the contact point sits at height t. One lane is one travel; each
// pass is cut into three stages, one call of the maths library each, and the stages of the
// lanes alternate. A lane ends at its first geometry message or failure, or after the pass
// that would exhaust the budget even when it is the sweep's first.
class CornerSweep::RideHeightLane {
public:
    RideHeightLane(const CornerPoints& p, const CornerStatics& s, float t, RideHeight& result)
        : p_(p), s_(s), travel_(t), r_(result) {
        r_ = RideHeight{};
        guarded([&] {
            s_now_ = travel_;
            r_.pose.BB.y = fin(p_.BB.y + s_now_);
        });
    }

    bool running() const { return running_; }

    void stageA() {
        guarded([&] {
            if (++r_.passes >= kPassLimit) {
                fault();
            }
            Pose& pose = r_.pose;
            const Point3& A1 = s_.top.axisFoot;
            const Point3& A2 = s_.bottom.axisFoot;
            const double q = fin(sq(s_.bottom.length) - sq(pose.BB.y - A2.y));
            if (q < 0) {
                end(RideHeight::End::TopsOut);
                return;
            }
            pose.BB.x = fin(A2.x + root(q)); // always outboard of the axis foot
            d_ = root(sq(pose.BB.x - A1.x) + sq(A1.y - pose.BB.y));
            pose.phi2 = deg(atanOf(A1.y - pose.BB.y, pose.BB.x - A1.x));
        });
    }

    void stageB() {
        guarded([&] {
            // Law of cosines at BB' in the triangle BB', A1, TB'.
            c_ = quot(fin(sq(s_.L3) + sq(d_) - sq(s_.top.length)), fin(2 * s_.L3 * d_));
            if (c_ > 1) {
                end(RideHeight::End::BottomsOut);
                return;
            }
            r_.pose.phi3 = deg(atanOf(root(1 - c_ * c_), c_));
        });
    }

    void stageC() {
        guarded([&] {
            Pose& pose = r_.pose;
            if (pose.phi3 < 0) {
                pose.phi3 += 180;
            }
            pose.phi4 = 270 - (pose.phi3 + pose.phi2 + s_.phi1);
            const double contactY = fin(pose.BB.y - std::cos(rad(pose.phi4)) * s_.dCP);
            if (std::fabs(travel_ - contactY) < 0.001) {
                end(RideHeight::End::Converged);
                return;
            }
            s_now_ = quot(s_now_ * travel_, contactY);
            pose.BB.y = fin(p_.BB.y + s_now_);
        });
    }

private:
    template <typename Stage> void guarded(Stage stage) {
        if (!running_) {
            return;
        }
        try {
            stage();
        } catch (const ArithmeticFault&) {
            end(RideHeight::End::Failed);
        }
    }

    void end(RideHeight::End how) {
        r_.end = how;
        running_ = false;
    }

    const CornerPoints& p_;
    const CornerStatics& s_;
    const double travel_;
    RideHeight& r_;
    bool running_ = true;
    double s_now_ = 0; // vertical displacement of the bottom ball joint
    double d_ = 0;
    double c_ = 0;
};

void CornerSweep::solveRideHeights(const float* travels, RideHeight* results, int count) const {
    std::array<std::optional<RideHeightLane>, kLanes> lanes;
    for (int k = 0; k < count; ++k) {
        lanes[k].emplace(p_, s_, travels[k], results[k]);
    }
    auto running = [&] {
        for (int k = 0; k < count; ++k) {
            if (lanes[k]->running()) {
                return true;
            }
        }
        return false;
    };
    while (running()) {
        for (int k = 0; k < count; ++k) {
            lanes[k]->stageA();
        }
        for (int k = 0; k < count; ++k) {
            lanes[k]->stageB();
        }
        for (int k = 0; k < count; ++k) {
            lanes[k]->stageC();
        }
    }
}

// The passes of a solved position count now, as if it had been iterated here: the budget
// runs out at the pass that reaches it, before that pass's own ending.
bool CornerSweep::takeRideHeight(float t, const RideHeight& rideHeight, Pose& pose) {
    const int total = passes_.rideHeightPasses + rideHeight.passes;
    if (total >= kPassLimit) {
        passes_.rideHeightPasses = kPassLimit;
        fault();
    }
    passes_.rideHeightPasses = total;
    switch (rideHeight.end) {
    case RideHeight::End::Converged:
        pose = rideHeight.pose;
        return true;
    case RideHeight::End::TopsOut:
        out_.messages.push_back(topsOutMessage(t));
        return false;
    case RideHeight::End::BottomsOut:
        out_.messages.push_back(bottomsOutMessage(t));
        return false;
    case RideHeight::End::Failed:
        break;
    }
    fault();
}

// Roll centre height, fore/aft movement, caster change and toe of a solved position.
void CornerSweep::finishPosition(int i, float t, Pose& pose, double sideScrub) {
    const auto k = static_cast<std::size_t>(i);
    const ArmLines lines = frontViewArmLines(s_.top.axisFoot, pose.TB, s_.bottom.axisFoot, pose.BB);
    const double patchX = fin(p_.TC + sideScrub);
    if (deferRollCentre_ && rollCentreCannotFail(lines, patchX, t)) {
        rollCentre_ = PendingRollCentre{lines, patchX, t, true}; // the one before is overwritten
    } else {
        settleRollCentre(); // it stays when this one fails
        ic_ = instantCentreOf(lines);
        out_.RollCenterHeight = wheelRollCentreHeight(ic_, patchX, t);
    }

    pose.TB.z = topZ_.at(pose.TB.y);
    pose.BB.z = bottomZ_.at(pose.BB.y);
    out_.BallJointPos[k].top.z = pose.TB.z;
    out_.BallJointPos[k].bottom.z = pose.BB.z;

    const double movedTC = quot(pose.TB.z - pose.BB.z, pose.TB.y - pose.BB.y);
    // The change is used as stored, in single precision.
    float casterChange = toSingle(deg(std::atan(movedTC)) - s_.caster);
    // The spindle point rides on the steering axis at aS from the bottom ball joint.
    float foreAft = toSingle(pose.BB.z + s_.aS * std::sin(rad(s_.caster + casterChange)) - s_.zS);
    if (atStaticIndex(i)) {
        casterChange = 0;
        foreAft = 0;
    }
    out_.CasterChange[k] = casterChange;
    out_.ForeAft[k] = foreAft;

    // The steering-arm root keeps its distance from TB along the moved steering axis.
    const double dy = fin(pose.TB.y - pose.BB.y);
    const double dz = fin(pose.TB.z - pose.BB.z);
    const double dx = fin(pose.BB.x - pose.TB.x);
    const double hl = root(sq(dx) + sq(dz));
    const double elevation = hl == 0 ? 90 : fin(atanOf(dy, hl) * kDegreesPerRadian);
    Point3 movedRoot;
    movedRoot.y = fin(pose.TB.y - s_.dTS * std::sin(elevation * kRadiansPerDegree));
    movedRoot.x = fin(pose.TB.x + quot((pose.TB.y - movedRoot.y) * dx, dy));
    movedRoot.z = fin(pose.TB.z - quot((pose.TB.y - movedRoot.y) * dz, dy));

    solveSteering(i, t, movedRoot);
}

// Finds where the tie rod, at its true length, holds the outer joint on the steering arm,
// and from that the toe change. Sm is the moved steering-arm root.
void CornerSweep::solveSteering(int i, float t, const Point3& Sm) {
    const auto k = static_cast<std::size_t>(i);
    const Point3& S = s_.S;
    const Point3& RO = p_.RO;
    const Point3& RI = p_.RI;
    const bool behindAxis = RO.z >= S.z; // level with the root counts as behind

    // The steering arm in plan view, from the static points.
    const double casterChange = out_.CasterChange[k];
    const double armLen =
        root(sq(S.x - RO.x) + sq(fin((1 - std::sin(rad(casterChange))) * (S.z - RO.z))));
    double theta0 = fin(atanOf(std::cos(rad(casterChange)) * std::fabs(RO.z - S.z), RO.x - S.x) *
                        kDegreesPerRadian);
    if (theta0 < 0) {
        theta0 += 180;
    }

    // The outer joint keeps its height relation to the arm root; the front-view length of
    // the tie rod is corrected until the rod has its true length.
    const double Yo = fin(RO.y + (Sm.y - S.y));
    double h = 0;
    double dxa = 0;
    double dza = 0;
    double Zo = 0;
    for (;;) {
        countPass(passes_.tieRodPasses);
        h = root(fin(sq(fv_) - sq(Yo - RI.y)));
        const double Xo = fin(RI.x + h);
        dxa = fin(Xo - Sm.x);
        if (std::fabs(dxa) > armLen) {
            out_.messages.push_back(tieRodBindsMessage(t));
            return;
        }
        dza = root(sq(armLen) - sq(dxa));
        Zo = behindAxis ? fin(Sm.z + dza) : fin(Sm.z - dza);
        const double rx = Xo - RI.x;
        const double ry = Yo - RI.y;
        const double len = root(sq(rx) + sq(ry) + sq(fin(Zo - RI.z)));
        if (std::fabs(len - s_.rodLen) < 0.0003) {
            break;
        }
        // Share the length error between X and Y in proportion to their squares.
        const double e = fin(s_.rodLen - len);
        const double len2 = sq(len);
        fv_ = root(sq(fin(rx + quot(e * sq(rx), len2))) + sq(fin(ry + quot(e * sq(ry), len2))));
    }

    // An arm pointing straight fore or aft has turned a right angle from the X direction.
    double theta = dxa == 0 ? 90 : fin(atanOf(dza, dxa) * kDegreesPerRadian);
    if (theta < 0) {
        theta += 180;
    }
    // Positive is toe out whichever side of the axis the tie rod is on.
    double bumpSteer = behindAxis ? theta - theta0 : theta0 - theta;
    if (std::fabs(bumpSteer) < 0.001) {
        bumpSteer = 0;
    }
    // Drawing position of the outer joint; a negative square is taken as a root of 0.
    const double planX = std::max(0.0, fin(sq(h) - sq(RO.z - Zo)));
    out_.TieRodOuterY[k] = toSingle(Yo);
    out_.TieRodOuterX[k] = toSingle(RI.x + std::sqrt(planX));
    out_.BumpSteer[k] = toSingle(bumpSteer);
}

} // namespace velmora
