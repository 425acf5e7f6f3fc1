#include "roll_print.h"

#include "cli_common.h"
#include "roll_output.h"

#include "chassis_pages/roll_figures.h"

#include <cmath>

namespace velmora::cli {
void addRollPrintOptions(CLI::App& command, RollPrintArgs& args) {
    command.add_option("--dive", args.dive, "Roll page: dive in inches (default 0)");
    command.add_option("--max-roll", args.maxRoll,
                       "Roll page: the roll in degrees, the end of the path (default 0)");
    command.add_option("--steps", args.steps,
                       "Roll page: equal steps of the path from roll 0; steer page: of the rack "
                       "sweep (default 24)");
}

void buildRollPage(Printer& printer, const SuspensionState& state, const RollPrintArgs& args) {
    const double dive = lengthArgument(args.dive, "--dive");
    refuseProblem("--dive", diveProblem(dive, args.dive));
    const double roll = numberArgument(args.maxRoll, "--max-roll");
    refuseProblem("--max-roll", rollProblem(roll, args.maxRoll));
    const double steps = numberArgument(args.steps, "--steps", {.whole = true});
    refuseProblem("--steps", rollStepsProblem(steps, args.steps));
    const FrontEnd front = frontEndOf(state);
    const DiveRollState current = front.solve(dive, roll);
    const DiveRollPath path = front.path({dive, roll, static_cast<int>(steps)});
    buildDiveRollPage(printer, current, path, front,
                      antiDive(state.RightCoords, state.LeftCoords, state.Vehicle), state.Lfile);
}

} // namespace velmora::cli
