// `readings`: the bump steer gauge readings of one side beside what both models compute at the
// same travel.
#include "cli_common.h"
#include "cli_output.h"
#include "commands.h"
#include "json_output.h"
#include "rigid_sweep_output.h"

#include "chassis/readings_comparison.h"
#include "model/number_text.h"
#include "model/shown_length.h"

#include <iostream>
#include <memory>
#include <optional>

namespace velmora::cli {
namespace {

// The classic sweep runs over the command line's usual travel, as `sweep` does by default.
constexpr float kReadingsBump = 3.0f;
constexpr float kReadingsRebound = 3.0f;

struct ReadingsArgs {
    std::string project;
    std::string side = "left";
    std::string format = "json";
};

std::string optionalText(const std::optional<double>& value, std::size_t width) {
    std::string text = value ? fixedText(*value, 3) : std::string("-");
    text.resize(std::max(width, text.size()), ' ');
    return text;
}

std::string column(std::string text, std::size_t width) {
    text.resize(std::max(width, text.size()), ' ');
    return text;
}

void printJson(const ReadingsComparison& c) {
    nlohmann::json out;
    out["side"] = sideWord(c.right);
    out["gauge_length"] = singleJson(c.gaugeLength);
    out["VU"] = singleJson(c.VU);
    out["VD"] = singleJson(c.VD);
    nlohmann::json rows = nlohmann::json::array();
    for (const ReadingCompared& r : c.rows) {
        rows.push_back({{"travel", singleJson(r.reading.travel)},
                        {"reading", singleJson(r.reading.reading)},
                        {"degrees", r.degrees},
                        {"classic", optionalJson(r.classic)},
                        {"3d", optionalJson(r.rigid)},
                        {"difference_classic", optionalJson(r.classicDifference)},
                        {"difference_3d", optionalJson(r.rigidDifference)}});
    }
    out["readings"] = rows;
    out["messages"] = messagesJson(c.messages);
    putUnits(out, {"gauge_length", "VU", "VD", "travel", "reading"});
    std::cout << dumpShortest(out) << "\n";
}

void printText(const ReadingsComparison& c) {
    printMessagesToStderr(c.messages);
    std::string side = sideWord(c.right);
    side[0] = static_cast<char>(side[0] - 'a' + 'A');
    const std::string unit = " " + lengthUnitText();
    std::cout << side << " side bump steer readings, gauge length " << shortestLength(c.gaugeLength)
              << unit << "; degrees, toe out +; classic sweep over " << shortestLength(c.VU) << unit
              << " bump, " << shortestLength(c.VD) << unit << " rebound\n";
    if (c.rows.empty()) {
        std::cout << "no readings\n";
        return;
    }
    std::cout << "travel (" << lengthUnitText() << ") reading (" << lengthUnitText()
              << ") gauge    classic  3-D      gauge-classic gauge-3-D\n";
    for (const ReadingCompared& r : c.rows) {
        std::cout << column(fixedText(shownLength(r.reading.travel), 3), 12)
                  << column(fixedText(shownLength(r.reading.reading), 4), 12)
                  << column(fixedText(r.degrees, 3), 9) << optionalText(r.classic, 9)
                  << optionalText(r.rigid, 9) << optionalText(r.classicDifference, 14)
                  << optionalText(r.rigidDifference, 0) << "\n";
    }
}

void readingsCommand(const ReadingsArgs& args) {
    const SuspensionState state = loadProject(args.project);
    const bool right = args.side == "right";
    const CoordinateSet& coords = right ? state.RightCoords : state.LeftCoords;
    if (!isComplete(coords)) {
        throw UsageError("the " + args.side + " side is not complete, so it has no curves");
    }
    const ReadingsComparison c =
        compareReadings(coords, right, state.Vehicle, Travel{kReadingsBump, kReadingsRebound});
    if (args.format == "text") {
        printText(c);
    } else {
        printJson(c);
    }
}

} // namespace

void addReadingsCommand(CLI::App& app, int& /*exitCode*/) {
    auto args = std::make_shared<ReadingsArgs>();
    CLI::App* command = app.add_subcommand(
        "readings", "Bump steer gauge readings against the classic and the 3-D bump steer");
    command->add_option("PROJECT", args->project, "Project file (.kqw or .kqp)")->required();
    command->add_option("--side", args->side, "Side whose readings to compare")
        ->check(CLI::IsMember({"left", "right"}));
    command->add_option("--format", args->format, "Output format")
        ->check(CLI::IsMember({"json", "text"}));
    command->callback([args] { readingsCommand(*args); });
}

} // namespace velmora::cli
