#pragma once

#include "model/bump_steer_reading.h"
#include "model/spring_data.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// A record of the extension block that this version does not know: kept as its whole line
// (without the line end) so that a later version's data survives an open and save unchanged.
struct ExtensionRecord {
    std::string key;
    std::string line;
    bool operator==(const ExtensionRecord&) const = default;
};

// What the car needs beyond the 26 coordinates of each corner. Every value is optional (not
// set until the user enters it); single precision like every other number of a project.
struct VehicleData {
    std::optional<float> wheelbase;            // inches
    std::optional<float> cgHeight;             // centre of gravity above the floor, inches
    std::optional<float> frontBrakePercent;    // front axle's share of the braking force, 0..100
    std::optional<float> steeringRatio;        // rack travel per steering-wheel turn, inches
    std::optional<float> gaugeLength;          // of the bump steer gauge, inches (12 when not set)
    std::optional<float> vehicleWeight;        // the whole car's, lb
    std::optional<float> frontWeightPercent;   // the front axle's share of the weight, 0..100
    std::optional<float> rearRollStiffness;    // of the rear suspension, lb in/deg
    std::optional<float> rearRollCenterHeight; // above the floor, inches
    SpringData springs;
    std::vector<BumpSteerReading> readings; // both sides, in the order read or entered
    std::vector<ExtensionRecord> unknown;   // in the order read
    // Text after the project's records that this version cannot read as its block (behind a
    // byte order mark or a stray line, a marker in other letters): kept byte for byte and
    // written after the block, so that a save loses none of it.
    std::string keptText;
    // A block written by a newer version: its marker line as read, its whole text as read,
    // and the block this version writes for what it read of it. While the block this version
    // would write is still that one, the newer text is written back unchanged.
    std::string newerMarker;
    std::string newerText;
    std::string newerAsRead;

    bool anyValueSet() const {
        return wheelbase || cgHeight || frontBrakePercent || steeringRatio || gaugeLength ||
               vehicleWeight || frontWeightPercent || rearRollStiffness || rearRollCenterHeight;
    }
    // Save writes the block only when this holds; otherwise the file is the 27 records alone.
    bool hasBlock() const {
        return anyValueSet() || springs.any() || !readings.empty() || !unknown.empty() ||
               !newerMarker.empty();
    }
    float gaugeLengthOrDefault() const { return gaugeLength.value_or(kDefaultGaugeLength); }
    bool operator==(const VehicleData&) const = default;
};

enum class VehicleValue {
    Wheelbase,
    CgHeight,
    FrontBrakePercent,
    SteeringRatio,
    GaugeLength,
    VehicleWeight,
    FrontWeightPercent,
    RearRollStiffness,
    RearRollCenterHeight
};

// In the order the block writes them.
inline constexpr VehicleValue kVehicleValues[] = {
    VehicleValue::Wheelbase,           VehicleValue::CgHeight,
    VehicleValue::FrontBrakePercent,   VehicleValue::SteeringRatio,
    VehicleValue::GaugeLength,         VehicleValue::VehicleWeight,
    VehicleValue::FrontWeightPercent,  VehicleValue::RearRollStiffness,
    VehicleValue::RearRollCenterHeight};

// Whether the value is a length (kept in inches, typed and shown in the display unit): the
// wheelbase, the CG height, the steering ratio (rack travel per turn), the gauge length and the
// rear roll centre height. A share, the weight and the roll stiffness are not.
bool isLengthValue(VehicleValue which);

// A value as the project keeps it (inches, pounds, lb-in/deg) in the display unit, and back;
// and that unit's text ("in", "mm per turn", "kg", "%").
double shownVehicleValue(VehicleValue which, double kept);
double typedVehicleValue(VehicleValue which, double typed);
std::string vehicleUnitText(VehicleValue which);

std::optional<float>& vehicleValue(VehicleData& data, VehicleValue which);
const std::optional<float>& vehicleValue(const VehicleData& data, VehicleValue which);

// The key of the value in the project file ("wheelbase", "cg_height", ...).
std::string_view vehicleKey(VehicleValue which);
// The value's name as the user reads it in messages ("wheelbase", "CG height", ...).
std::string_view vehicleLabel(VehicleValue which);

// Why `value` cannot be `which`, naming it as typed (its shortest text when `typed` is empty)
// and the range ("Wheelbase 1e308 must be from 1 to 1000 in"), or empty when it can.
std::string vehicleValueProblem(VehicleValue which, double value, std::string_view typed = {});
// The same without the words: whether `value` can be `which`.
bool vehicleValueAllowed(VehicleValue which, double value);

} // namespace velmora
