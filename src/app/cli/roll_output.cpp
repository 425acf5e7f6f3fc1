#include "roll_output.h"

#include "cli_common.h"
#include "json_output.h"
#include "model/number_text.h"
#include "model/shown_length.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <sstream>

namespace velmora::cli {
namespace {

nlohmann::json pointJson(const FrontPoint& p) {
    return nlohmann::json::array({p.u, p.v});
}

nlohmann::json wheelJson(const WheelAtState& w) {
    const auto value = [&w](double v) { return w.solved ? nlohmann::json(v) : nullptr; };
    nlohmann::json out;
    out["travel"] = w.travel;
    out["camber_change_body"] = value(w.camberChangeBody);
    out["camber_change_ground"] = value(w.camberChangeGround);
    out["bump_steer"] = value(w.bumpSteer);
    out["contact_patch"] = w.solved ? pointJson(w.contactPatch) : nullptr;
    out["instant_center"] = w.instantCentre ? pointJson(*w.instantCentre) : nullptr;
    return out;
}

std::string pointText(const FrontPoint& p) {
    return lengthFixed(p.u, 3) + ", " + lengthFixed(p.v, 3);
}

void row(std::ostringstream& out, const std::string& caption, const std::string& right,
         const std::string& left) {
    char text[160];
    std::snprintf(text, sizeof text, "%-28s %18s %18s\n", caption.c_str(), right.c_str(),
                  left.c_str());
    out << text;
}

} // namespace

FrontEnd frontEndOf(const SuspensionState& state) {
    const bool right = isComplete(state.RightCoords);
    const bool left = isComplete(state.LeftCoords);
    if (!right || !left) {
        throw UsageError(std::string("dive and roll need both sides complete: the ") +
                         (!right && !left ? "right and left sides are"
                          : !right        ? "right side is"
                                          : "left side is") +
                         " missing values");
    }
    return FrontEnd::build(state.RightCoords, state.LeftCoords);
}

nlohmann::json stateJson(const DiveRollState& s) {
    nlohmann::json out;
    out["dive"] = s.dive;
    out["roll"] = s.roll;
    out["right"] = wheelJson(s.right);
    out["left"] = wheelJson(s.left);
    out["ground_angle"] = s.solved ? nlohmann::json(s.groundAngle) : nullptr;
    out["track_change"] = s.solved ? nlohmann::json(s.trackChange) : nullptr;
    if (s.rollCentre) {
        out["roll_center"] = {{"height", s.rollCentre->height},
                              {"offset", s.rollCentre->offset},
                              {"body", pointJson(s.rollCentre->body)}};
    } else {
        out["roll_center"] = nullptr;
    }
    out["kinematic_roll_center"] = kinematicRollCentreJson(s.kinematicRollCentre);
    out["messages"] = messagesJson(s.messages);
    return out;
}

nlohmann::json kinematicRollCentreJson(const std::optional<RollCentreAtState>& centre) {
    if (!centre) {
        return nullptr;
    }
    return {{"height", centre->height}, {"offset", centre->offset}};
}

nlohmann::json unitsJson(nlohmann::json out) {
    putUnits(out, {"dive", "travel", "contact_patch", "instant_center", "roll_center",
                   "kinematic_roll_center", "track_change", "dive_right", "dive_left"});
    return out;
}

nlohmann::json pathJson(const DiveRollPath& path) {
    nlohmann::json states = nlohmann::json::array();
    for (const DiveRollState& s : path.states) {
        states.push_back(stateJson(s));
    }
    return {{"dive", path.dive}, {"states", states}};
}

std::string stateText(const DiveRollState& s) {
    std::ostringstream out;
    out << "Dive " << lengthFixed(s.dive, 3) << " " << lengthUnitText() << ", roll "
        << fixedText(s.roll, 3) << " deg\n";
    const auto wheel = [&s](const auto& get) {
        return std::pair{s.right.solved ? get(s.right) : std::string("-"),
                         s.left.solved ? get(s.left) : std::string("-")};
    };
    row(out, "", "Right", "Left");
    row(out, inUnit("Travel (in)"), lengthFixed(s.right.travel, 3), lengthFixed(s.left.travel, 3));
    const auto put = [&](const std::string& caption, const auto& get) {
        const auto [r, l] = wheel(get);
        row(out, caption, r, l);
    };
    put("Camber change, body (deg)",
        [](const WheelAtState& w) { return fixedText(w.camberChangeBody, 3); });
    put("Camber change, ground (deg)",
        [](const WheelAtState& w) { return fixedText(w.camberChangeGround, 3); });
    put("Bump steer (deg)", [](const WheelAtState& w) { return fixedText(w.bumpSteer, 3); });
    put(inUnit("Contact patch u, v (in)"),
        [](const WheelAtState& w) { return pointText(w.contactPatch); });
    put(inUnit("Instant centre u, v (in)"), [](const WheelAtState& w) {
        return w.instantCentre ? pointText(*w.instantCentre) : std::string("parallel");
    });
    const std::string none = s.solved ? "none (parallel lines)" : "-";
    row(out, "Ground angle (deg)", s.solved ? fixedText(s.groundAngle, 3) : "-", "");
    row(out, inUnit("Track change (in)"), s.solved ? lengthFixed(s.trackChange, 3) : "-", "");
    row(out, inUnit("Roll centre height (in)"),
        s.rollCentre ? lengthFixed(s.rollCentre->height, 3) : none, "");
    row(out, inUnit("Roll centre offset (in)"),
        s.rollCentre ? lengthFixed(s.rollCentre->offset, 3) : none, "");
    for (const Message& message : s.messages) {
        out << message.title << ": " << message.text << '\n';
    }
    return out.str();
}

std::string pathText(const DiveRollPath& path) {
    std::ostringstream out;
    out << "Dive " << lengthFixed(path.dive, 3) << " " << lengthUnitText() << "\n";
    char text[200];
    std::snprintf(text, sizeof text, "%8s %10s %10s %12s %12s %10s %10s\n", "Roll deg",
                  inUnit("RC ht in").c_str(), inUnit("RC off in").c_str(), "Camber R deg",
                  "Camber L deg", "Ground deg", inUnit("Track in").c_str());
    out << text;
    for (const DiveRollState& s : path.states) {
        const auto rc = [&s](double v) {
            return s.rollCentre ? lengthFixed(v, 3) : std::string("-");
        };
        const auto solved = [&s](double v) {
            return s.solved ? fixedText(v, 3) : std::string("-");
        };
        std::snprintf(text, sizeof text, "%8s %10s %10s %12s %12s %10s %10s\n",
                      fixedText(s.roll, 3).c_str(),
                      rc(s.rollCentre ? s.rollCentre->height : 0).c_str(),
                      rc(s.rollCentre ? s.rollCentre->offset : 0).c_str(),
                      solved(s.right.camberChangeGround).c_str(),
                      solved(s.left.camberChangeGround).c_str(), solved(s.groundAngle).c_str(),
                      (s.solved ? lengthFixed(s.trackChange, 3) : std::string("-")).c_str());
        out << text;
    }
    for (const DiveRollState& s : path.states) {
        for (const Message& message : s.messages) {
            out << "Roll " << fixedText(s.roll, 3) << ": " << message.title << ": " << message.text
                << '\n';
        }
    }
    return out.str();
}

} // namespace velmora::cli
