// `roll`: the front end after the body dives and rolls, one state or a path of roll.
#include "cli_common.h"
#include "commands.h"
#include "json_output.h"
#include "roll_output.h"
#include "vehicle_options.h"

#include "chassis/front_rates.h"
#include "model/number_text.h"
#include "model/shown_length.h"

#include <algorithm>
#include <cmath>
#include <iostream>
#include <memory>

namespace velmora::cli {
namespace {

struct RollArgs {
    std::string project;
    std::string dive = "0";
    std::string roll = "0";
    std::string maxRoll;
    std::string steps;
    std::string lateralG;
    std::string brakingG;
    VehicleOverrides vehicle;
    std::string format = "json";
};

std::string optionalText(const std::optional<double>& value, double scale,
                         const std::string& unit) {
    return value ? fixedText(*value * scale, 3) + unit : std::string("-");
}

// The state the lateral and braking g give: the roll from the roll gradient, the dive from the
// braking transfer over each side's wheel rate.
void runFromG(const RollArgs& args) {
    const double lateral = args.lateralG.empty() ? 0 : numberArgument(args.lateralG, "--lateral-g");
    refuseProblem("--lateral-g", lateralGProblem(lateral, args.lateralG));
    const double braking = args.brakingG.empty() ? 0 : numberArgument(args.brakingG, "--braking-g");
    refuseProblem("--braking-g", brakingGProblem(braking, args.brakingG));
    SuspensionState project = loadProject(args.project);
    project.Vehicle = args.vehicle.over(project.Vehicle);
    const FrontEnd front = frontEndOf(project);
    const StateFromG fromG = stateFromG(project, front, lateral, braking);
    if (!fromG.state.solved && fromG.state.messages.empty()) {
        // The dive or the roll could not be found: the messages name the missing input.
        std::string why = "the state at this g cannot be found:";
        for (const Message& m : fromG.messages) {
            why += " " + m.text;
        }
        throw UsageError(why);
    }
    if (args.format == "text") {
        std::cout << stateText(fromG.state);
        std::cout << "from g: lateral " << fixedText(lateral, 3) << " g, braking "
                  << fixedText(braking, 3) << " g, roll gradient "
                  << optionalText(fromG.rollGradient, 1, " deg/g") << ", dive right "
                  << optionalText(fromG.diveRight, shownLength(1), " " + lengthUnitText())
                  << ", dive left "
                  << optionalText(fromG.diveLeft, shownLength(1), " " + lengthUnitText()) << "\n";
        // What the state from g found before the state's own, which end the list.
        const std::size_t own = std::min(fromG.state.messages.size(), fromG.messages.size());
        for (std::size_t k = 0; k + own < fromG.messages.size(); ++k) {
            std::cout << fromG.messages[k].title << ": " << fromG.messages[k].text << "\n";
        }
        return;
    }
    nlohmann::json out = stateJson(fromG.state);
    out["messages"] = messagesJson(fromG.messages);
    out["from_g"] = {{"lateral_g", lateral},
                     {"braking_g", braking},
                     {"roll_gradient", optionalJson(fromG.rollGradient)},
                     {"dive_right", optionalJson(fromG.diveRight)},
                     {"dive_left", optionalJson(fromG.diveLeft)}};
    std::cout << dumpShortest(unitsJson(out)) << "\n";
}

void run(const RollArgs& args, bool rollGiven, bool diveGiven) {
    if (!args.lateralG.empty() || !args.brakingG.empty()) {
        if (rollGiven || diveGiven || !args.maxRoll.empty() || !args.steps.empty()) {
            throw UsageError("--lateral-g and --braking-g set the dive and roll; give them "
                             "without --dive, --roll, --max-roll or --steps");
        }
        runFromG(args);
        return;
    }
    if (args.vehicle.any()) {
        throw UsageError("the vehicle options go with --lateral-g or --braking-g");
    }
    const double dive = lengthArgument(args.dive, "--dive");
    refuseProblem("--dive", diveProblem(dive, args.dive));
    const bool path = !args.maxRoll.empty() || !args.steps.empty();
    if (path && (args.maxRoll.empty() || args.steps.empty())) {
        throw UsageError("--max-roll and --steps go together");
    }
    if (path && rollGiven) {
        throw UsageError("give --roll for one state or --max-roll with --steps for a path, "
                         "not both");
    }
    if (!path) {
        const double roll = numberArgument(args.roll, "--roll");
        refuseProblem("--roll", rollProblem(roll, args.roll));
        const FrontEnd front = frontEndOf(loadProject(args.project));
        const DiveRollState state = front.solve(dive, roll);
        std::cout << (args.format == "text" ? stateText(state)
                                            : dumpShortest(unitsJson(stateJson(state))) + "\n");
        return;
    }
    const double maxRoll = numberArgument(args.maxRoll, "--max-roll");
    refuseProblem("--max-roll", rollProblem(maxRoll, args.maxRoll));
    const double steps = numberArgument(args.steps, "--steps", {.whole = true});
    refuseProblem("--steps", rollStepsProblem(steps, args.steps));
    const FrontEnd front = frontEndOf(loadProject(args.project));
    const DiveRollPath result = front.path({dive, maxRoll, static_cast<int>(steps)});
    std::cout << (args.format == "text" ? pathText(result)
                                        : dumpShortest(unitsJson(pathJson(result))) + "\n");
}

} // namespace

void addRollCommand(CLI::App& app, int& /*exitCode*/) {
    auto args = std::make_shared<RollArgs>();
    CLI::App* command = app.add_subcommand(
        "roll", "The front end after the body dives and rolls: each wheel's travel and camber "
                "to the ground, the roll centre; or the roll centre's path over a roll range");
    command->add_option("PROJECT", args->project, "Project file (.kqw or .kqp)")->required();
    CLI::Option* roll = nullptr;
    CLI::Option* dive = command->add_option(
        "--dive", args->dive, "Dive in inches, positive when the front moves down (default 0)");
    roll = command->add_option(
        "--roll", args->roll,
        "Roll in degrees, positive when the body rolls toward its right side (default 0)");
    command->add_option("--max-roll", args->maxRoll,
                        "Path: the roll from 0 to DEG in --steps equal steps");
    command->add_option("--steps", args->steps, "Path: the number of equal steps of roll");
    command->add_option("--lateral-g", args->lateralG,
                        "The state at this lateral g (positive in a left-hand turn), from the "
                        "roll gradient");
    command->add_option("--braking-g", args->brakingG,
                        "The state at this braking g (positive braking), from the wheel rates "
                        "and anti-dive");
    args->vehicle.add(*command, {VehicleValue::Wheelbase, VehicleValue::CgHeight,
                                 VehicleValue::FrontBrakePercent, VehicleValue::VehicleWeight,
                                 VehicleValue::FrontWeightPercent, VehicleValue::RearRollStiffness,
                                 VehicleValue::RearRollCenterHeight});
    command->add_option("--format", args->format, "Output format")
        ->check(CLI::IsMember({"json", "text"}));
    command->callback([args, roll, dive] { run(*args, roll->count() > 0, dive->count() > 0); });
}

} // namespace velmora::cli
