#pragma once

#include "chassis/dive_roll.h"
#include "model/message_sink.h"
#include "model/spring_data.h"
#include "model/suspension_state.h"

#include <optional>
#include <vector>

// The front end's rates at ride height, its roll stiffness and the car's roll gradient, in the
// steady-state rigid-body model: no tire or frame compliance, the whole weight sprung.
//
//   wheel rate       k_w = spring rate * MR(0)^2                          lb/in
//   bar (torsion)    K_t = G * pi * (D^4 - d^4) / (32 * L_active)         lb*in/rad
//   bar (roll)       K_bar = (K_t / R^2) * (MR_bar,r * c_r + MR_bar,l * c_l)^2 * pi/180
//   springs (roll)   K_springs = (k_w,r * c_r^2 + k_w,l * c_l^2) * pi/180  lb*in/deg
//   roll axis        h_axis = h_F + (h_R - h_F) * a / L, a = L * (1 - front weight share)
//   roll gradient    W * (cg height - h_axis) / (K_front + K_rear)          deg/g
//
// c is each side's tire-centre distance, R the bar's arm length, d = D - 2 * wall (a solid
// bar when the wall is 0 or reaches the centre), h_F the ride-height roll centre of the static
// geometry.
namespace velmora {

struct RollStiffness {
    std::optional<double> springs; // lb*in/deg
    std::optional<double> bar;
    std::optional<double> front;
    std::optional<double> rear;
    std::optional<double> frontSharePercent;
};

struct FrontRates {
    std::optional<double> wheelRateRight; // lb/in at ride height
    std::optional<double> wheelRateLeft;
    std::optional<double> barTorsionalStiffness; // lb*in/rad
    RollStiffness rollStiffness;
    std::optional<double> rollAxisHeightAtCg; // inches above the floor
    std::optional<double> rollGradient;       // degrees of roll per g of lateral acceleration
    // Each side's anti-roll bar link ratio at ride height, for the state from g.
    std::optional<double> barLinkRatioRight;
    std::optional<double> barLinkRatioLeft;
    // One message per input a value above needs and the project lacks, naming it.
    std::vector<Message> messages;
};

// The bar's torsional stiffness, lb*in/rad.
double barTorsionalStiffness(const AntiRollBar& bar);
// Its roll stiffness in lb*in/deg, given each side's link ratio and tire-centre distance.
double barRollStiffness(const AntiRollBar& bar, double ratioRight, double cRight, double ratioLeft,
                        double cLeft);

// The rates of the state's project (its coordinates and vehicle data).
FrontRates frontRates(const SuspensionState& state);

// The front end at a steady lateral g (positive in a left-hand turn, rolling the body toward
// its right) and braking g (positive braking): the roll is the gradient times the lateral g;
// the braking transfer W * braking g * cg height / wheelbase loads each front spring with half
// of it less that side's anti-dive share, and that side dives by its load over its wheel
// rate; the body's dive is the mean of the two.
struct StateFromG {
    double lateralG = 0;
    double brakingG = 0;
    std::optional<double> rollGradient;
    std::optional<double> diveRight; // inches
    std::optional<double> diveLeft;
    bool solved = false; // dive and roll were found and the state solved
    DiveRollState state;
    std::vector<Message> messages;
};

// No car corners or brakes harder than this, in g.
inline constexpr double kMostG = 5.0;

// Why a lateral or braking g cannot be analysed, naming the value as typed, or empty.
std::string lateralGProblem(double g, std::string_view typed = {});
std::string brakingGProblem(double g, std::string_view typed = {});

StateFromG stateFromG(const SuspensionState& state, const FrontEnd& front, double lateralG,
                      double brakingG);

} // namespace velmora
