#pragma once

#include <string>
#include <vector>

namespace velmora::test {

// Whether this build's velmora-cli can draw (PNG and PDF need the desktop libraries; the
// sanitizer build has none).
#ifdef VELMORA_CLI_RENDERS
inline constexpr bool kCliRenders = true;
#else
inline constexpr bool kCliRenders = false;
#endif

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs the built velmora-cli with the arguments (each passed as one word) and captures
// its output. A run that hangs (a write into a pipe nobody reads) is ended after a minute.
CliRun runCli(const std::vector<std::string>& args);

// As runCli, with standard output sent to `stdoutPath` (such as /dev/full) instead of being
// captured.
CliRun runCliWithStdoutTo(const std::vector<std::string>& args, const std::string& stdoutPath);

// Runs `prefix` (a shell command, its words already quoted) followed by the arguments, each
// quoted as one word.
CliRun runCommand(const std::string& prefix, const std::vector<std::string>& args,
                  const std::string& stdoutPath = "");

std::string examplePath(const std::string& name);

} // namespace velmora::test
