#include "geometry/sweep.h"

#include "model/travel.h"

#include "geometry/checked_math.h"
#include "geometry/corner_statics.h"
#include "geometry/corner_sweep.h"
#include "geometry/roll_centre.h"
#include "geometry/sweep_messages.h"

#include <cmath>

namespace velmora {

using namespace sweepmath;

namespace {

// One sweep: the travel, then one side or, in the static-only pass, both in turn, with the
// two iteration counters shared by everything it solves.
class Sweep {
public:
    Sweep(SweepResult& out, SweepMode mode) : out_(out), mode_(mode) {}

    void setTravel(float VU, float VD) {
        const Travel swept = Travel{VU, VD}.used();
        VU = swept.bump;
        VD = swept.rebound;
        out_.VU = VU;
        out_.VD = VD;
        out_.VI = checkedSingle((VD + VU) / 6.0f);
    }

    // Sweeps one complete side in the sweep's mode; returns the instant centre of the
    // position solved last.
    InstantCentre sweepSide(const CoordinateSet& coords, bool right) {
        storeWorkingPoints(coords);
        const double positions = stepAndPositionCount();

        const CornerPoints points = cornerPoints(coords);
        CornerStatics statics;
        solveSwingArms(points, statics);
        solveSteeringAxis(points, statics);
        storeStatics(right, statics); // they stay even when the rest of the sweep fails
        solveWheelAndSteering(points, statics);

        CornerSweep corner(out_, out_.VU, out_.VY, points, statics);
        if (mode_ == SweepMode::StaticOnly) {
            corner.sweepRideHeightOnly();
            return corner.instantCentre();
        }
        corner.sweepPositions(positionCount(out_.VU, out_.VD, out_.VY), out_.VU, out_.VY);
        if (positions > kMaxPositions) {
            fault(); // the curves hold no more positions
        }
        return corner.instantCentre();
    }

private:
    void storeWorkingPoints(const CoordinateSet& coords) {
        for (int row = TopFront; row <= TieRodOuter; ++row) {
            out_.SusPoints[static_cast<std::size_t>(row)] =
                Point3{coords[row], coords[9 + row], coords[18 + row]};
        }
        out_.TireCenterX = coords[9];
        out_.SpindleHeight = coords[18];
        out_.hasWorkingPoints = true;
    }

    // Sets VY and returns the number of wheel positions N = Int((VD + VU) / VY) + 1.
    double stepAndPositionCount() {
        out_.VY = checkedSingle(out_.VI * 0.25f);
        return std::floor(quot(checkedSingle(out_.VD + out_.VU), out_.VY)) + 1;
    }

    void storeStatics(bool right, const CornerStatics& s) {
        const SideStatics values{s.sai, s.scrubRadius, s.caster, s.casterTrail};
        if (right) {
            out_.right = values;
            out_.report.rightSwept = true;
        } else {
            out_.left = values;
            out_.report.leftSwept = true;
        }
    }

    SweepResult& out_;
    SweepMode mode_;
};

// Runs `body` on a fresh result; an arithmetic failure anywhere ends the sweep with the data
// error, keeping what was computed before it.
template <typename Body> SweepResult sweepWith(SweepMode mode, float VU, float VD, Body body) {
    SweepResult out;
    try {
        Sweep sweep(out, mode);
        sweep.setTravel(VU, VD);
        body(sweep, out);
    } catch (const ArithmeticFault&) {
        out.report.dataError = true;
        out.messages.push_back(dataErrorMessage());
    }
    return out;
}

} // namespace

SweepResult classicSweep(const CoordinateSet& corner, bool right, Travel travel, SweepMode mode) {
    const float VU = travel.bump;
    const float VD = travel.rebound;
    return sweepWith(mode, VU, VD, [&](Sweep& sweep, SweepResult&) {
        if (completenessProduct(corner) != 0) {
            sweep.sweepSide(corner, right);
        }
    });
}

SweepResult staticPass(const CoordinateSet& right, const CoordinateSet& left, Travel travel) {
    const float VU = travel.bump;
    const float VD = travel.rebound;
    return sweepWith(SweepMode::StaticOnly, VU, VD, [&](Sweep& sweep, SweepResult& result) {
        const double productRight = completenessProduct(right);
        const double productLeft = completenessProduct(left);
        if (productRight == 0) {
            if (productLeft != 0) {
                sweep.sweepSide(left, false);
            }
            return;
        }
        const InstantCentre rightIc = sweep.sweepSide(right, true);
        if (!(productLeft > 0)) {
            return;
        }
        const RollCentreSide rightSide = rightRollCentreSide(right[9], rightIc);
        const InstantCentre leftIc = sweep.sweepSide(left, false);
        if (productRight > 0) {
            const CarRollCentre rc = carRollCentre(rightSide, leftRollCentreSide(left[9], leftIc));
            result.RollCenterHeight = rc.height;
            result.RollCenterOffset = rc.offset;
            result.report.carRollCentre = true;
        }
    });
}

SweepResult sweepFor(const SuspensionState& state) {
    if (state.StaticOnly) {
        return staticPass(state.RightCoords, state.LeftCoords, Travel{state.VU, state.VD});
    }
    return classicSweep(state.activeCoords(), state.Right_Active, Travel{state.VU, state.VD});
}

SweepReport applySweep(SuspensionState& state, const SweepResult& result, MessageSink& sink) {
    state.apply(result);
    for (const Message& message : result.messages) {
        sink.show(message);
    }
    return result.report;
}

SweepReport runSweep(SuspensionState& state, MessageSink& sink) {
    return applySweep(state, sweepFor(state), sink);
}

} // namespace velmora
