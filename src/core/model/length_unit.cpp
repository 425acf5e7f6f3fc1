#include "model/length_unit.h"

#include "model/number_text.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace velmora {

std::string_view unitName(LengthUnit unit) {
    return unit == LengthUnit::Millimetres ? "mm" : "in";
}

std::optional<LengthUnit> lengthUnitNamed(std::string_view name) {
    while (!name.empty() && std::isspace(static_cast<unsigned char>(name.front()))) {
        name.remove_prefix(1);
    }
    while (!name.empty() && std::isspace(static_cast<unsigned char>(name.back()))) {
        name.remove_suffix(1);
    }
    if (name.size() != 2) {
        return std::nullopt;
    }
    const char a = static_cast<char>(std::tolower(static_cast<unsigned char>(name[0])));
    const char b = static_cast<char>(std::tolower(static_cast<unsigned char>(name[1])));
    if (a == 'i' && b == 'n') {
        return LengthUnit::Inches;
    }
    if (a == 'm' && b == 'm') {
        return LengthUnit::Millimetres;
    }
    return std::nullopt;
}

double lengthIn(double inches, LengthUnit unit) {
    return unit == LengthUnit::Millimetres ? inches * kMillimetresPerInch : inches;
}

float storedInches(double value, LengthUnit unit) {
    if (unit == LengthUnit::Inches) {
        return static_cast<float>(value);
    }
    // The division in extended precision, so that the single nearest the exact quotient is
    // the one kept, not the nearest to a rounded double.
    return static_cast<float>(static_cast<long double>(value) /
                              static_cast<long double>(kMillimetresPerInch));
}

std::string exactLengthText(float inches, LengthUnit unit) {
    if (inches == 0.0f) {
        return {};
    }
    if (unit == LengthUnit::Inches || !std::isfinite(inches)) {
        return shortestText(inches);
    }
    const double mm = lengthIn(static_cast<double>(inches), unit);
    char text[64];
    for (int digits = 1; digits <= 17; ++digits) {
        std::snprintf(text, sizeof text, "%.*g", digits, mm);
        if (storedInches(std::strtod(text, nullptr), unit) == inches) {
            break;
        }
    }
    return text;
}

} // namespace velmora
