#include "roll_print.h"

#include "cli_common.h"
#include "roll_output.h"

#include "chassis/roll_figures.h"

#include <cmath>

namespace velmora::cli {
namespace {

// Refuses a value with the reason and the text as given.
void checked(const std::string& problem, const std::string& text) {
    if (!problem.empty()) {
        throw UsageError(problem + ", not \"" + text + "\"");
    }
}

} // namespace

void addRollPrintOptions(CLI::App& command, RollPrintArgs& args) {
    command.add_option("--dive", args.dive, "Roll page: dive in inches (default 0)");
    command.add_option("--max-roll", args.maxRoll,
                       "Roll page: the roll in degrees, the end of the path (default 0)");
    command.add_option("--steps", args.steps,
                       "Roll page: equal steps of the path from roll 0 (default 24)");
}

void buildRollPage(Printer& printer, const SuspensionState& state, const RollPrintArgs& args) {
    const double dive = numberOption(args.dive, "--dive");
    checked(diveProblem(dive, "--dive"), args.dive);
    const double roll = numberOption(args.maxRoll, "--max-roll");
    checked(rollProblem(roll, "--max-roll"), args.maxRoll);
    const double steps = numberOption(args.steps, "--steps");
    if (steps != std::floor(steps)) {
        throw UsageError("--steps must be a whole number, not \"" + args.steps + "\"");
    }
    checked(rollStepsProblem(std::fabs(steps) > 1e9 ? 0 : static_cast<long long>(steps), "--steps"),
            args.steps);
    const FrontEnd front = frontEndOf(state);
    const DiveRollState current = front.solve(dive, roll);
    const DiveRollPath path = front.path(dive, roll, static_cast<int>(steps));
    buildDiveRollPage(printer, current, path, front,
                      antiDive(state.RightCoords, state.LeftCoords, state.Vehicle), state.Lfile);
}

} // namespace velmora::cli
