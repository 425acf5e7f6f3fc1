#pragma once

#include "model/message_sink.h"
#include "model/suspension_state.h"
#include "model/travel.h"
#include "model/vehicle_data.h"

#include <optional>
#include <vector>

// The bump steer a side's gauge readings show beside what both models compute at the same
// travel: the classic sweep read linearly between its positions, and the 3-D solution solved
// at exactly that travel. Differences are the reading less the model (degrees, toe out
// positive), so a positive difference means the car toes out more than the model says.
namespace velmora {

struct ReadingCompared {
    BumpSteerReading reading;
    double degrees = 0;            // atan(reading / gauge length)
    std::optional<double> classic; // nothing outside the swept travel or where not reached
    std::optional<double> rigid;   // nothing where the 3-D solution cannot reach the travel
    std::optional<double> classicDifference;
    std::optional<double> rigidDifference;
};

struct ReadingsComparison {
    bool right = false;
    float gaugeLength = kDefaultGaugeLength;
    float VU = 0; // the classic sweep's travel range
    float VD = 0;
    std::vector<ReadingCompared> rows; // the side's readings in the order kept
    // The classic sweep's messages, then one per reading that could not be compared.
    std::vector<Message> messages;
};

// The title of the messages about readings.
inline constexpr const char* kReadingsTitle = "Bump Steer Readings";

// Compares the readings of one complete side, the classic sweep over VU and VD (a zero travel
// means 9 inches each way, as in the sweep).
ReadingsComparison compareReadings(const CoordinateSet& coords, bool right,
                                   const VehicleData& vehicle, Travel travel);

} // namespace velmora
