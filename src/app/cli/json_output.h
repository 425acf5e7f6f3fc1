#pragma once

#include <nlohmann/json.hpp>

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace velmora::cli {

// The JSON text of a value, laid out like nlohmann's dump with an indent, but with every
// double written as the shortest text that reads back to exactly that double.
std::string dumpShortest(const nlohmann::json& value, int indent = 2);

// Adds the top-level "units" ("in" or "mm", as --units asked) and, in millimetres, multiplies
// every number under the keys named (at any depth, the whole value under such a key) by 25.4.
// The keys stay what they are in inches.
void putUnits(nlohmann::json& out, std::initializer_list<std::string_view> lengthKeys);

// A sweep's CSV header, whose length columns name their unit in millimetres ("travel (mm)");
// in inches the header stays as it always was.
std::string csvHeader(std::string_view inchHeader);
// A length cell: a single's shortest text in inches; in millimetres the shortest double of that
// decimal times 25.4, as the JSON writes it.
std::string csvLength(float inches);
std::string csvLength(double inches);

// The shortest text that reads back to exactly `value` ("0.1", "-2.5e-05").
std::string shortestDouble(double value);

} // namespace velmora::cli
