#include "geometry/corner_sweep.h"

#include "geometry/checked_math.h"
#include "geometry/sweep.h"
#include "geometry/sweep_messages.h"

#include <algorithm>
#include <array>
#include <cmath>

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
    // The terms formed are tested; a swing the arm cannot reach gives NaN, tested at the end.
    const double dy = arm_.axisFoot.y - movedY;
    const double n = k_ * std::sqrt(1 - dy * dy / L2_);
    return fin(B_.z + nS_ - n + divide((movedY - B_.y) * (F_.y - R_.y), R_.z - F_.z));
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
    // The travel of each position the loop below reaches with a finite one.
    std::array<float, kMaxPositions + 1> travel{};
    int travelled = 0;
    for (float t = VU; travelled < count && std::isfinite(t); t -= VY) {
        travel[++travelled] = t;
    }

    SweepRideHeights rideHeights(p_, s_, travel.data(), travelled);

    std::array<Placement, 2> placements;
    int current = 0;
    bool nextPlaced = false; // placements[1 - current] holds the next position
    float t = VU;
    for (int i = 1; i <= count; ++i) {
        const bool placedAhead = nextPlaced;
        nextPlaced = false;
        if (placedAhead) {
            current = 1 - current;
        }
        if (t == 0.0f) {
            storeStaticPosition(i);
        } else {
            Pose pose;
            if (takeRideHeight(t, rideHeights.at(i), pose)) {
                Placement& here = placements[current];
                if (!placedAhead) {
                    place(here, i, t, pose, true);
                }
                // Each tie rod pass carries work of the positions to come: the first places
                // the next position, the others advance the next ride-height batch a stage.
                auto ahead = [&, i](bool firstPass) {
                    if (firstPass && i < travelled && travel[i + 1] != 0.0f) {
                        const RideHeight& rideHeight = rideHeights.at(i + 1);
                        if (rideHeight.end == RideHeight::End::Converged) {
                            place(placements[1 - current], i + 1, travel[i + 1], rideHeight.pose,
                                  true);
                            nextPlaced = true;
                        }
                    } else {
                        rideHeights.advance(i);
                    }
                };
                finishPlacement(here, ahead);
            }
        }
        t = checkedSingle(t - VY);
    }
}

void CornerSweep::sweepRideHeightOnly() {
    out_.BallJointPos[0] = BallJointPair{p_.TB, p_.BB};
    Pose pose;
    pose.TB = p_.TB;
    pose.BB = p_.BB;
    Placement a;
    place(a, 0, 0.0f, pose, false);
    finishPlacement(a, [](bool) {});
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

void CornerSweep::place(Placement& a, int i, float t, const Pose& pose, bool movedByTravel) {
    a.i = i;
    a.t = t;
    a.reached = Placement::Reached::Nothing;
    a.failed = false;
    a.rollCentre = Placement::RollCentre::NotReached;
    a.movedByTravel = movedByTravel;
    a.pose = pose;
    try {
        placeClosedForm(a);
    } catch (const ArithmeticFault&) {
        a.failed = true;
    }
}

// Camber and side scrub of the contact patch, the top ball joint, roll centre height,
// fore/aft movement, caster change and the moved steering-arm root of a solved position;
// `movedByTravel` is false for the static-only pass, whose joints stay where they are.
void CornerSweep::placeClosedForm(Placement& a) {
    using Reached = Placement::Reached;
    Pose& pose = a.pose;
    if (a.movedByTravel) {
        double scrub = fin(pose.BB.x + s_.dCP * std::sin(radOf(pose.phi4)) - p_.TC);
        double camber = fin(s_.kappa - pose.phi4);
        if (atStaticIndex(a.i)) {
            scrub = 0;
            camber = 0;
        }
        a.sideScrub = toSingle(scrub);
        a.reached = Reached::SideScrub;
        a.camber = toSingle(camber);
        a.reached = Reached::Camber;

        // Top ball joint, on the upright at L3 from the bottom one.
        const double phi5 = 90 - (pose.phi3 + pose.phi2);
        pose.TB.x = fin(pose.BB.x - s_.L3 * std::sin(radOf(phi5)));
        pose.TB.y = fin(pose.BB.y + s_.L3 * std::cos(radOf(phi5)));
        a.reached = Reached::TopBall;
    }

    a.lines = frontViewArmLines(s_.top.axisFoot, pose.TB, s_.bottom.axisFoot, pose.BB);
    a.patchX = fin(p_.TC + a.sideScrub);
    if (deferRollCentre_ && rollCentreCannotFail(a.lines, a.patchX, a.t)) {
        a.rollCentre = Placement::RollCentre::Deferred;
    } else {
        a.rollCentre = Placement::RollCentre::Solving;
        a.ic = instantCentreOf(a.lines);
        a.rollCentreHeight = wheelRollCentreHeight(a.ic, a.patchX, a.t);
        a.rollCentre = Placement::RollCentre::Solved;
    }

    pose.TB.z = topZ_.at(pose.TB.y);
    pose.BB.z = bottomZ_.at(pose.BB.y);
    a.reached = Reached::Heights;

    const double movedTC = fin(divide(pose.TB.z - pose.BB.z, pose.TB.y - pose.BB.y));
    // The change is used as stored, in single precision.
    float& casterChange = a.casterChange;
    casterChange = toSingle(degOf(std::atan(movedTC)) - s_.caster);
    // The spindle point rides on the steering axis at aS from the bottom ball joint.
    float& foreAft = a.foreAft;
    foreAft = toSingle(pose.BB.z + s_.aS * std::sin(radOf(s_.caster + casterChange)) - s_.zS);
    if (atStaticIndex(a.i)) {
        casterChange = 0;
        foreAft = 0;
    }
    a.reached = Reached::Caster;

    // The steering-arm root keeps its distance from TB along the moved steering axis. The
    // joints are finite, so only what the tie rod iteration starts from is tested, with each
    // denominator and atan argument (see divide()).
    const double dy = pose.TB.y - pose.BB.y;
    const double dz = pose.TB.z - pose.BB.z;
    const double dx = pose.BB.x - pose.TB.x;
    const double hl = std::sqrt(dx * dx + dz * dz);
    const double elevation = hl == 0 ? 90 : std::atan(fin(divide(dy, hl))) * kDegreesPerRadian;
    Point3& Sm = a.movedRoot;
    Sm.y = pose.TB.y - s_.dTS * std::sin(elevation * kRadiansPerDegree);
    Sm.x = fin(pose.TB.x + divide((pose.TB.y - Sm.y) * dx, dy));
    Sm.z = fin(pose.TB.z - divide((pose.TB.y - Sm.y) * dz, dy));

    // The steering arm in plan view, from the static points.
    const Point3& S = s_.S;
    const Point3& RO = p_.RO;
    const double change = casterChange;
    const double armX = S.x - RO.x;
    const double armZ = (1 - std::sin(radOf(change))) * (S.z - RO.z);
    a.armLen = fin(std::sqrt(armX * armX + armZ * armZ));
    a.theta0 = std::atan(fin(divide(std::cos(radOf(change)) * std::fabs(RO.z - S.z), RO.x - S.x))) *
               kDegreesPerRadian;
    if (a.theta0 < 0) {
        a.theta0 += 180;
    }
    // The outer joint keeps its height relation to the arm root.
    a.Yo = fin(RO.y + (Sm.y - S.y));
}

// The values of the stages a placement reached, in the order the stages made them.
void CornerSweep::storePlacement(const Placement& a) {
    using Reached = Placement::Reached;
    const auto k = static_cast<std::size_t>(a.i);
    BallJointPair& joints = out_.BallJointPos[k];
    if (a.movedByTravel) {
        if (a.reached >= Reached::SideScrub) {
            out_.SideScrub[k] = a.sideScrub;
        }
        if (a.reached >= Reached::Camber) {
            out_.CamberChange[k] = a.camber;
            joints.bottom.x = a.pose.BB.x;
            joints.bottom.y = a.pose.BB.y;
        }
        if (a.reached >= Reached::TopBall) {
            joints.top.x = a.pose.TB.x;
            joints.top.y = a.pose.TB.y;
        }
    }
    if (a.reached >= Reached::Heights) {
        joints.top.z = a.pose.TB.z;
        joints.bottom.z = a.pose.BB.z;
    }
    if (a.reached >= Reached::Caster) {
        out_.CasterChange[k] = a.casterChange;
        out_.ForeAft[k] = a.foreAft;
    }
}

// At the position's turn: the stores of its closed form, its roll centre and its failure,
// then the tie rod iteration.
template <typename Ahead> void CornerSweep::finishPlacement(const Placement& a, Ahead ahead) {
    storePlacement(a);
    switch (a.rollCentre) {
    case Placement::RollCentre::NotReached:
        break;
    case Placement::RollCentre::Deferred:
        rollCentre_ = PendingRollCentre{a.lines, a.patchX, a.t, true}; // overwrites the one before
        break;
    case Placement::RollCentre::Solving:
        settleRollCentre(); // it stays, as this one failed
        break;
    case Placement::RollCentre::Solved:
        settleRollCentre();
        ic_ = a.ic;
        out_.RollCenterHeight = a.rollCentreHeight;
        break;
    }
    if (a.failed) {
        fault();
    }
    solveSteering(a, ahead);
}

// Finds where the tie rod, at its true length, holds the outer joint on the steering arm,
// and from that the toe change. `ahead` runs within each pass, before its test, told whether
// the pass is the first.
template <typename Ahead> void CornerSweep::solveSteering(const Placement& a, Ahead ahead) {
    const auto k = static_cast<std::size_t>(a.i);
    const Point3& Sm = a.movedRoot;
    const Point3& S = s_.S;
    const Point3& RO = p_.RO;
    const Point3& RI = p_.RI;
    const bool behindAxis = RO.z >= S.z; // level with the root counts as behind
    const double armLen = a.armLen;
    const double Yo = a.Yo;

    // The front-view length of the tie rod is corrected until the rod has its true length.
    double h = 0;
    double dxa = 0;
    double dza = 0;
    double Zo = 0;
    bool first = true;
    // Each chain of a pass ends in a test (see divide()): dxa and len before they are
    // compared, fv before the next pass counts, so a pass fails where it always has.
    const double ry = Yo - RI.y;
    for (;;) {
        countPass(passes_.tieRodPasses);
        h = std::sqrt(fv_ * fv_ - ry * ry);
        const double Xo = RI.x + h;
        dxa = fin(Xo - Sm.x);
        if (std::fabs(dxa) > armLen) {
            out_.messages.push_back(tieRodBindsMessage(a.t));
            return;
        }
        dza = std::sqrt(armLen * armLen - dxa * dxa); // |dxa| <= armLen
        Zo = behindAxis ? Sm.z + dza : Sm.z - dza;
        const double rx = Xo - RI.x;
        const double rz = Zo - RI.z;
        const double len = fin(std::sqrt(rx * rx + ry * ry + rz * rz));
        ahead(first);
        first = false;
        if (std::fabs(len - s_.rodLen) < 0.0003) {
            break;
        }
        // Share the length error between X and Y in proportion to their squares.
        const double e = s_.rodLen - len;
        const double len2 = len * len;
        const double x = rx + divide(e * (rx * rx), len2);
        const double y = ry + divide(e * (ry * ry), len2);
        fv_ = fin(std::sqrt(x * x + y * y));
    }

    // An arm pointing straight fore or aft has turned a right angle from the X direction.
    double theta = dxa == 0 ? 90 : fin(atanOf(dza, dxa) * kDegreesPerRadian);
    if (theta < 0) {
        theta += 180;
    }
    // Positive is toe out whichever side of the axis the tie rod is on.
    double bumpSteer = behindAxis ? theta - a.theta0 : a.theta0 - theta;
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
