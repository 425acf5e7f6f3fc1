#include "geometry/sweep.h"

#include "geometry/checked_math.h"
#include "geometry/corner_statics.h"
#include "geometry/roll_centre.h"
#include "geometry/sweep_messages.h"

#include <cmath>

namespace velmora {

using namespace sweepmath;

namespace {

enum class Side { Right, Left };

class Sweep {
public:
    Sweep(SuspensionState& state, MessageSink& sink, SweepReport& report)
        : state_(state), sink_(sink), report_(report) {}

    void run() {
        Zero_Data(state_);
        if (state_.VU == 0 || state_.VD == 0) {
            state_.VU = 9.0f;
            state_.VD = 9.0f;
        }
        state_.VI = checkedSingle((state_.VD + state_.VU) / 6.0f);
        productLeft_ = completenessProduct(state_.LeftCoords);
        productRight_ = completenessProduct(state_.RightCoords);

        // A normal sweep takes the active side; the static-only pass starts with the right.
        if (state_.Right_Active || state_.StaticOnly) {
            if (productRight_ == 0 && state_.Right_Active && !state_.StaticOnly) {
                return;
            }
            if (productRight_ != 0) {
                sweepSide(Side::Right);
                return;
            }
        }
        if (productLeft_ == 0) {
            return;
        }
        sweepSide(Side::Left);
    }

private:
    void sweepSide(Side side) {
        const CoordinateSet& coords = side == Side::Right ? state_.RightCoords : state_.LeftCoords;
        storeWorkingPoints(state_, coords);
        const double positions = stepAndPositionCount();

        const CornerPoints points = cornerPoints(coords);
        CornerStatics statics;
        solveSwingArms(points, statics);
        solveSteeringAxis(points, statics);
        storeStatics(side, statics); // they stay even when the rest of the sweep fails
        solveWheelAndSteering(points, statics);

        CornerSweep corner(state_, sink_, report_.passes, points, statics);
        if (!state_.StaticOnly) {
            float t = state_.VU;
            const int stored = positionCount(state_.VU, state_.VD, state_.VY);
            for (int i = 1; i <= stored; ++i) {
                corner.sweepPosition(i, t);
                t = checkedSingle(t - state_.VY);
            }
            if (positions > kMaxPositions) {
                fault(); // the curves hold no more positions
            }
            return;
        }

        corner.sweepRideHeightOnly();
        if (side == Side::Right) {
            if (productLeft_ > 0) {
                rightSide_ = rightRollCentreSide(points.TC, corner.instantCentre());
                sweepSide(Side::Left);
            }
        } else if (productRight_ > 0) {
            const RollCentreSide left = leftRollCentreSide(points.TC, corner.instantCentre());
            const CarRollCentre rc = carRollCentre(rightSide_, left);
            state_.RollCenterHeight = rc.height;
            state_.RollCenterOffset = rc.offset;
            report_.carRollCentre = true;
        }
    }

    // Sets VY and returns the number of wheel positions N = Int((VD + VU) / VY) + 1.
    double stepAndPositionCount() {
        state_.VY = checkedSingle(state_.VI * 0.25f);
        return std::floor(quot(checkedSingle(state_.VD + state_.VU), state_.VY)) + 1;
    }

    void storeStatics(Side side, const CornerStatics& s) {
        if (side == Side::Right) {
            state_.RightSAI = s.sai;
            state_.RightScrubRadius = s.scrubRadius;
            state_.RightCaster = s.caster;
            state_.RightCasterTrail = s.casterTrail;
            report_.rightSwept = true;
        } else {
            state_.LeftSAI = s.sai;
            state_.LeftScrubRadius = s.scrubRadius;
            state_.LeftCaster = s.caster;
            state_.LeftCasterTrail = s.casterTrail;
            report_.leftSwept = true;
        }
    }

    SuspensionState& state_;
    MessageSink& sink_;
    SweepReport& report_;
    double productLeft_ = 0;
    double productRight_ = 0;
    RollCentreSide rightSide_;
};

} // namespace

SweepReport runSweep(SuspensionState& state, MessageSink& sink) {
    SweepReport report;
    try {
        Sweep(state, sink, report).run();
    } catch (const ArithmeticFault&) {
        report.dataError = true;
        sink.show(dataErrorMessage());
    }
    return report;
}

} // namespace velmora
