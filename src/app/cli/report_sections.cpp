#include "report_sections.h"

#include "analysis/graph_view.h"
#include "analysis/suggestions.h"
#include "cli_common.h"
#include "model/number_text.h"

#include <iomanip>
#include <string>

namespace velmora::cli {
namespace {

std::string carStyleName(const std::string& style) {
    if (style == "GM") {
        return "GM style stock car";
    }
    if (style == "Ford") {
        return "Ford style stock car";
    }
    if (style == "formula") {
        return "Formula car";
    }
    return style.empty() ? "(none)" : style;
}

std::string trackName(const std::string& track) {
    if (track == "Dirt") {
        return "Dirt oval";
    }
    if (track == "Asphalt") {
        return "Asphalt oval";
    }
    if (track == "Road") {
        return "Road course";
    }
    return track.empty() ? "(none)" : track;
}

void printMessages(std::ostream& out, const std::vector<Message>& messages) {
    for (const Message& message : messages) {
        out << "  ! " << message.title << ": " << message.text << "\n";
    }
}

std::string captionOf(const StaticCaptions& captions, const std::string& label) {
    const auto found = captions.byLabel.find(label);
    return found == captions.byLabel.end() || found->second.empty() ? "-" : found->second;
}

} // namespace

void printProjectSection(std::ostream& out, const SuspensionState& state) {
    out << "Car style:  " << carStyleName(state.CarStyle) << "\n";
    out << "Track type: " << trackName(state.TrackType) << "\n";
    out << "Right side: " << (isComplete(state.RightCoords) ? "complete" : "incomplete")
        << "    Left side: " << (isComplete(state.LeftCoords) ? "complete" : "incomplete") << "\n";
}

void printStaticSection(std::ostream& out, const StaticCaptions& captions,
                        const std::vector<Message>& messages) {
    struct Row {
        const char* caption;
        const char* right;
        const char* left;
    };
    const Row rows[] = {
        {"Steering Axis Inclination (deg)", "lblStatRAxis", "lblStaticLAxis"},
        {"Scrub Radius (in)", "lblStatRRadius", "lblStatLRadius"},
        {"Caster Angle (deg)", "lblStatRCA", "lblStatLCasA"},
        {"Caster Trail Length (in)", "lblStatRCTR", "lblStatLCasTR"},
    };
    out << "\nStatic Geometry\n";
    out << "  " << std::left << std::setw(34) << "" << std::setw(12) << "Right"
        << "Left\n";
    for (const Row& row : rows) {
        out << "  " << std::setw(34) << row.caption << std::setw(12)
            << captionOf(captions, row.right) << captionOf(captions, row.left) << "\n";
    }
    out << "  " << std::setw(34) << "Roll Center Height (in)" << captionOf(captions, "lblStatRCH")
        << "\n";
    out << "  " << std::setw(34) << "Roll Center Offset (in)" << captionOf(captions, "lblStatRCO")
        << "\n";
    out << std::right;
    printMessages(out, messages);
}

void printCurveSection(std::ostream& out, const SuspensionState& state,
                       const std::vector<Message>& messages) {
    const int n = positionCount(state.VU, state.VD, state.VY);
    const std::vector<float> travel = travelValues(state.VU, state.VY, n);
    out << "\n"
        << (state.Right_Active ? "Right" : "Left") << " side curves, " << generalText(state.VU)
        << " in of bump to " << generalText(state.VD) << " in of rebound\n";
    out << "  " << std::setw(8) << "Travel" << std::setw(10) << "Camber" << std::setw(12)
        << "Side scrub" << std::setw(12) << "Bump steer" << std::setw(10) << "Caster"
        << std::setw(12) << "Fore/aft"
        << "\n";
    out << "  " << std::setw(8) << "(in)" << std::setw(10) << "(deg)" << std::setw(12) << "(in)"
        << std::setw(12) << "(deg,+out)" << std::setw(10) << "(deg)" << std::setw(12)
        << "(in,+rear)"
        << "\n";
    for (int i = 1; i <= n; ++i) {
        const auto at = static_cast<std::size_t>(i);
        out << "  " << std::setw(8) << generalText(travel[at - 1]);
        const std::pair<const Curve*, int> columns[] = {{&state.CamberChange, 10},
                                                        {&state.SideScrub, 12},
                                                        {&state.BumpSteer, 12},
                                                        {&state.CasterChange, 10},
                                                        {&state.ForeAft, 12}};
        for (const auto& [curve, width] : columns) {
            out << std::setw(width) << SignedText(roundThousandths((*curve)[at]));
        }
        out << "\n";
    }
    printMessages(out, messages);
}

void printSuggestionSection(std::ostream& out, const SuspensionState& state) {
    const std::pair<GraphKind, const char*> graphs[] = {{GraphKind::Camber, "Camber"},
                                                        {GraphKind::SideScrub, "Side Scrub"},
                                                        {GraphKind::BumpSteer, "Bump Steer"},
                                                        {GraphKind::Caster, "Caster"},
                                                        {GraphKind::ForeAft, "Fore/Aft"}};
    SuspensionState looking = state;
    for (const auto& [kind, name] : graphs) {
        selectGraph(looking, kind);
        GraphView view;
        view.initialise(looking);
        out << "\nSuggestions: " << name << "\n";
        for (const std::string& item :
             Generate_Suggestions(looking, view.GraphData(), view.NumPoints())) {
            out << "  " << item << "\n";
        }
    }
}

} // namespace velmora::cli
