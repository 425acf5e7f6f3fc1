// velmora-cli: the analysis of a project without a screen, for scripts and batch work.
#include "cli_common.h"
#include "commands.h"
#include "velmora_version.h"

#include <iostream>

int main(int argc, char** argv) {
    using namespace velmora::cli;
    CLI::App app{"Velmora command-line companion: analyse front suspension projects"};
    app.set_version_flag("--version", std::string("velmora-cli ") + VELMORA_VERSION);
    app.require_subcommand(1);
    int exitCode = kExitOk;
    registerCommands(app, exitCode);
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
    }
    return exitCode;
}
