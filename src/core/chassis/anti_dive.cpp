#include "chassis/anti_dive.h"

#include "geometry/corner_statics.h"
#include "model/number_text.h"
#include "model/shown_length.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace velmora {
namespace {

// Lines whose directions are this close to parallel (sine of the angle between them) have
// no useful meeting point; their common slope is used instead.
constexpr double kParallel = 1e-9;

struct SideLine {
    double z = 0, y = 0;   // a point
    double dz = 0, dy = 0; // direction
};

SideLine sideLine(const Point3& front, const Point3& rear) {
    return {front.z, front.y, rear.z - front.z, rear.y - front.y};
}

Message antiDiveMessage(Outcome outcome, const char* side, const char* why) {
    return Message{"Anti-Dive", std::string("The ") + side + " side has no anti-dive: " + why + ".",
                   MessageIcon::Warning, MessageButtons::Ok}
        .with(outcome);
}

} // namespace

AntiDiveSide sideViewGeometry(const CoordinateSet& coords) {
    AntiDiveSide out;
    if (!isComplete(coords)) {
        return out;
    }
    out.complete = true;
    const CornerPoints p = cornerPoints(coords);
    const SideLine top = sideLine(p.TF, p.TR);
    const SideLine bottom = sideLine(p.BF, p.BR);
    const double topLength = std::hypot(top.dz, top.dy);
    const double bottomLength = std::hypot(bottom.dz, bottom.dy);
    if (!(topLength > 0) || !(bottomLength > 0)) {
        return out; // both pivots of an arm at one point of the side view: no line
    }
    // The wheel centre on the ball joint line at spindle height, as the 3-D solution has it.
    const double zContact = p.BB.z + (p.SH - p.BB.y) * (p.TB.z - p.BB.z) / (p.TB.y - p.BB.y);
    const double cross = top.dz * bottom.dy - top.dy * bottom.dz;
    if (std::fabs(cross) <= kParallel * topLength * bottomLength) {
        if (top.dz != 0) {
            out.tanTheta = top.dy / top.dz;
        }
        return out;
    }
    // top + s * topDirection meets bottom + u * bottomDirection.
    const double s = ((bottom.z - top.z) * bottom.dy - (bottom.y - top.y) * bottom.dz) / cross;
    const SideViewPoint ic{top.z + s * top.dz, top.y + s * top.dy};
    if (!std::isfinite(ic.z) || !std::isfinite(ic.y) || !std::isfinite(zContact)) {
        return out;
    }
    out.instantCentre = ic;
    // Straight above the contact patch (to rounding) the angle is a right angle: no tangent.
    if (std::fabs(ic.z - zContact) > kParallel * std::max(1.0, std::fabs(ic.z))) {
        out.tanTheta = ic.y / (ic.z - zContact);
    }
    return out;
}

AntiDive antiDive(const CoordinateSet& right, const CoordinateSet& left,
                  const VehicleData& vehicle) {
    AntiDive out;
    out.right = sideViewGeometry(right);
    out.left = sideViewGeometry(left);
    const bool haveData =
        vehicle.wheelbase && vehicle.cgHeight && vehicle.frontBrakePercent && *vehicle.cgHeight > 0;
    for (const bool isRight : {true, false}) {
        AntiDiveSide& side = isRight ? out.right : out.left;
        const char* name = isRight ? "right" : "left";
        if (!side.complete) {
            continue;
        }
        if (!side.tanTheta) {
            out.messages.push_back(
                side.instantCentre
                    ? antiDiveMessage(
                          Outcome::AntiDiveAbovePatch, name,
                          "its side-view instant centre lies straight above the contact patch")
                    : antiDiveMessage(
                          Outcome::AntiDiveNoArmLines, name,
                          "its arm lines are vertical or have no length in the side view"));
            continue;
        }
        if (!haveData) {
            out.needsVehicleData = true;
            continue;
        }
        const double percent =
            *vehicle.frontBrakePercent * *side.tanTheta * *vehicle.wheelbase / *vehicle.cgHeight;
        if (std::isfinite(percent)) {
            side.antiDivePercent = percent;
        }
    }
    return out;
}

namespace {

std::string fixedOrDash(const std::optional<double>& value, int decimals) {
    return value ? fixedText(*value, decimals) : std::string("-");
}

} // namespace

std::vector<AntiDiveRow> antiDiveRows(const AntiDive& d) {
    const auto icZ = [](const AntiDiveSide& s) {
        return s.instantCentre ? std::optional<double>(s.instantCentre->z) : std::nullopt;
    };
    const auto icY = [](const AntiDiveSide& s) {
        return s.instantCentre ? std::optional<double>(s.instantCentre->y) : std::nullopt;
    };
    // Lengths in the display unit: thousandths of an inch, hundredths of a millimetre.
    const auto length = [](const std::optional<double>& inches) {
        return inches ? fixedLength(*inches, 3) : std::string("-");
    };
    const std::string unit = " (" + lengthUnitText() + ")";
    std::vector<AntiDiveRow> rows{
        {"Side-view instant centre Z" + unit, length(icZ(d.right)), length(icZ(d.left))},
        {"Side-view instant centre height" + unit, length(icY(d.right)), length(icY(d.left))}};
    if (d.needsVehicleData) {
        rows.push_back({"Anti-dive (%)", kAntiDiveNeedsData, "", true});
    } else {
        rows.push_back({"Anti-dive (%)", fixedOrDash(d.right.antiDivePercent, 1),
                        fixedOrDash(d.left.antiDivePercent, 1)});
    }
    return rows;
}

} // namespace velmora
