#pragma once

#include <nlohmann/json.hpp>

#include <string>

namespace velmora::cli {

// The JSON text of a value, laid out like nlohmann's dump with an indent, but with every
// double written as the shortest text that reads back to exactly that double.
std::string dumpShortest(const nlohmann::json& value, int indent = 2);

// The shortest text that reads back to exactly `value` ("0.1", "-2.5e-05").
std::string shortestDouble(double value);

} // namespace velmora::cli
