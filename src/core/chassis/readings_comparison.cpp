#include "chassis/readings_comparison.h"

#include "chassis/pose_at_travel.h"
#include "geometry/corner_statics.h"
#include "geometry/rigid_sweep.h"
#include "geometry/sweep.h"
#include "model/curve_at_travel.h"
#include "model/number_text.h"
#include "model/shown_length.h"

namespace velmora {
namespace {

Message readingWarning(Outcome outcome, std::string text) {
    return Message{kReadingsTitle, std::move(text), MessageIcon::Warning, MessageButtons::Ok}.with(
        outcome);
}

std::string travelText(float value) {
    return shortestLength(value) + " " + lengthUnitText();
}

// The 3-D toe change at each reading's travel, from the corner's own static toe.
class RigidReader {
public:
    explicit RigidReader(const CoordinateSet& coords) {
        corner_ = RigidCorner::build(cornerPoints(coords), why_);
        PoseReading r;
        if (corner_ && readPose(*corner_, corner_->staticPose(), r)) {
            staticToe_ = r.toe;
        } else if (corner_) {
            corner_.reset();
            why_ = "the wheel cannot be placed at ride height";
        }
    }

    std::optional<double> bumpSteerAt(float travel, std::vector<Message>& messages) const {
        if (!corner_) {
            return std::nullopt; // said once, by setupMessage()
        }
        if (travel == 0.0f) {
            return 0.0; // exactly 0 at ride height, as on the curves
        }
        Message failure;
        const std::optional<UprightPose> pose = poseAtTravel(*corner_, travel, failure);
        PoseReading r;
        if (!pose || !readPose(*corner_, *pose, r)) {
            messages.push_back(pose ? rigidLockMessage(travel) : failure);
            return std::nullopt;
        }
        return r.toe - staticToe_;
    }

    std::optional<Message> setupMessage() const {
        return corner_ ? std::nullopt : std::optional<Message>(rigidSetupMessage(why_));
    }

private:
    std::optional<RigidCorner> corner_;
    std::string why_;
    double staticToe_ = 0;
};

} // namespace

ReadingsComparison compareReadings(const CoordinateSet& coords, bool right,
                                   const VehicleData& vehicle, Travel travel) {
    const float VU = travel.bump;
    const float VD = travel.rebound;
    ReadingsComparison out;
    out.right = right;
    out.gaugeLength = vehicle.gaugeLengthOrDefault();
    const SweepResult sweep = classicSweep(coords, right, Travel{VU, VD});
    out.VU = sweep.VU;
    out.VD = sweep.VD;
    out.messages = sweep.messages;
    const std::vector<BumpSteerReading> readings = readingsOfSide(vehicle.readings, right);
    if (readings.empty()) {
        return out;
    }
    const RigidReader rigid(coords);
    if (std::optional<Message> setup = rigid.setupMessage()) {
        out.messages.push_back(*setup);
    }
    const int n = SweepResult::reached(sweep.VY) ? positionCount(sweep.VU, sweep.VD, sweep.VY) : 0;
    for (const BumpSteerReading& reading : readings) {
        ReadingCompared row;
        row.reading = reading;
        row.degrees = readingDegrees(reading.reading, out.gaugeLength);
        row.classic = curveAtTravel(sweep.BumpSteer, sweep.VU, sweep.VY, n, reading.travel);
        if (!row.classic) {
            const bool outside = reading.travel > sweep.VU || reading.travel < -sweep.VD;
            out.messages.push_back(readingWarning(
                outside ? Outcome::ReadingOutsideTravel : Outcome::ReadingBesideUnreached,
                "The reading at " + travelText(reading.travel) +
                    (outside ? " lies outside the swept travel (" + travelText(sweep.VU) +
                                   " of bump, " + travelText(sweep.VD) + " of rebound)"
                             : " lies next to a wheel position the sweep did not reach") +
                    ", so it has no classic bump steer."));
        }
        row.rigid = rigid.bumpSteerAt(reading.travel, out.messages);
        if (row.classic) {
            row.classicDifference = row.degrees - *row.classic;
        }
        if (row.rigid) {
            row.rigidDifference = row.degrees - *row.rigid;
        }
        out.rows.push_back(row);
    }
    return out;
}

} // namespace velmora
