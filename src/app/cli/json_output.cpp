#include "json_output.h"

#include "model/number_text.h"
#include "model/shown_length.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

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

void scaleNumbers(nlohmann::json& value) {
    if (value.is_number()) {
        value = value.get<double>() * kMillimetresPerInch;
        return;
    }
    if (value.is_structured()) {
        for (auto& item : value) {
            scaleNumbers(item);
        }
    }
}

void scaleLengths(nlohmann::json& value, std::initializer_list<std::string_view> keys) {
    if (value.is_object()) {
        for (auto& [key, item] : value.items()) {
            if (std::find(keys.begin(), keys.end(), key) != keys.end()) {
                scaleNumbers(item);
            } else {
                scaleLengths(item, keys);
            }
        }
    } else if (value.is_array()) {
        for (auto& item : value) {
            scaleLengths(item, keys);
        }
    }
}

} // namespace

void putUnits(nlohmann::json& out, std::initializer_list<std::string_view> lengthKeys) {
    if (showsMillimetres()) {
        scaleLengths(out, lengthKeys);
    }
    out["units"] = lengthUnitText();
}

std::string csvHeader(std::string_view inchHeader) {
    if (!showsMillimetres()) {
        return std::string(inchHeader);
    }
    // The angles and the position are the columns that are no length.
    constexpr std::string_view kNoLength[] = {"position", "CamberChange", "CasterChange",
                                              "BumpSteer"};
    std::string header;
    while (!inchHeader.empty()) {
        const std::size_t comma = inchHeader.find(',');
        const std::string_view name = inchHeader.substr(0, comma);
        header += header.empty() ? "" : ",";
        header += name;
        if (std::find(std::begin(kNoLength), std::end(kNoLength), name) == std::end(kNoLength)) {
            header += " (mm)";
        }
        inchHeader = comma == std::string_view::npos ? "" : inchHeader.substr(comma + 1);
    }
    return header;
}

std::string csvLength(float inches) {
    if (!showsMillimetres()) {
        return shortestText(inches);
    }
    return shortestDouble(std::strtod(shortestText(inches).c_str(), nullptr) * kMillimetresPerInch);
}

std::string csvLength(double inches) {
    return showsMillimetres() ? shortestDouble(inches * kMillimetresPerInch)
                              : shortestDouble(inches);
}

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
