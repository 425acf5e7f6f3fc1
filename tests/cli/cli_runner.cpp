#include "cli/cli_runner.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace velmora::test {
namespace {

std::string quoted(const std::string& word) {
    std::string out = "'";
    for (char c : word) {
        if (c == '\'') {
            out += "'\\''";
        } else {
            out += c;
        }
    }
    return out + "'";
}

std::string slurp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

CliRun runCli(const std::vector<std::string>& args) {
    return runCliWithStdoutTo(args, "");
}

CliRun runCliWithStdoutTo(const std::vector<std::string>& args, const std::string& stdoutPath) {
    return runCommand("timeout 60 " + quoted(VELMORA_CLI), args, stdoutPath);
}

CliRun runCommand(const std::string& prefix, const std::vector<std::string>& args,
                  const std::string& stdoutPath) {
    const auto dir =
        std::filesystem::temp_directory_path() / ("velmora-cli-test-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::string command = prefix;
    for (const std::string& arg : args) {
        command += " " + quoted(arg);
    }
    const std::string out = stdoutPath.empty() ? (dir / "out").string() : stdoutPath;
    command += " >" + quoted(out) + " 2>" + quoted((dir / "err").string());
    const int status = std::system(command.c_str());
    CliRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = stdoutPath.empty() ? slurp(dir / "out") : std::string();
    run.err = slurp(dir / "err");
    std::filesystem::remove_all(dir);
    return run;
}

std::string examplePath(const std::string& name) {
    return std::string(VELMORA_SOURCE_DIR) + "/examples/" + name;
}

} // namespace velmora::test
