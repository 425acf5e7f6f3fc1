#pragma once

#include "model/message_sink.h"
#include "model/suspension_state.h"
#include "model/typed_number.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace velmora::cli {

// Exit codes: 0 success (geometry messages included), 2 for any failure: bad arguments, a
// file that cannot be read or written, output that cannot be written.
inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 2;

// A failure the user must fix: printed on stderr, exit status 2.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Reads PROJECT the way Open does (format chosen by the path's suffix) into a fresh state,
// with the car style and track type the file selects. What Open would tell about the file
// waits for printOpenNotices().
SuspensionState loadProject(const std::string& path);
// Prints on stderr what Open would have told about the projects read; main() calls it when
// the command succeeded, so that a failure stays one line.
void printOpenNotices();

// Side, travel and the sweep the main window would run for them.
struct SweepOptions {
    std::string side = "left";
    float bump = 3.0f;
    float rebound = 3.0f;
};
void addSweepOptions(CLI::App& command, SweepOptions& options);

// The one rule every number option follows: its text read as a typed number; a refusal names
// the option and the text ("--rack: \"abc\" is not a number").
double numberArgument(const std::string& text, const std::string& option,
                      TypedNumberForm form = {});
// A length option: its text read by the same rule, in the unit --units names, as inches.
double lengthArgument(const std::string& text, const std::string& option);
// A transform for a length option CLI11 converts to a single itself: the typed length in the
// unit --units names becomes the text of the single inch value nearest to it.
const CLI::Validator& lengthInInches();
// Every command's --units in|mm. The unit is taken from the arguments before any option is
// converted, so a length option reads in it wherever --units stands on the line.
void addUnitsOptions(CLI::App& app);
void takeUnitsFromArguments(int argc, char** argv);

// Refuses an option's value with the reason a range check gave, naming the option first.
void refuseProblem(const std::string& option, const std::string& problem);
// The same rule as a check of an option CLI11 converts itself: the text is refused before any
// conversion could fail. `range` gives the reason a number that was read cannot be taken.
CLI::Validator numberCheck(TypedNumberForm form,
                           std::function<std::string(double, const std::string&)> range);

// Makes every option and argument of every command refuse an empty value ("--side ''").
void refuseEmptyValues(CLI::App& app);
// Throws UsageError when the travel gives the sweep no wheel position to step (bump and
// rebound too large together for a single, or too small to divide into steps).
void requireWheelPositions(const SweepOptions& options);
// Sets the side active and VU/VD directly, runs CALC; returns whether the side was complete.
bool sweepSide(SuspensionState& state, const SweepOptions& options, MessageSink& sink);

// A single written as the shortest decimal that reads back to the same single.
nlohmann::json singleJson(float value);
// The value, or null where it is not known; a single as singleJson writes it.
nlohmann::json optionalJson(const std::optional<double>& value);
nlohmann::json optionalJson(const std::optional<float>& value);
nlohmann::json messagesJson(const std::vector<Message>& messages);

// Travel of position i (1-based) as the sweep steps it: VU, then repeated VY subtraction.
std::vector<float> travelValues(float vu, float vy, int n);

const char* sideWord(bool rightActive);

// A caption or heading written for inches in the unit --units names: "(in)" and "(in," become
// "(mm)" and "(mm,", a word " in" at its end or before a blank " mm".
std::string inUnit(std::string caption);
// A length at fixed decimals in the unit --units names.
std::string lengthFixed(double inches, int decimals);

} // namespace velmora::cli
