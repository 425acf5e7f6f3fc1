#include "rigid_sweep_output.h"

#include "json_output.h"

#include "model/number_text.h"

#include <iostream>

namespace velmora::cli {
namespace {

nlohmann::json curveJson(const RigidSweep& sweep, const Curve3D& curve) {
    nlohmann::json values = nlohmann::json::array();
    for (int i = 1; i <= sweep.n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        values.push_back(sweep.solved[k] ? nlohmann::json(curve[k]) : nlohmann::json(nullptr));
    }
    return values;
}

} // namespace

RigidSweep rigidSweepOf(const SuspensionState& state, const SweepOptions& options) {
    requireWheelPositions(options);
    const bool right = options.side == "right";
    return rigidSweep(right ? state.RightCoords : state.LeftCoords,
                      Travel{options.bump, options.rebound});
}

void printRigidSweepJson(const SuspensionState& state, const RigidSweep& sweep) {
    nlohmann::json out;
    out["model"] = "3d";
    out["side"] = sideWord(state.Right_Active);
    out["complete"] = sweep.complete;
    out["VU"] = singleJson(sweep.VU);
    out["VD"] = singleJson(sweep.VD);
    out["VY"] = singleJson(sweep.VY);
    const int n = sweep.complete ? sweep.n : 0;
    out["N"] = n;
    out["static_position"] =
        n > 0 ? singleJson(staticIndex(sweep.VU, sweep.VY)) : nlohmann::json(nullptr);
    nlohmann::json travel = nlohmann::json::array();
    for (int i = 1; i <= n; ++i) {
        travel.push_back(singleJson(sweep.travel[static_cast<std::size_t>(i)]));
    }
    out["travel"] = travel;
    RigidSweep shown = sweep;
    shown.n = n;
    out["CamberChange"] = curveJson(shown, sweep.CamberChange);
    out["SideScrub"] = curveJson(shown, sweep.SideScrub);
    out["CasterChange"] = curveJson(shown, sweep.CasterChange);
    out["ForeAft"] = curveJson(shown, sweep.ForeAft);
    out["BumpSteer"] = curveJson(shown, sweep.BumpSteer);
    nlohmann::json joints = nlohmann::json::array();
    for (int i = 1; i <= n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const BallJointPair& p = sweep.BallJointPos[k];
        joints.push_back(sweep.solved[k] ? nlohmann::json{p.top.x, p.top.y, p.top.z, p.bottom.x,
                                                          p.bottom.y, p.bottom.z}
                                         : nlohmann::json(nullptr));
    }
    out["BallJointPos"] = joints;
    out["iterations"] = sweep.iterations;
    out["messages"] = messagesJson(sweep.messages);
    putUnits(out, {"VU", "VD", "VY", "travel", "SideScrub", "ForeAft", "BallJointPos"});
    std::cout << dumpShortest(out) << "\n";
}

void printRigidSweepCsv(const RigidSweep& sweep) {
    std::cout << csvHeader("position,travel,CamberChange,SideScrub,CasterChange,ForeAft,BumpSteer,"
                           "TopBallX,TopBallY,TopBallZ,BottomBallX,BottomBallY,BottomBallZ")
              << '\n';
    const int n = sweep.complete ? sweep.n : 0;
    for (int i = 1; i <= n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        std::cout << i << ',' << csvLength(sweep.travel[k]);
        const BallJointPair& p = sweep.BallJointPos[k];
        const std::pair<double, bool> cells[] = {{sweep.CamberChange[k], false},
                                                 {sweep.SideScrub[k], true},
                                                 {sweep.CasterChange[k], false},
                                                 {sweep.ForeAft[k], true},
                                                 {sweep.BumpSteer[k], false},
                                                 {p.top.x, true},
                                                 {p.top.y, true},
                                                 {p.top.z, true},
                                                 {p.bottom.x, true},
                                                 {p.bottom.y, true},
                                                 {p.bottom.z, true}};
        for (const auto& [v, length] : cells) {
            const std::string text = length ? csvLength(v) : shortestDouble(v);
            std::cout << ',' << (sweep.solved[k] ? text : std::string());
        }
        std::cout << '\n';
    }
    printMessagesToStderr(sweep.messages);
}

void printMessagesToStderr(const std::vector<Message>& messages) {
    for (const Message& message : messages) {
        std::cerr << message.title << ": " << message.text << '\n';
    }
}

} // namespace velmora::cli
