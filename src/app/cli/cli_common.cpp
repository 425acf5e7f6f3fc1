#include "cli_common.h"

#include "model/travel.h"

#include "geometry/sweep.h"
#include "model/number_text.h"
#include "model/project_file.h"
#include "model/project_file_io.h"
#include "model/shown_length.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <iostream>

namespace velmora::cli {

namespace {

// What Open would tell about the projects read, said once the command has succeeded: a
// failure is one line alone.
std::vector<Message>& openNotices() {
    static std::vector<Message> notices;
    return notices;
}

} // namespace

void printOpenNotices() {
    for (const Message& notice : openNotices()) {
        std::cerr << notice.title << ": " << notice.text << "\n";
    }
    openNotices().clear();
}

SuspensionState loadProject(const std::string& path) {
    const ProjectReadResult result = readProjectFile(path);
    if (!result.ok()) {
        // A file that cannot be read at all is named by the detail already.
        const std::string& detail = result.error->detail;
        const bool detailNamesFile = detail.ends_with(" " + path);
        throw UsageError((detailNamesFile ? std::string() : path + ": ") + openErrorMessage().text +
                         " (" + detail + ")");
    }
    SuspensionState state;
    state.Lfile = path;
    const ProjectFile& project = *result.project;
    if (const std::optional<Message> notice = openNotice(project)) {
        openNotices().push_back(*notice);
    }
    applyProjectData(state, project);
    // What the track-type and car-style commands that Open runs leave in the state.
    state.TrackType = std::string(trackTypeText(trackChoiceFor(project)));
    const CarStyleChoice style = carStyleChoiceFor(project, path);
    if (style != CarStyleChoice::None) {
        state.CarStyle = std::string(carStyleText(style));
        state.FormulaCar = style == CarStyleChoice::Formula;
    }
    return state;
}

namespace {

// A travel the sweep can step: inches, 0 or more, that a single holds; a number that is not 0
// but too small for a single would become 0, which the sweep takes as "9 inches each way".
const CLI::Validator& travelInches() {
    static const CLI::Validator validator =
        numberCheck({.single = true}, [](double value, const std::string& text) {
            return value < 0 ? "travel " + quotedTyped(text) + " must be 0 or more inches"
                             : std::string();
        });
    return validator;
}

} // namespace

double numberArgument(const std::string& text, const std::string& option, TypedNumberForm form) {
    const TypedNumber number = readTypedNumber(text, form);
    if (!number.ok()) {
        throw UsageError(option + ": " + number.problem);
    }
    return number.value;
}

double lengthArgument(const std::string& text, const std::string& option) {
    return typedLength(numberArgument(text, option));
}

const CLI::Validator& lengthInInches() {
    static const CLI::Validator validator(
        [](std::string& text) {
            // Read as a double: a single first would round the millimetres before the division.
            const TypedNumber number = readTypedNumber(text);
            if (number.ok() && showsMillimetres()) {
                char inches[32];
                const auto result =
                    std::to_chars(inches, inches + sizeof inches, typedStoredLength(number.value));
                text.assign(inches, result.ptr);
            }
            return std::string();
        },
        "");
    return validator;
}

void addUnitsOptions(CLI::App& app) {
    for (CLI::App* command : app.get_subcommands({})) {
        if (command->get_option_no_throw("--units") != nullptr) {
            addUnitsOptions(*command);
            continue;
        }
        command->add_option("--units", "Unit of the lengths read and written: in (default) or mm")
            ->check(CLI::IsMember({"in", "mm"}));
        addUnitsOptions(*command);
    }
}

void takeUnitsFromArguments(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument(argv[i]);
        std::string_view value;
        if (argument == "--units" && i + 1 < argc) {
            value = argv[i + 1];
        } else if (argument.starts_with("--units=")) {
            value = argument.substr(8);
        } else {
            continue;
        }
        // A value that names no unit is refused by the option's own check.
        if (const std::optional<LengthUnit> unit = lengthUnitNamed(value);
            unit && value.size() == 2) {
            setDisplayUnit(*unit);
        }
    }
}

void refuseProblem(const std::string& option, const std::string& problem) {
    if (!problem.empty()) {
        throw UsageError(option + ": " + problem);
    }
}

CLI::Validator numberCheck(TypedNumberForm form,
                           std::function<std::string(double, const std::string&)> range) {
    return CLI::Validator(
        [form, range](std::string& text) {
            const TypedNumber number = readTypedNumber(text, form);
            return number.ok() ? range(number.value, text) : number.problem;
        },
        form.whole ? "WHOLE" : "NUMBER");
}

void addSweepOptions(CLI::App& command, SweepOptions& options) {
    command.add_option("--side", options.side, "Side to analyse")
        ->check(CLI::IsMember({"left", "right"}));
    command.add_option("--bump", options.bump, "Bump travel (default 3 in)")
        ->check(travelInches())
        ->transform(lengthInInches());
    command.add_option("--rebound", options.rebound, "Rebound travel (default 3 in)")
        ->check(travelInches())
        ->transform(lengthInInches());
}

void refuseEmptyValues(CLI::App& app) {
    // An empty text would otherwise become the option's default (0 for a number, no size,
    // no file), and the command would run on something the user did not ask for.
    static const CLI::Validator notEmpty(
        [](std::string& text) {
            return text.empty() ? std::string("an empty value is not allowed") : std::string();
        },
        "");
    for (CLI::App* command : app.get_subcommands({})) {
        for (CLI::Option* option : command->get_options()) {
            if (option->get_items_expected_max() > 0) {
                option->check(notEmpty);
            }
        }
        refuseEmptyValues(*command);
    }
}

namespace {

// The shortest text that reads back to the same single, as the user would write it: 2e+38.
std::string travelText(float value) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

} // namespace

void requireWheelPositions(const SweepOptions& options) {
    const Travel travel{options.bump, options.rebound};
    std::string why;
    if (travel.IsValid(&why)) {
        return;
    }
    if (travel.problem() == Travel::Problem::NotFinite) {
        throw UsageError("--bump and --rebound must be finite numbers");
    }
    throw UsageError("--bump " + travelText(options.bump) + " and --rebound " +
                     travelText(options.rebound) + " give no wheel position: " + why);
}

bool sweepSide(SuspensionState& state, const SweepOptions& options, MessageSink& sink) {
    requireWheelPositions(options);
    state.Right_Active = options.side == "right";
    state.VU = options.bump;
    state.VD = options.rebound;
    const bool complete = isComplete(state.activeCoords());
    CALC(state, sink);
    return complete;
}

nlohmann::json optionalJson(const std::optional<double>& value) {
    return value ? nlohmann::json(*value) : nlohmann::json(nullptr);
}

nlohmann::json optionalJson(const std::optional<float>& value) {
    return value ? singleJson(*value) : nlohmann::json(nullptr);
}

nlohmann::json singleJson(float value) {
    if (!std::isfinite(value)) {
        return nullptr;
    }
    // The double nearest the shortest decimal of the single is written as that decimal.
    return std::strtod(shortestText(value).c_str(), nullptr);
}

nlohmann::json messagesJson(const std::vector<Message>& messages) {
    nlohmann::json list = nlohmann::json::array();
    for (const Message& message : messages) {
        list.push_back({{"title", message.title}, {"text", message.text}});
    }
    return list;
}

std::vector<float> travelValues(float vu, float vy, int n) {
    std::vector<float> travel;
    float t = vu;
    for (int i = 1; i <= n; ++i) {
        travel.push_back(t);
        t = t - vy;
    }
    return travel;
}

const char* sideWord(bool rightActive) {
    return rightActive ? "right" : "left";
}

std::string inUnit(std::string caption) {
    if (!showsMillimetres()) {
        return caption;
    }
    for (const char* pattern : {"(in)", "(in,", " in "}) {
        const std::string from(pattern);
        std::string to = from;
        to.replace(to.find("in"), 2, "mm");
        for (auto at = caption.find(from); at != std::string::npos;
             at = caption.find(from, at + to.size())) {
            caption.replace(at, from.size(), to);
        }
    }
    if (caption.ends_with(" in")) {
        caption.replace(caption.size() - 2, 2, "mm");
    }
    return caption;
}

std::string lengthFixed(double inches, int decimals) {
    return fixedText(shownLength(inches), decimals);
}

} // namespace velmora::cli
