// velmora-cli: the analysis of a project without a screen, for scripts and batch work.
#include "cli_common.h"
#include "cli_output.h"
#include "commands.h"
#include "velmora_version.h"

#include <exception>
#include <iostream>

namespace {

using namespace velmora::cli;

int runCommand(int argc, char** argv) {
    CLI::App app{"Velmora command-line companion: analyse front suspension projects"};
    app.set_version_flag("--version", std::string("velmora-cli ") + VELMORA_VERSION);
    app.require_subcommand(1);
    int exitCode = kExitOk;
    registerCommands(app, exitCode);
    refuseEmptyValues(app);
    try {
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
        std::cerr << "velmora-cli: " << error.what() << "\n";
        std::cerr << "Run with --help for usage.\n";
        return kExitUsage;
    } catch (const UsageError& error) {
        std::cerr << "velmora-cli: " << error.what() << "\n";
        return kExitUsage;
    } catch (const std::bad_alloc&) {
        std::cerr << "velmora-cli: not enough memory for this command\n";
        return kExitUsage;
    } catch (const std::exception& error) {
        std::cerr << "velmora-cli: " << error.what() << "\n";
        return kExitUsage;
    }
    return exitCode;
}

} // namespace

int main(int argc, char** argv) {
    checkStandardOutput();
    int exitCode = runCommand(argc, argv);
    // A result that never reached its reader is a failure, whatever the command did.
    if (!finishStandardOutput()) {
        exitCode = kExitUsage;
    }
    return exitCode;
}
