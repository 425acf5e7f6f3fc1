#include "json_output.h"

#include <charconv>
#include <cmath>

namespace velmora::cli {
namespace {

void write(const nlohmann::json& value, int indent, int depth, std::string& out) {
    const std::string inner(static_cast<std::size_t>(indent * (depth + 1)), ' ');
    const std::string outer(static_cast<std::size_t>(indent * depth), ' ');
    switch (value.type()) {
    case nlohmann::json::value_t::object: {
        if (value.empty()) {
            out += "{}";
            return;
        }
        out += "{\n";
        bool first = true;
        for (const auto& [key, item] : value.items()) {
            out += first ? "" : ",\n";
            first = false;
            out += inner + nlohmann::json(key).dump() + ": ";
            write(item, indent, depth + 1, out);
        }
        out += "\n" + outer + "}";
        return;
    }
    case nlohmann::json::value_t::array: {
        if (value.empty()) {
            out += "[]";
            return;
        }
        out += "[\n";
        bool first = true;
        for (const auto& item : value) {
            out += first ? "" : ",\n";
            first = false;
            out += inner;
            write(item, indent, depth + 1, out);
        }
        out += "\n" + outer + "]";
        return;
    }
    case nlohmann::json::value_t::number_float: {
        const double number = value.get<double>();
        out += std::isfinite(number) ? shortestDouble(number) : "null";
        return;
    }
    default:
        out += value.dump();
        return;
    }
}

} // namespace

std::string shortestDouble(double value) {
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, value);
    std::string s(text, result.ptr);
    // A whole number keeps a fraction, so that it still reads as a floating-point number.
    if (s.find_first_of(".en") == std::string::npos) {
        s += ".0";
    }
    return s;
}

std::string dumpShortest(const nlohmann::json& value, int indent) {
    std::string out;
    write(value, indent, 0, out);
    return out;
}

} // namespace velmora::cli
