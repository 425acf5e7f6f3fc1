#include "chassis/front_rates.h"

#include "chassis/anti_dive.h"
#include "chassis/spring_motion.h"
#include "geometry/static_geometry.h"
#include "model/typed_number.h"

#include <cmath>
#include <numbers>

namespace velmora {
namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

Message ratesMessage(const std::string& text) {
    return Message{"Rates and Roll", text, MessageIcon::Information, MessageButtons::Ok};
}

const char* sideWord(bool right) {
    return right ? "right" : "left";
}

class Missing {
public:
    explicit Missing(std::vector<Message>& messages) : messages_(messages) {}
    void operator()(const std::string& text) { messages_.push_back(ratesMessage(text)); }

    // The vehicle value, or a message naming it.
    std::optional<double> value(const VehicleData& vehicle, VehicleValue which) {
        if (const std::optional<float>& v = vehicleValue(vehicle, which)) {
            return *v;
        }
        std::string label(vehicleLabel(which));
        label[0] = static_cast<char>(label[0] - 'a' + 'A');
        (*this)(label + " is not set.");
        return std::nullopt;
    }

private:
    std::vector<Message>& messages_;
};

struct SideAtRide {
    std::optional<double> wheelRate;
    std::optional<double> barLinkRatio;
};

SideAtRide sideAtRide(const SuspensionState& state, bool right, bool barSet, Missing& missing,
                      std::vector<Message>& messages) {
    SideAtRide out;
    const CoordinateSet& coords = right ? state.RightCoords : state.LeftCoords;
    const CornerSprings& springs = state.Vehicle.springs.side(right);
    const std::string side = sideWord(right);
    if (!isComplete(coords)) {
        missing("The " + side + " side is not complete.");
        return out;
    }
    const SpringPosition at = springsAtRide(coords, springs, messages);
    if (!springs.spring) {
        missing("No spring is set on the " + side + " side.");
    } else if (!springs.spring->rate) {
        missing("The " + side + " spring's rate is not set.");
    }
    out.wheelRate = at.wheelRate;
    if (barSet && !springs.barLink) {
        missing("The " + side + " anti-roll bar link is not set.");
    }
    out.barLinkRatio = at.barLinkRatio;
    return out;
}

std::optional<double> sum(const std::optional<double>& a, const std::optional<double>& b) {
    return a && b ? std::optional<double>(*a + *b) : std::nullopt;
}

} // namespace

double barTorsionalStiffness(const AntiRollBar& bar) {
    const double D = bar.diameter;
    const double wall = bar.wall;
    const double d = wall <= 0 || wall >= D / 2 ? 0.0 : D - 2 * wall;
    const double G = bar.shearModulus.value_or(kSteelShearModulus);
    return G * std::numbers::pi * (D * D * D * D - d * d * d * d) / (32.0 * bar.activeLength);
}

double barRollStiffness(const AntiRollBar& bar, double ratioRight, double cRight, double ratioLeft,
                        double cLeft) {
    const double R = bar.armLength;
    const double lever = ratioRight * cRight + ratioLeft * cLeft;
    return barTorsionalStiffness(bar) / (R * R) * lever * lever * kDegree;
}

FrontRates frontRates(const SuspensionState& state) {
    FrontRates out;
    Missing missing(out.messages);
    const VehicleData& vehicle = state.Vehicle;
    const std::optional<AntiRollBar>& bar = vehicle.springs.bar;
    const bool anyLink = vehicle.springs.right.barLink || vehicle.springs.left.barLink;
    if (!bar && anyLink) {
        missing("The anti-roll bar's dimensions are not set.");
    }
    const SideAtRide right = sideAtRide(state, true, bar.has_value(), missing, out.messages);
    const SideAtRide left = sideAtRide(state, false, bar.has_value(), missing, out.messages);
    out.wheelRateRight = right.wheelRate;
    out.wheelRateLeft = left.wheelRate;
    out.barLinkRatioRight = right.barLinkRatio;
    out.barLinkRatioLeft = left.barLinkRatio;

    const double cR = state.RightCoords[9];
    const double cL = state.LeftCoords[9];
    RollStiffness& k = out.rollStiffness;
    if (right.wheelRate && left.wheelRate) {
        k.springs = (*right.wheelRate * cR * cR + *left.wheelRate * cL * cL) * kDegree;
    }
    if (bar) {
        out.barTorsionalStiffness = barTorsionalStiffness(*bar);
        if (right.barLinkRatio && left.barLinkRatio) {
            k.bar = barRollStiffness(*bar, *right.barLinkRatio, cR, *left.barLinkRatio, cL);
        }
        k.front = sum(k.springs, k.bar);
    } else if (!anyLink) {
        missing("No anti-roll bar is set: the front roll stiffness is the springs' alone.");
        k.front = k.springs;
    }
    k.rear = missing.value(vehicle, VehicleValue::RearRollStiffness);
    const std::optional<double> total = sum(k.front, k.rear);
    if (total && *total > 0) {
        k.frontSharePercent = 100.0 * *k.front / *total;
    }

    // The roll axis under the centre of gravity, from the two axles' roll centres.
    std::optional<double> frontCentre;
    if (isComplete(state.RightCoords) && isComplete(state.LeftCoords)) {
        SuspensionState statics = state;
        RecordingMessageSink ignored; // the static geometry's own messages are its window's
        if (runStaticGeometry(statics, ignored).car) {
            frontCentre = statics.RollCenterHeight;
        }
    }
    if (!frontCentre) {
        missing("The front roll centre is not found (both sides must be complete and their arm "
                "lines must meet).");
    }
    const std::optional<double> rearCentre =
        missing.value(vehicle, VehicleValue::RearRollCenterHeight);
    const std::optional<double> wheelbase = missing.value(vehicle, VehicleValue::Wheelbase);
    const std::optional<double> frontShare =
        missing.value(vehicle, VehicleValue::FrontWeightPercent);
    if (frontCentre && rearCentre && wheelbase && frontShare) {
        const double behindFrontAxle = *wheelbase * (1.0 - *frontShare / 100.0);
        out.rollAxisHeightAtCg =
            *frontCentre + (*rearCentre - *frontCentre) * behindFrontAxle / *wheelbase;
    }
    const std::optional<double> weight = missing.value(vehicle, VehicleValue::VehicleWeight);
    const std::optional<double> cgHeight = missing.value(vehicle, VehicleValue::CgHeight);
    if (weight && cgHeight && out.rollAxisHeightAtCg && total && *total > 0) {
        out.rollGradient = *weight * (*cgHeight - *out.rollAxisHeightAtCg) / *total;
    }
    return out;
}

std::string lateralGProblem(double g, std::string_view typed) {
    if (!std::isfinite(g) || std::fabs(g) > kMostG) {
        return outsideRange("Lateral g", typed, g, -kMostG, kMostG, "g");
    }
    return {};
}

std::string brakingGProblem(double g, std::string_view typed) {
    if (!std::isfinite(g) || std::fabs(g) > kMostG) {
        return outsideRange("Braking g", typed, g, -kMostG, kMostG, "g");
    }
    return {};
}

StateFromG stateFromG(const SuspensionState& state, const FrontEnd& front, double lateralG,
                      double brakingG) {
    StateFromG out;
    out.lateralG = lateralG;
    out.brakingG = brakingG;
    const FrontRates rates = frontRates(state);
    out.rollGradient = rates.rollGradient;
    std::optional<double> roll = 0.0;
    if (lateralG != 0) {
        roll = rates.rollGradient ? std::optional<double>(*rates.rollGradient * lateralG)
                                  : std::nullopt;
    }
    if (brakingG == 0) {
        out.diveRight = 0.0;
        out.diveLeft = 0.0;
    } else {
        const VehicleData& vehicle = state.Vehicle;
        const AntiDive antiDives = antiDive(state.RightCoords, state.LeftCoords, vehicle);
        out.messages.insert(out.messages.end(), antiDives.messages.begin(),
                            antiDives.messages.end());
        const std::optional<float>& weight = vehicleValue(vehicle, VehicleValue::VehicleWeight);
        if (weight && vehicle.cgHeight && vehicle.wheelbase) {
            const double transfer = *weight * brakingG * *vehicle.cgHeight / *vehicle.wheelbase;
            const auto sideDive = [&](const AntiDiveSide& side, const std::optional<double>& rate,
                                      bool right) -> std::optional<double> {
                if (!side.antiDivePercent || !rate) {
                    return std::nullopt;
                }
                if (!(*rate > 0)) {
                    out.messages.push_back(ratesMessage(
                        std::string("The ") + sideWord(right) +
                        " wheel rate is 0, so that side's dive under braking has no end."));
                    return std::nullopt;
                }
                return transfer / 2.0 * (1.0 - *side.antiDivePercent / 100.0) / *rate;
            };
            out.diveRight = sideDive(antiDives.right, rates.wheelRateRight, true);
            out.diveLeft = sideDive(antiDives.left, rates.wheelRateLeft, false);
        }
    }
    if (!roll || !out.diveRight || !out.diveLeft) {
        out.messages.insert(out.messages.end(), rates.messages.begin(), rates.messages.end());
        return out;
    }
    const double dive = (*out.diveRight + *out.diveLeft) / 2.0;
    std::string why;
    if (!noProblem({diveProblem(dive), rollProblem(*roll)}, &why)) {
        out.messages.push_back(ratesMessage(why + "."));
        return out;
    }
    out.state = front.solve(dive, *roll);
    out.messages.insert(out.messages.end(), out.state.messages.begin(), out.state.messages.end());
    out.solved = out.state.solved;
    return out;
}

} // namespace velmora
