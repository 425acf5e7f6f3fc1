#include "report_sections.h"

#include "analysis/graph_view.h"
#include "analysis/suggestions.h"
#include "cli_common.h"
#include "model/number_text.h"
#include "model/shown_length.h"

#include <iomanip>
#include <string>
#include <tuple>
#include <utility>

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

const std::string& orDash(const std::string& caption) {
    static const std::string dash = "-";
    return caption.empty() ? dash : caption;
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
    const std::pair<const char*, std::string SideStaticCaptions::*> rows[] = {
        {"Steering Axis Inclination (deg)", &SideStaticCaptions::sai},
        {"Scrub Radius (in)", &SideStaticCaptions::scrubRadius},
        {"Caster Angle (deg)", &SideStaticCaptions::caster},
        {"Caster Trail Length (in)", &SideStaticCaptions::casterTrail},
    };
    out << "\nStatic Geometry\n";
    out << "  " << std::left << std::setw(34) << "" << std::setw(12) << "Right"
        << "Left\n";
    for (const auto& [caption, field] : rows) {
        out << "  " << std::setw(34) << inUnit(caption) << std::setw(12)
            << orDash(captions.right.*field) << orDash(captions.left.*field) << "\n";
    }
    out << "  " << std::setw(34) << inUnit("Roll Center Height (in)")
        << orDash(captions.rollCenterHeight) << "\n";
    out << "  " << std::setw(34) << inUnit("Roll Center Offset (in)")
        << orDash(captions.rollCenterOffset) << "\n";
    out << std::right;
    printMessages(out, messages);
}

void printCurveSection(std::ostream& out, const SuspensionState& state,
                       const std::vector<Message>& messages) {
    const int n = positionCount(state.VU, state.VD, state.VY);
    const std::vector<float> travel = travelValues(state.VU, state.VY, n);
    out << "\n"
        << (state.Right_Active ? "Right" : "Left") << " side curves, " << shortestLength(state.VU)
        << " " << lengthUnitText() << " of bump to " << shortestLength(state.VD) << " "
        << lengthUnitText() << " of rebound\n";
    out << "  " << std::setw(8) << "Travel" << std::setw(10) << "Camber" << std::setw(12)
        << "Side scrub" << std::setw(12) << "Bump steer" << std::setw(10) << "Caster"
        << std::setw(12) << "Fore/aft"
        << "\n";
    out << "  " << std::setw(8) << inUnit("(in)") << std::setw(10) << "(deg)" << std::setw(12)
        << inUnit("(in)") << std::setw(12) << "(deg,+out)" << std::setw(10) << "(deg)"
        << std::setw(12) << inUnit("(in,+rear)") << "\n";
    for (int i = 1; i <= n; ++i) {
        const auto at = static_cast<std::size_t>(i);
        out << "  " << std::setw(8)
            << (showsMillimetres() ? shortestLength(travel[at - 1]) : generalText(travel[at - 1]));
        const std::tuple<const Curve*, int, bool> columns[] = {{&state.CamberChange, 10, false},
                                                               {&state.SideScrub, 12, true},
                                                               {&state.BumpSteer, 12, false},
                                                               {&state.CasterChange, 10, false},
                                                               {&state.ForeAft, 12, true}};
        for (const auto& [curve, width, length] : columns) {
            const float value = (*curve)[at];
            out << std::setw(width)
                << (length && showsMillimetres() ? " " + fixedLength(value, 3)
                                                 : SignedText(roundThousandths(value)));
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
