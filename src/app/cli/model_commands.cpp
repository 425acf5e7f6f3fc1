// `compare-models` and `bumpsteer-fix`: the classic curves against the rigid-body solution,
// and the tie rod height change that the rigid-body solution says minimises bump steer.
#include "cli_common.h"
#include "commands.h"
#include "json_output.h"
#include "rigid_sweep_output.h"

#include "cli_output.h"
#include "geometry/bump_steer_shim.h"
#include "geometry/model_comparison.h"
#include "model/number_text.h"
#include "model/shown_length.h"

#include <cmath>
#include <cstdio>
#include <iostream>
#include <limits>
#include <memory>

namespace velmora::cli {
namespace {

struct ModelArgs {
    std::string project;
    SweepOptions sweep;
    std::string joint = "outer";
    std::string format = "text";
};

std::string unitOf(GraphKind kind) {
    return kind == GraphKind::SideScrub || kind == GraphKind::ForeAft ? lengthUnitText() : "deg";
}

std::string rangeHeading(const SuspensionState& state, const RigidSweep& sweep) {
    std::string side = sideWord(state.Right_Active);
    side[0] = static_cast<char>(side[0] - 'a' + 'A');
    const std::string unit = " " + lengthUnitText();
    return side + " side, " + shortestLength(sweep.VU) + unit + " bump, " +
           shortestLength(sweep.VD) + unit + " rebound";
}

// The side must be complete for either model to have curves.
void requireComplete(const SuspensionState& state, const ModelArgs& args) {
    if (!isComplete(state.activeCoords())) {
        throw UsageError("the " + args.sweep.side + " side is not complete, so it has no curves");
    }
}

void compareModelsCommand(const ModelArgs& args) {
    SuspensionState state = loadProject(args.project);
    // Positions the classic sweep skips (a geometry message) keep this mark and are left out
    // of the comparison rather than compared as zeros.
    for (Curve* curve : {&state.CamberChange, &state.SideScrub, &state.CasterChange, &state.ForeAft,
                         &state.BumpSteer}) {
        curve->fill(std::numeric_limits<float>::quiet_NaN());
    }
    RecordingMessageSink classicMessages;
    sweepSide(state, args.sweep, classicMessages);
    requireComplete(state, args);
    const RigidSweep rigid = rigidSweepOf(state, args.sweep);
    const auto differences = compareModels(state, rigid);
    printMessagesToStderr(classicMessages.messages);
    printMessagesToStderr(rigid.messages);

    if (args.format == "json") {
        nlohmann::json out = nlohmann::json::object();
        for (const CurveDifference& d : differences) {
            out[curveName(d.kind)] = {
                {"max_difference", d.compared ? nlohmann::json(d.maxDifference) : nullptr},
                {"at_travel", d.compared ? singleJson(d.atTravel) : nullptr}};
        }
        putUnits(out, {"SideScrub", "ForeAft", "at_travel"});
        std::cout << dumpShortest(out) << "\n";
        return;
    }
    std::cout << rangeHeading(state, rigid) << ": classic curves against the 3-D solution\n";
    std::cout << "curve          largest difference   at travel (" << lengthUnitText() << ")\n";
    for (const CurveDifference& d : differences) {
        std::string name = curveName(d.kind);
        name.resize(15, ' ');
        if (!d.compared) {
            std::cout << name << "not compared\n";
            continue;
        }
        const bool length = d.kind == GraphKind::SideScrub || d.kind == GraphKind::ForeAft;
        std::string amount = fixedText(length ? shownLength(d.maxDifference) : d.maxDifference, 3) +
                             " " + unitOf(d.kind);
        amount.resize(21, ' ');
        std::cout << name << amount << shortestLength(d.atTravel) << "\n";
    }
}

void bumpSteerFixCommand(const ModelArgs& args) {
    SuspensionState state = loadProject(args.project);
    state.Right_Active = args.sweep.side == "right";
    requireComplete(state, args);
    const RigidSweep check = rigidSweepOf(state, args.sweep); // validates the travel
    const ShimJoint joint = args.joint == "inner" ? ShimJoint::Inner : ShimJoint::Outer;
    const BumpSteerShim fix =
        findBumpSteerShim(state.activeCoords(), Travel{check.VU, check.VD}, joint);
    printMessagesToStderr(fix.before.messages);

    std::string verdict;
    if (!fix.solved) {
        verdict = "The 3-D solution does not reach every position of this travel, so no " +
                  args.joint + " tie rod height can be judged.";
    } else if (!fix.improves) {
        verdict = "No height change of the " + args.joint +
                  " tie rod end lowers the largest bump steer; leave it where it is.";
    } else {
        verdict = shimAdvice(joint, fix.sixteenths);
    }

    if (args.format == "json") {
        nlohmann::json out;
        out["joint"] = args.joint;
        out["height_change"] = fix.heightChange;
        out["sixteenths"] = fix.sixteenths;
        out["max_bump_steer_before"] = fix.maxBefore;
        out["max_bump_steer_after"] = fix.maxAfter;
        out["improves"] = fix.improves;
        out["advice"] = verdict;
        nlohmann::json travel = nlohmann::json::array();
        nlohmann::json after = nlohmann::json::array();
        for (int i = 1; i <= fix.after.n; ++i) {
            const auto k = static_cast<std::size_t>(i);
            travel.push_back(singleJson(fix.after.travel[k]));
            after.push_back(fix.after.solved[k] ? nlohmann::json(fix.after.BumpSteer[k])
                                                : nlohmann::json(nullptr));
        }
        out["travel"] = travel;
        out["BumpSteer_after"] = after;
        out["messages"] = messagesJson(fix.before.messages);
        putUnits(out, {"height_change", "travel"});
        std::cout << dumpShortest(out) << "\n";
        return;
    }
    std::cout << rangeHeading(state, fix.before) << ", " << args.joint
              << " tie rod joint, by the 3-D solution\n";
    std::cout << verdict << "\n";
    if (!fix.solved) {
        return;
    }
    std::cout << "height change: " << fixedText(shownLength(fix.heightChange), 4) << " "
              << lengthUnitText() << " (positive = up)\n";
    std::cout << "largest bump steer before: " << fixedText(fix.maxBefore, 3)
              << " deg, after: " << fixedText(fix.maxAfter, 3) << " deg\n";
    std::cout << "travel (" << lengthUnitText() << ")   bump steer after (deg, + = toe out)\n";
    for (int i = 1; i <= fix.after.n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        std::string t = shortestLength(fix.after.travel[k]);
        t.resize(14, ' ');
        std::cout << t << fixedText(fix.after.BumpSteer[k], 3) << "\n";
    }
}

void addFormatOption(CLI::App& command, ModelArgs& args) {
    command.add_option("--format", args.format, "Output format")
        ->check(CLI::IsMember({"text", "json"}));
}

} // namespace

void addCompareModelsCommand(CLI::App& app, int& /*exitCode*/) {
    auto args = std::make_shared<ModelArgs>();
    CLI::App* command = app.add_subcommand(
        "compare-models", "Largest differences between the classic curves and the 3-D solution");
    command->add_option("PROJECT", args->project, "Project file (.kqw or .kqp)")->required();
    addSweepOptions(*command, args->sweep);
    addFormatOption(*command, *args);
    command->callback([args] { compareModelsCommand(*args); });
}

void addBumpSteerFixCommand(CLI::App& app, int& /*exitCode*/) {
    auto args = std::make_shared<ModelArgs>();
    CLI::App* command = app.add_subcommand(
        "bumpsteer-fix", "Tie rod height change that minimises bump steer (3-D solution)");
    command->add_option("PROJECT", args->project, "Project file (.kqw or .kqp)")->required();
    addSweepOptions(*command, args->sweep);
    command->add_option("--joint", args->joint, "Joint to move: outer (shim) or inner")
        ->check(CLI::IsMember({"outer", "inner"}));
    addFormatOption(*command, *args);
    command->callback([args] { bumpSteerFixCommand(*args); });
}

} // namespace velmora::cli
