// `roll`: the front end after the body dives and rolls, one state or a path of roll.
#include "cli_common.h"
#include "commands.h"
#include "json_output.h"
#include "roll_output.h"

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
    std::string format = "json";
};

void run(const RollArgs& args, bool rollGiven) {
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
    command->add_option("--dive", args->dive,
                        "Dive in inches, positive when the front moves down (default 0)");
    roll = command->add_option(
        "--roll", args->roll,
        "Roll in degrees, positive when the body rolls toward its right side (default 0)");
    command->add_option("--max-roll", args->maxRoll,
                        "Path: the roll from 0 to DEG in --steps equal steps");
    command->add_option("--steps", args->steps, "Path: the number of equal steps of roll");
    command->add_option("--format", args->format, "Output format")
        ->check(CLI::IsMember({"json", "text"}));
    command->callback([args, roll] { run(*args, roll->count() > 0); });
}

} // namespace velmora::cli
