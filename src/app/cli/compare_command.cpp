// `compare`: one curve of two projects, a baseline and a changed one, position by position.
// Each curve is what `sweep` gives for its project; the difference is changed minus base.
#include "cli_common.h"
#include "cli_output.h"
#include "commands.h"
#include "graph_names.h"
#include "json_output.h"
#include "rigid_sweep_output.h"

#include "analysis/baseline.h"
#include "model/number_text.h"
#include "model/shown_length.h"

#include <cmath>
#include <iostream>
#include <limits>
#include <memory>
#include <optional>

namespace velmora::cli {
namespace {

struct CompareArgs {
    std::string base;
    std::string changed;
    std::string graph;
    SweepOptions sweep;
    std::string model = "classic";
    std::string format = "json";
};

// One project's curve: its values by position (none where the sweep did not reach it) and
// the travel of each position. Classic values are singles, 3-D values doubles; both are kept
// as doubles here and written in their own precision.
struct ProjectCurve {
    std::vector<float> travel;
    std::vector<std::optional<double>> values;
};

void requireComplete(const SuspensionState& state, const std::string& path,
                     const CompareArgs& args) {
    if (!isComplete(state.activeCoords())) {
        throw UsageError(path + ": the " + args.sweep.side +
                         " side is not complete, so it has no curves");
    }
}

ProjectCurve classicCurve(const std::string& path, const CompareArgs& args) {
    SuspensionState state = loadProject(path);
    // A position the sweep skips (a geometry message) keeps this mark and is left out of the
    // comparison rather than compared as the zero a fresh project holds there.
    for (Curve* curve : {&state.CamberChange, &state.SideScrub, &state.CasterChange, &state.ForeAft,
                         &state.BumpSteer}) {
        curve->fill(std::numeric_limits<float>::quiet_NaN());
    }
    RecordingMessageSink messages;
    sweepSide(state, args.sweep, messages);
    requireComplete(state, path, args);
    reportMessages(messages.messages);
    SweepResult shape; // the curve of the state, read as a sweep's result is
    shape.CamberChange = state.CamberChange;
    shape.SideScrub = state.SideScrub;
    shape.CasterChange = state.CasterChange;
    shape.ForeAft = state.ForeAft;
    shape.BumpSteer = state.BumpSteer;
    const Curve& curve = curveOf(shape, graphKindNamed(args.graph));
    ProjectCurve out;
    const int n = state.VY > 0.0f ? positionCount(state.VU, state.VD, state.VY) : 0;
    out.travel = travelValues(state.VU, state.VY, n);
    for (int i = 1; i <= n; ++i) {
        const float v = curve[static_cast<std::size_t>(i)];
        out.values.push_back(std::isnan(v) ? std::nullopt : std::optional<double>(v));
    }
    return out;
}

ProjectCurve rigidCurveOf(const std::string& path, const CompareArgs& args) {
    SuspensionState state = loadProject(path);
    state.Right_Active = args.sweep.side == "right";
    requireComplete(state, path, args);
    const RigidSweep sweep = rigidSweepOf(state, args.sweep);
    printMessagesToStderr(sweep.messages);
    const Curve3D& curve = rigidCurve(sweep, graphKindNamed(args.graph));
    ProjectCurve out;
    for (int i = 1; i <= sweep.n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        out.travel.push_back(sweep.travel[k]);
        out.values.push_back(sweep.solved[k] ? std::optional<double>(curve[k]) : std::nullopt);
    }
    return out;
}

struct Comparison {
    std::vector<float> travel;
    std::vector<std::optional<double>> base;
    std::vector<std::optional<double>> changed;
    std::vector<std::optional<double>> difference;
    std::optional<double> maxDifference; // the largest magnitude
    float atTravel = 0;
};

Comparison compareCurves(const ProjectCurve& base, const ProjectCurve& changed, bool single) {
    Comparison c;
    c.travel = base.travel;
    c.base = base.values;
    c.changed = changed.values;
    // Both projects are swept over the same travel, so their positions are the same.
    for (std::size_t i = 0; i < c.travel.size(); ++i) {
        const bool both = i < c.changed.size() && c.base[i] && c.changed[i];
        if (!both) {
            c.difference.emplace_back();
            continue;
        }
        // Classic curves are singles: their difference is formed as a single too, so that it
        // is written in the precision of its operands.
        const double d = single ? static_cast<double>(static_cast<float>(*c.changed[i]) -
                                                      static_cast<float>(*c.base[i]))
                                : *c.changed[i] - *c.base[i];
        c.difference.emplace_back(d);
        if (!c.maxDifference || std::fabs(d) > *c.maxDifference) {
            c.maxDifference = std::fabs(d);
            c.atTravel = c.travel[i];
        }
    }
    return c;
}

nlohmann::json valueJson(const std::optional<double>& value, bool single) {
    if (!value || !std::isfinite(*value)) {
        return nullptr;
    }
    return single ? singleJson(static_cast<float>(*value)) : nlohmann::json(*value);
}

void printJson(const Comparison& c, bool single, bool lengths) {
    nlohmann::json out;
    nlohmann::json travel = nlohmann::json::array();
    nlohmann::json base = nlohmann::json::array();
    nlohmann::json changed = nlohmann::json::array();
    nlohmann::json difference = nlohmann::json::array();
    for (std::size_t i = 0; i < c.travel.size(); ++i) {
        travel.push_back(singleJson(c.travel[i]));
        base.push_back(valueJson(c.base[i], single));
        changed.push_back(valueJson(i < c.changed.size() ? c.changed[i] : std::nullopt, single));
        difference.push_back(valueJson(c.difference[i], single));
    }
    out["travel"] = travel;
    out["base"] = base;
    out["changed"] = changed;
    out["difference"] = difference;
    out["max_difference"] = valueJson(c.maxDifference, single);
    out["at_travel"] = c.maxDifference ? singleJson(c.atTravel) : nlohmann::json(nullptr);
    if (lengths) {
        putUnits(out, {"travel", "at_travel", "base", "changed", "difference", "max_difference"});
    } else {
        putUnits(out, {"travel", "at_travel"});
    }
    std::cout << dumpShortest(out) << "\n";
}

// A number with a blank where a minus would be, so that the columns' digits line up.
std::string signedFixed(double value) {
    const std::string text = fixedText(value, 3);
    return text.front() == '-' ? text : " " + text;
}

std::string column(const std::optional<double>& value, std::size_t width) {
    std::string text = value ? signedFixed(*value) : " -";
    text.resize(std::max(width, text.size() + 1), ' ');
    return text;
}

void printText(const Comparison& c, const CompareArgs& args) {
    const bool lengths = isLengthCurve(graphKindNamed(args.graph));
    const std::string unit = lengths ? lengthUnitText() : "deg";
    const auto shown = [lengths](const std::optional<double>& v) -> std::optional<double> {
        return v && lengths ? std::optional<double>(shownLength(*v)) : v;
    };
    std::string side = args.sweep.side;
    side[0] = static_cast<char>(side[0] - 'a' + 'A');
    std::cout << side << " side " << args.graph << " (" << unit << ", "
              << (args.model == "3d" ? "3-D solution" : "classic") << "): " << args.changed
              << " against " << args.base << "\n";
    std::cout << "travel (" << lengthUnitText() << ")    base       changed    difference\n";
    for (std::size_t i = 0; i < c.travel.size(); ++i) {
        std::string t = shortestLength(c.travel[i]);
        t.resize(std::max<std::size_t>(14, t.size() + 1), ' ');
        const std::optional<double> difference = shown(c.difference[i]);
        std::cout << t << column(shown(c.base[i]), 11)
                  << column(shown(i < c.changed.size() ? c.changed[i] : std::nullopt), 11)
                  << (difference ? signedFixed(*difference) : " -") << "\n";
    }
    if (c.maxDifference) {
        std::cout << "largest difference: " << fixedText(*shown(c.maxDifference), 3) << " " << unit
                  << " at travel " << shortestLength(c.atTravel) << " " << lengthUnitText() << "\n";
    } else {
        std::cout << "no position has a value in both curves\n";
    }
}

void compareCommand(const CompareArgs& args) {
    requireWheelPositions(args.sweep);
    const bool classic = args.model == "classic";
    const ProjectCurve base =
        classic ? classicCurve(args.base, args) : rigidCurveOf(args.base, args);
    const ProjectCurve changed =
        classic ? classicCurve(args.changed, args) : rigidCurveOf(args.changed, args);
    const Comparison comparison = compareCurves(base, changed, classic);
    if (args.format == "text") {
        printText(comparison, args);
    } else {
        printJson(comparison, classic, isLengthCurve(graphKindNamed(args.graph)));
    }
}

} // namespace

void addCompareCommand(CLI::App& app, int& /*exitCode*/) {
    auto args = std::make_shared<CompareArgs>();
    CLI::App* command = app.add_subcommand(
        "compare", "One curve of a changed project against a baseline project, by position");
    command->add_option("BASE", args->base, "Baseline project file (.kqw or .kqp)")->required();
    command->add_option("CHANGED", args->changed, "Changed project file (.kqw or .kqp)")
        ->required();
    command->add_option("--graph", args->graph, "Curve to compare")
        ->required()
        ->check(CLI::IsMember(graphNames()));
    addSweepOptions(*command, args->sweep);
    command
        ->add_option("--model", args->model,
                     "classic (the program's own curves) or 3d (the rigid-body solution)")
        ->check(CLI::IsMember({"classic", "3d"}));
    command->add_option("--format", args->format, "Output format")
        ->check(CLI::IsMember({"json", "text"}));
    command->callback([args] { compareCommand(*args); });
}

} // namespace velmora::cli
