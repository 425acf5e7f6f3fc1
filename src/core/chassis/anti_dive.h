#pragma once

#include "model/message_sink.h"
#include "model/suspension_state.h"
#include "model/vehicle_data.h"

#include <optional>
#include <string>
#include <vector>

// Anti-dive of the front corners under braking, from the side view of each corner (its own
// Y-Z plane): the line through the top arm's two pivots and the line through the bottom
// arm's meet at the side-view instant centre. With the contact patch at (wheel-centre Z, 0),
// tan(theta) = y / (z - z_contact), or the common slope dy/dz of two parallel lines, and
//   anti-dive % = front brake share * tan(theta) * wheelbase / CG height
// for outboard front brakes; a negative value is pro-dive.
namespace velmora {

struct SideViewPoint {
    double z = 0; // rearward
    double y = 0; // height
    bool operator==(const SideViewPoint&) const = default;
};

struct AntiDiveSide {
    bool complete = false;
    std::optional<SideViewPoint> instantCentre; // none when the lines are parallel
    std::optional<double> tanTheta;             // none when the geometry gives no angle
    std::optional<double> antiDivePercent;      // none while a needed value is missing
};

struct AntiDive {
    AntiDiveSide right;
    AntiDiveSide left;
    std::vector<Message> messages;
    // Wheelbase, CG height or front brake share not set: a side with an angle has no
    // percentage for that reason alone.
    bool needsVehicleData = false;
};

// The side-view geometry of one complete corner (no vehicle data needed).
AntiDiveSide sideViewGeometry(const CoordinateSet& coords);

AntiDive antiDive(const CoordinateSet& right, const CoordinateSet& left,
                  const VehicleData& vehicle);

// The rows a table or a printed page shows for it: a caption with the unit, the right and the
// left value as text ("-" where there is none). Where only the vehicle data is missing, the
// anti-dive row says what to set, once for both sides (`bothSides`, the text in `right`).
struct AntiDiveRow {
    std::string caption;
    std::string right;
    std::string left;
    bool bothSides = false;
};
inline constexpr const char* kAntiDiveNeedsData =
    "set wheelbase, CG height and front brake share in Vehicle Data";
std::vector<AntiDiveRow> antiDiveRows(const AntiDive& antiDive);

} // namespace velmora
