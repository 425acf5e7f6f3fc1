#pragma once

#include <string>
#include <vector>

namespace velmora::test {

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs the built velmora-cli with the arguments (each passed as one word) and captures
// its output.
CliRun runCli(const std::vector<std::string>& args);

std::string examplePath(const std::string& name);

} // namespace velmora::test
