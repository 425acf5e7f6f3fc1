#include "cli_common.h"
#include "cli_output.h"
#include "commands.h"
#include "json_output.h"
#include "rigid_sweep_output.h"

#include "model/number_text.h"
#include "model/shown_length.h"

#include <iostream>
#include <memory>

namespace velmora::cli {
namespace {

struct SweepArgs {
    std::string project;
    SweepOptions sweep;
    std::string format = "json";
    std::string model = "classic";
};

struct SweepOutcome {
    bool complete = false;
    int n = 0;
    std::vector<float> travel;
};

SweepOutcome sweepProject(SuspensionState& state, const SweepArgs& args,
                          RecordingMessageSink& sink) {
    SweepOutcome outcome;
    outcome.complete = sweepSide(state, args.sweep, sink);
    if (outcome.complete && state.VY > 0.0f) {
        outcome.n = positionCount(state.VU, state.VD, state.VY);
        outcome.travel = travelValues(state.VU, state.VY, outcome.n);
    }
    return outcome;
}

nlohmann::json curveJson(const Curve& curve, int n) {
    nlohmann::json values = nlohmann::json::array();
    for (int i = 1; i <= n; ++i) {
        values.push_back(singleJson(curve[static_cast<std::size_t>(i)]));
    }
    return values;
}

void printJson(const SuspensionState& state, const SweepOutcome& outcome,
               const RecordingMessageSink& sink) {
    const bool right = state.Right_Active;
    nlohmann::json out;
    out["side"] = sideWord(right);
    out["complete"] = outcome.complete;
    out["VU"] = singleJson(state.VU);
    out["VD"] = singleJson(state.VD);
    out["VY"] = singleJson(state.VY);
    out["N"] = outcome.n;
    out["static_position"] =
        outcome.n > 0 ? singleJson(staticIndex(state.VU, state.VY)) : nlohmann::json(nullptr);
    nlohmann::json travel = nlohmann::json::array();
    for (float t : outcome.travel) {
        travel.push_back(singleJson(t));
    }
    out["travel"] = travel;
    out["CamberChange"] = curveJson(state.CamberChange, outcome.n);
    out["SideScrub"] = curveJson(state.SideScrub, outcome.n);
    out["CasterChange"] = curveJson(state.CasterChange, outcome.n);
    out["ForeAft"] = curveJson(state.ForeAft, outcome.n);
    out["BumpSteer"] = curveJson(state.BumpSteer, outcome.n);
    out["TieRodOuterX"] = curveJson(state.TieRodOuterX, outcome.n);
    out["TieRodOuterY"] = curveJson(state.TieRodOuterY, outcome.n);
    nlohmann::json joints = nlohmann::json::array();
    for (int i = 1; i <= outcome.n; ++i) {
        const BallJointPair& p = state.BallJointPos[static_cast<std::size_t>(i)];
        joints.push_back({p.top.x, p.top.y, p.top.z, p.bottom.x, p.bottom.y, p.bottom.z});
    }
    out["BallJointPos"] = joints;
    out["static"] = {
        {"SAI", right ? state.RightSAI : state.LeftSAI},
        {"ScrubRadius", right ? state.RightScrubRadius : state.LeftScrubRadius},
        {"Caster", right ? state.RightCaster : state.LeftCaster},
        {"CasterTrail", right ? state.RightCasterTrail : state.LeftCasterTrail},
        {"RollCenterHeight", state.RollCenterHeight},
    };
    out["messages"] = messagesJson(sink.messages);
    putUnits(out,
             {"VU", "VD", "VY", "travel", "SideScrub", "ForeAft", "TieRodOuterX", "TieRodOuterY",
              "BallJointPos", "ScrubRadius", "CasterTrail", "RollCenterHeight"});
    std::cout << out.dump(2) << "\n";
}

void printCsv(const SuspensionState& state, const SweepOutcome& outcome,
              const RecordingMessageSink& sink) {
    std::cout << csvHeader("position,travel,CamberChange,SideScrub,CasterChange,ForeAft,BumpSteer,"
                           "TieRodOuterX,TieRodOuterY,TopBallX,TopBallY,TopBallZ,BottomBallX,"
                           "BottomBallY,BottomBallZ")
              << '\n';
    for (int i = 1; i <= outcome.n; ++i) {
        const auto at = static_cast<std::size_t>(i);
        const BallJointPair& p = state.BallJointPos[at];
        std::cout << i << ',' << csvLength(outcome.travel[at - 1]);
        const std::pair<const Curve*, bool> curves[] = {
            {&state.CamberChange, false}, {&state.SideScrub, true},  {&state.CasterChange, false},
            {&state.ForeAft, true},       {&state.BumpSteer, false}, {&state.TieRodOuterX, true},
            {&state.TieRodOuterY, true}};
        for (const auto& [curve, length] : curves) {
            std::cout << ',' << (length ? csvLength((*curve)[at]) : shortestText((*curve)[at]));
        }
        for (double v : {p.top.x, p.top.y, p.top.z, p.bottom.x, p.bottom.y, p.bottom.z}) {
            std::cout << ',' << (showsMillimetres() ? csvLength(v) : generalText(v));
        }
        std::cout << '\n';
    }
    reportMessages(sink.messages);
}

} // namespace

void addSweepCommand(CLI::App& app, int& /*exitCode*/) {
    auto args = std::make_shared<SweepArgs>();
    CLI::App* command =
        app.add_subcommand("sweep", "Sweep one side from full bump to full rebound");
    command->add_option("PROJECT", args->project, "Project file (.kqw or .kqp)")->required();
    addSweepOptions(*command, args->sweep);
    command->add_option("--format", args->format, "Output format")
        ->check(CLI::IsMember({"json", "csv"}));
    command
        ->add_option("--model", args->model,
                     "classic (the program's own curves) or 3d (the rigid-body solution)")
        ->check(CLI::IsMember({"classic", "3d"}));
    command->callback([args] {
        SuspensionState state = loadProject(args->project);
        if (args->model == "3d") {
            state.Right_Active = args->sweep.side == "right";
            const RigidSweep sweep = rigidSweepOf(state, args->sweep);
            if (args->format == "csv") {
                printRigidSweepCsv(sweep);
            } else {
                printRigidSweepJson(state, sweep);
            }
            return;
        }
        RecordingMessageSink sink;
        const SweepOutcome outcome = sweepProject(state, *args, sink);
        if (args->format == "csv") {
            printCsv(state, outcome, sink);
        } else {
            printJson(state, outcome, sink);
        }
    });
}

} // namespace velmora::cli
