// `springs`: the motion ratios and wheel rate of one side over the sweep's travel; `rates`:
// the front end's rates at ride height, its roll stiffness and the car's roll gradient.
#include "cli_common.h"
#include "commands.h"
#include "json_output.h"
#include "vehicle_options.h"

#include "chassis/front_rates.h"
#include "chassis/spring_motion.h"
#include "model/number_text.h"
#include "model/shown_length.h"
#include "model/shown_quantity.h"

#include <cstdio>
#include <iostream>
#include <memory>

namespace velmora::cli {
namespace {

struct SpringsArgs {
    std::string project;
    SweepOptions sweep;
    std::string format = "json";
};

struct RatesArgs {
    std::string project;
    VehicleOverrides vehicle;
    std::string format = "json";
};

nlohmann::json quantityJson(Quantity quantity, const std::optional<double>& value) {
    return value ? nlohmann::json(shownQuantity(quantity, *value)) : nlohmann::json(nullptr);
}

// A mount that does not move with the wheel has no ratio to give: refused, naming it.
void refuseStillMounts(const SuspensionState& state) {
    for (const bool right : {true, false}) {
        const CoordinateSet& coords = right ? state.RightCoords : state.LeftCoords;
        if (!isComplete(coords)) {
            continue;
        }
        const CornerPoints p = cornerPoints(coords);
        const CornerSprings& s = state.Vehicle.springs.side(right);
        const std::string side = right ? "right " : "left ";
        std::string why;
        if (s.spring) {
            why = mountOnAxisProblem(p, s.spring->arm, s.spring->onArm, "the " + side + "spring");
        }
        if (why.empty() && s.damper) {
            why = mountOnAxisProblem(p, s.damper->arm, s.damper->onArm, "the " + side + "damper");
        }
        if (why.empty() && s.barLink) {
            why =
                mountOnAxisProblem(p, s.barLink->arm, s.barLink->point, "the " + side + "bar link");
        }
        if (!why.empty()) {
            throw UsageError(why);
        }
    }
}

// One column per value of the curves, each position's value or nothing.
struct SpringColumns {
    std::vector<std::optional<double>> lengthChange, motionRatio, wheelRate;
    std::vector<std::optional<double>> damperChange, damperRatio, barRatio;
};

SpringColumns columnsOf(const SpringCurves& curves) {
    SpringColumns c;
    for (const SpringPosition& at : curves.positions) {
        const auto of = [](const std::optional<StrutAtTravel>& s, double StrutAtTravel::*field) {
            return s ? std::optional<double>((*s).*field) : std::nullopt;
        };
        c.lengthChange.push_back(of(at.spring, &StrutAtTravel::lengthChange));
        c.motionRatio.push_back(of(at.spring, &StrutAtTravel::motionRatio));
        c.wheelRate.push_back(at.wheelRate);
        c.damperChange.push_back(of(at.damper, &StrutAtTravel::lengthChange));
        c.damperRatio.push_back(of(at.damper, &StrutAtTravel::motionRatio));
        c.barRatio.push_back(at.barLinkRatio);
    }
    return c;
}

nlohmann::json arrayJson(const std::vector<std::optional<double>>& values,
                         Quantity quantity = Quantity::Rate, bool convert = false) {
    nlohmann::json out = nlohmann::json::array();
    for (const std::optional<double>& v : values) {
        out.push_back(convert ? quantityJson(quantity, v) : optionalJson(v));
    }
    return out;
}

void printSpringsJson(const SpringsArgs& args, const SpringCurves& curves,
                      const CornerSprings& springs) {
    const SpringColumns c = columnsOf(curves);
    nlohmann::json travel = nlohmann::json::array();
    for (const SpringPosition& at : curves.positions) {
        travel.push_back(singleJson(at.travel));
    }
    nlohmann::json out;
    out["side"] = args.sweep.side;
    out["travel"] = travel;
    out["spring"] = nullptr;
    if (springs.spring) {
        out["spring"] = {{"length_change", arrayJson(c.lengthChange)},
                         {"motion_ratio", arrayJson(c.motionRatio)},
                         {"wheel_rate", springs.spring->rate
                                            ? arrayJson(c.wheelRate, Quantity::Rate, true)
                                            : nlohmann::json(nullptr)}};
    }
    out["damper"] = nullptr;
    if (springs.damper) {
        out["damper"] = {{"length_change", arrayJson(c.damperChange)},
                         {"motion_ratio", arrayJson(c.damperRatio)}};
    }
    out["bar_link"] = springs.barLink ? nlohmann::json{{"motion_ratio", arrayJson(c.barRatio)}}
                                      : nlohmann::json(nullptr);
    out["messages"] = messagesJson(curves.messages);
    putUnits(out, {"travel", "length_change"});
    std::cout << dumpShortest(out) << "\n";
}

std::string cell(const std::optional<double>& value, int decimals, bool length = false) {
    if (!value) {
        return {};
    }
    return length ? lengthFixed(*value, decimals) : fixedText(*value, decimals);
}

void printSpringsTable(const SpringCurves& curves, bool csv) {
    const SpringColumns c = columnsOf(curves);
    const std::string mm = showsMillimetres() ? " (mm)" : "";
    const std::string rate = showsMillimetres() ? " (N/mm)" : "";
    if (csv) {
        std::cout << "travel" << mm << ",spring_length_change" << mm
                  << ",spring_motion_ratio,wheel_rate" << rate << ",damper_length_change" << mm
                  << ",damper_motion_ratio,bar_link_motion_ratio\n";
    } else {
        std::cout << inUnit("travel in") << "  " << inUnit("spring change in")
                  << "  spring MR  wheel rate " << quantityUnitText(Quantity::Rate) << "  "
                  << inUnit("damper change in") << "  damper MR  bar link MR\n";
    }
    for (std::size_t i = 0; i < curves.positions.size(); ++i) {
        const std::optional<double> wheelRate =
            c.wheelRate[i] ? std::optional<double>(shownQuantity(Quantity::Rate, *c.wheelRate[i]))
                           : std::nullopt;
        const std::string values[] = {lengthFixed(curves.positions[i].travel, 3),
                                      cell(c.lengthChange[i], 4, true),
                                      cell(c.motionRatio[i], 5),
                                      cell(wheelRate, 2),
                                      cell(c.damperChange[i], 4, true),
                                      cell(c.damperRatio[i], 5),
                                      cell(c.barRatio[i], 5)};
        for (std::size_t k = 0; k < std::size(values); ++k) {
            if (csv) {
                std::cout << (k ? "," : "") << values[k];
            } else {
                char text[32];
                std::snprintf(text, sizeof text, "%*s", k == 0 ? 9 : 14, values[k].c_str());
                std::cout << text;
            }
        }
        std::cout << "\n";
    }
    for (const Message& m : curves.messages) {
        (csv ? std::cerr : std::cout) << m.title << ": " << m.text << "\n";
    }
}

void springsCommand(const SpringsArgs& args) {
    requireWheelPositions(args.sweep);
    const SuspensionState state = loadProject(args.project);
    const bool right = args.sweep.side == "right";
    const CoordinateSet& coords = right ? state.RightCoords : state.LeftCoords;
    if (!isComplete(coords)) {
        throw UsageError(std::string("the ") + args.sweep.side + " side is missing values");
    }
    refuseStillMounts(state);
    const CornerSprings& springs = state.Vehicle.springs.side(right);
    SpringCurves curves =
        springCurves(coords, springs, Travel{args.sweep.bump, args.sweep.rebound});
    if (!springs.spring && !springs.damper && !springs.barLink) {
        // An empty table would say nothing of why.
        curves.messages.push_back(Message{
            "Springs", "No spring, damper or bar link is set on the " + args.sweep.side + " side.",
            MessageIcon::Information, MessageButtons::Ok});
    }
    if (args.format == "json") {
        printSpringsJson(args, curves, springs);
    } else {
        printSpringsTable(curves, args.format == "csv");
    }
}

nlohmann::json ratesJson(const FrontRates& r) {
    const RollStiffness& k = r.rollStiffness;
    const auto stiffness = [](const std::optional<double>& v) {
        return quantityJson(Quantity::RollStiffness, v);
    };
    nlohmann::json out;
    out["wheel_rate"] = {{"right", quantityJson(Quantity::Rate, r.wheelRateRight)},
                         {"left", quantityJson(Quantity::Rate, r.wheelRateLeft)}};
    out["bar_torsional_stiffness"] =
        quantityJson(Quantity::TorsionalStiffness, r.barTorsionalStiffness);
    out["roll_stiffness"] = {{"springs", stiffness(k.springs)},
                             {"bar", stiffness(k.bar)},
                             {"front", stiffness(k.front)},
                             {"rear", stiffness(k.rear)},
                             {"front_share_percent", optionalJson(k.frontSharePercent)}};
    out["roll_axis_height_at_cg"] = optionalJson(r.rollAxisHeightAtCg);
    out["roll_gradient"] = optionalJson(r.rollGradient);
    out["messages"] = messagesJson(r.messages);
    putUnits(out, {"roll_axis_height_at_cg"});
    return out;
}

void printRatesText(const FrontRates& r) {
    const auto value = [](Quantity q, const std::optional<double>& v, int decimals) {
        return v ? fixedText(shownQuantity(q, *v), decimals) + " " + quantityUnitText(q)
                 : std::string("-");
    };
    const RollStiffness& k = r.rollStiffness;
    std::cout << "wheel rate, right: " << value(Quantity::Rate, r.wheelRateRight, 1) << "\n";
    std::cout << "wheel rate, left: " << value(Quantity::Rate, r.wheelRateLeft, 1) << "\n";
    std::cout << "bar torsional stiffness: "
              << value(Quantity::TorsionalStiffness, r.barTorsionalStiffness, 0) << "\n";
    std::cout << "roll stiffness, springs: " << value(Quantity::RollStiffness, k.springs, 0)
              << "\n";
    std::cout << "roll stiffness, bar: " << value(Quantity::RollStiffness, k.bar, 0) << "\n";
    std::cout << "roll stiffness, front: " << value(Quantity::RollStiffness, k.front, 0) << "\n";
    std::cout << "roll stiffness, rear: " << value(Quantity::RollStiffness, k.rear, 0) << "\n";
    std::cout << "front share: "
              << (k.frontSharePercent ? fixedText(*k.frontSharePercent, 1) + " %" : "-") << "\n";
    std::cout << "roll axis height at the CG: "
              << (r.rollAxisHeightAtCg
                      ? lengthFixed(*r.rollAxisHeightAtCg, 3) + " " + lengthUnitText()
                      : std::string("-"))
              << "\n";
    std::cout << "roll gradient: "
              << (r.rollGradient ? fixedText(*r.rollGradient, 3) + " deg/g" : "-") << "\n";
    for (const Message& m : r.messages) {
        std::cout << m.title << ": " << m.text << "\n";
    }
}

void ratesCommand(const RatesArgs& args) {
    SuspensionState state = loadProject(args.project);
    state.Vehicle = args.vehicle.over(state.Vehicle);
    refuseStillMounts(state);
    const FrontRates rates = frontRates(state);
    if (args.format == "text") {
        printRatesText(rates);
    } else {
        std::cout << dumpShortest(ratesJson(rates)) << "\n";
    }
}

} // namespace

void addSpringsCommands(CLI::App& app, int& /*exitCode*/) {
    auto springs = std::make_shared<SpringsArgs>();
    CLI::App* command = app.add_subcommand(
        "springs", "Motion ratios of the spring, damper and bar link and the wheel rate over the "
                   "travel of one side (3-D solution)");
    command->add_option("PROJECT", springs->project, "Project file (.kqw or .kqp)")->required();
    addSweepOptions(*command, springs->sweep);
    command->add_option("--format", springs->format, "Output format")
        ->check(CLI::IsMember({"json", "csv", "text"}));
    command->callback([springs] { springsCommand(*springs); });

    auto rates = std::make_shared<RatesArgs>();
    command = app.add_subcommand(
        "rates", "Wheel rates, bar stiffness, roll stiffness and the roll gradient at ride height");
    command->add_option("PROJECT", rates->project, "Project file (.kqw or .kqp)")->required();
    rates->vehicle.add(*command,
                       {VehicleValue::Wheelbase, VehicleValue::CgHeight,
                        VehicleValue::VehicleWeight, VehicleValue::FrontWeightPercent,
                        VehicleValue::RearRollStiffness, VehicleValue::RearRollCenterHeight});
    command->add_option("--format", rates->format, "Output format")
        ->check(CLI::IsMember({"json", "text"}));
    command->callback([rates] { ratesCommand(*rates); });
}

} // namespace velmora::cli
