// `sensitivity`: how much the chosen curve moves at full bump and full rebound when each of the
// 26 coordinates of a side alone grows by a small step.
#include "cli_common.h"
#include "cli_output.h"
#include "commands.h"
#include "graph_names.h"
#include "json_output.h"
#include "model/travel.h"
#include "rigid_sweep_output.h"

#include "geometry/sensitivity.h"
#include "model/number_text.h"
#include "model/shown_length.h"

#include <charconv>
#include <cmath>
#include <iostream>
#include <memory>

namespace velmora::cli {
namespace {

struct SensitivityArgs {
    std::string project;
    SweepOptions sweep;
    std::string graph;
    float step = 0.125f;
    std::string model = "classic";
    std::string format = "text";
};

// A step is a number of inches above 0 that a single holds.
const CLI::Validator& stepInches() {
    static const CLI::Validator validator =
        numberCheck({.single = true}, [](double value, const std::string& text) {
            return value > 0 ? std::string() : "step " + quotedTyped(text) + " must be above 0";
        });
    return validator;
}

// The shortest text that reads back to the same single, as the user would write it: 1e-09.
std::string plainText(float value) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

std::string unitOf(GraphKind kind) {
    return isLengthCurve(kind) ? lengthUnitText() : "deg";
}

const char* curveWords(GraphKind kind) {
    switch (kind) {
    case GraphKind::Camber:
        return "camber";
    case GraphKind::SideScrub:
        return "side scrub";
    case GraphKind::ForeAft:
        return "fore/aft position";
    case GraphKind::Caster:
        return "caster";
    case GraphKind::BumpSteer:
        break;
    }
    return "bump steer";
}

nlohmann::json valueJson(double value) {
    return std::isfinite(value) ? nlohmann::json(value) : nlohmann::json(nullptr);
}

void printJson(const SensitivityArgs& args, const Sensitivity& result) {
    nlohmann::json rows = nlohmann::json::array();
    for (const SensitivityRow& row : result.rows) {
        nlohmann::json out = {{"index", row.index},
                              {"point", row.point},
                              {"axis", row.axis},
                              {"at_bump", valueJson(row.atBump)},
                              {"at_rebound", valueJson(row.atRebound)}};
        if (!row.messages.empty()) {
            out["messages"] = messagesJson(row.messages);
        }
        rows.push_back(std::move(out));
    }
    nlohmann::json out = {{"graph", args.graph},
                          {"side", args.sweep.side},
                          {"step", singleJson(args.step)},
                          {"rows", rows}};
    if (isLengthCurve(graphKindNamed(args.graph))) {
        putUnits(out, {"step", "at_bump", "at_rebound"});
    } else {
        putUnits(out, {"step"});
    }
    std::cout << dumpShortest(out) << "\n";
}

std::string column(std::string text, std::size_t width) {
    if (text.size() < width) {
        text.resize(width, ' ');
    }
    return text;
}

std::string valueText(double value) {
    return std::isfinite(value) ? fixedText(value, 4) : std::string("-");
}

void printText(const SensitivityArgs& args, const SensitivityInputs& inputs,
               const Sensitivity& result) {
    std::string side = args.sweep.side;
    side[0] = static_cast<char>(side[0] - 'a' + 'A');
    // The travel as the sweep takes it: no travel means 9 inches each way.
    const Travel swept = inputs.travel.used();
    const std::string unit = " " + lengthUnitText();
    std::cout << side << " side, " << shortestLength(swept.bump) << unit << " bump, "
              << shortestLength(swept.rebound) << unit << " rebound, "
              << (args.model == "3d" ? "3-D solution" : "classic sweep") << ": change of the "
              << curveWords(inputs.kind) << " (" << unitOf(inputs.kind)
              << ") when one coordinate grows by " << shortestLength(args.step) << unit
              << ", largest first\n";
    std::cout << "index  point                   axis    at bump   at rebound\n";
    for (const SensitivityRow& row : byLargestEffect(result)) {
        std::string index = std::to_string(row.index);
        std::cout << std::string(5 - index.size(), ' ') << index << "  " << column(row.point, 24)
                  << column(row.axis, 4) << std::string(1, ' ');
        const bool length = isLengthCurve(inputs.kind);
        const std::string bump = valueText(length ? shownLength(row.atBump) : row.atBump);
        const std::string rebound = valueText(length ? shownLength(row.atRebound) : row.atRebound);
        std::cout << std::string(bump.size() < 10 ? 10 - bump.size() : 0, ' ') << bump
                  << std::string(rebound.size() < 13 ? 13 - rebound.size() : 0, ' ') << rebound
                  << "\n";
        for (const Message& message : row.messages) {
            std::cout << "       " << message.title << ": " << message.text << "\n";
        }
    }
}

void sensitivityCommand(const SensitivityArgs& args) {
    SuspensionState state = loadProject(args.project);
    requireWheelPositions(args.sweep);
    SensitivityInputs inputs;
    inputs.right = args.sweep.side == "right";
    inputs.corner = state.coords(inputs.right);
    inputs.travel = Travel{args.sweep.bump, args.sweep.rebound};
    inputs.kind = graphKindNamed(args.graph);
    inputs.step = args.step;
    inputs.model = args.model == "3d" ? KinematicModel::Rigid : KinematicModel::Classic;
    if (!isComplete(inputs.corner)) {
        throw UsageError("the " + args.sweep.side + " side is not complete, so it has no curves");
    }
    if (const int index = coordinateUnchangedBy(inputs.corner, inputs.step)) {
        throw UsageError("--step " + plainText(inputs.step) +
                         " is too small to change coordinate " + std::to_string(index) + " (" +
                         plainText(inputs.corner[index]) + ")");
    }
    const Sensitivity result = sensitivityOf(inputs);
    // The unchanged sweep's own messages concern every row alike.
    printMessagesToStderr(result.messages);
    if (args.format == "json") {
        printJson(args, result);
    } else {
        printText(args, inputs, result);
    }
}

} // namespace

void addSensitivityCommand(CLI::App& app, int& /*exitCode*/) {
    auto args = std::make_shared<SensitivityArgs>();
    CLI::App* command = app.add_subcommand(
        "sensitivity", "Change of one curve at full bump and rebound for each coordinate");
    command->add_option("PROJECT", args->project, "Project file (.kqw or .kqp)")->required();
    command->add_option("--graph", args->graph, "Curve to look at")
        ->required()
        ->check(CLI::IsMember(graphNames()));
    addSweepOptions(*command, args->sweep);
    command->add_option("--step", args->step, "Inches each coordinate grows by (default 0.125)")
        ->check(stepInches())
        ->transform(lengthInInches());
    command
        ->add_option("--model", args->model,
                     "classic (the program's own curves) or 3d (the rigid-body solution)")
        ->check(CLI::IsMember({"classic", "3d"}));
    command->add_option("--format", args->format, "Output format")
        ->check(CLI::IsMember({"text", "json"}));
    command->callback([args] { sensitivityCommand(*args); });
}

} // namespace velmora::cli
