// velmora-cli: the analysis of a project without a screen, for scripts and batch work.
#include "cli_common.h"
#include "cli_output.h"
#include "commands.h"
#include "velmora_version.h"

#include <algorithm>
#include <exception>
#include <iostream>
#include <string>
#include <string_view>

namespace {

using namespace velmora::cli;

// Every failure is one line on stderr, whatever text a library or the system gave it.
void reportFailure(std::string_view what) {
    std::string line(what);
    std::replace(line.begin(), line.end(), '\n', ' ');
    std::cerr << "velmora-cli: " << line << "\n";
}

// The toolkit of options says only "A subcommand is required" for a word that is no command.
void refuseUnknownCommand(const CLI::App& app, int argc, char** argv) {
    if (argc < 2 || argv[1][0] == '-') {
        return;
    }
    std::string names;
    for (const CLI::App* command : app.get_subcommands({})) {
        if (command->get_name() == argv[1]) {
            return;
        }
        names += (names.empty() ? "" : ", ") + command->get_name();
    }
    throw UsageError(std::string("'") + argv[1] + "' is not a command; the commands are " + names);
}

int runCommand(int argc, char** argv) {
    CLI::App app{"Velmora command-line companion: analyse front suspension projects"};
    app.set_version_flag("--version", std::string("velmora-cli ") + VELMORA_VERSION);
    app.require_subcommand(1);
    int exitCode = kExitOk;
    registerCommands(app, exitCode);
    addUnitsOptions(app);
    refuseEmptyValues(app);
    try {
        refuseUnknownCommand(app, argc, argv);
        takeUnitsFromArguments(argc, argv);
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        std::cout << app.help();
        return kExitOk;
    } catch (const CLI::CallForVersion&) {
        std::cout << app.version() << "\n";
        return kExitOk;
    } catch (const CLI::CallForAllHelp&) {
        std::cout << app.help("", CLI::AppFormatMode::All);
        return kExitOk;
    } catch (const CLI::ParseError& error) {
        reportFailure(error.what());
        return kExitUsage;
    } catch (const std::bad_alloc&) {
        reportFailure("not enough memory for this command");
        return kExitUsage;
    } catch (const std::exception& error) { // UsageError included
        reportFailure(error.what());
        return kExitUsage;
    }
    return exitCode;
}

} // namespace

int main(int argc, char** argv) {
    checkStandardOutput();
    int exitCode = runCommand(argc, argv);
    if (exitCode == kExitOk) {
        printOpenNotices();
    }
    // A result that never reached its reader is a failure, whatever the command did.
    if (!finishStandardOutput()) {
        exitCode = kExitUsage;
    }
    return exitCode;
}
