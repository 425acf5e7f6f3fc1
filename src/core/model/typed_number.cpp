#include "model/typed_number.h"

#include "model/decimal_scan.h"
#include "model/number_text.h"
#include "model/shown_length.h"
#include "model/text_encoding.h"

#include <charconv>
#include <cmath>

namespace velmora {
namespace {

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

TypedNumber refused(std::string_view text, const char* why) {
    return TypedNumber{0, quotedTyped(text) + " " + why};
}

} // namespace

std::string quotedTyped(std::string_view text) {
    return "\"" + quotedFileText(text, 40) + "\"";
}

TypedNumber readTypedNumber(std::string_view text, TypedNumberForm form) {
    const std::string_view body = form.blanksAround ? trimmed(text) : text;
    const auto number = scanDecimal(body, 0, "Ee");
    if (!number || number->end != body.size()) {
        return refused(text, form.whole ? "is not a whole number" : "is not a number");
    }
    const std::string normal = normalDecimalText(*number);
    double value = 0;
    const auto [end, ec] = std::from_chars(normal.data(), normal.data() + normal.size(), value);
    const bool tooLarge = ec == std::errc::result_out_of_range && number->order > 0;
    const bool tooSmall = ec == std::errc::result_out_of_range && number->order < 0;
    if (tooLarge ||
        (form.single && !number->allZeros && !std::isfinite(static_cast<float>(value)))) {
        return refused(text, "is too large");
    }
    if (tooSmall || (form.single && !number->allZeros && static_cast<float>(value) == 0.0f)) {
        return refused(text, "is not 0 but too small to be told from 0");
    }
    if (ec != std::errc() || end != normal.data() + normal.size()) {
        return refused(text, "is not a number");
    }
    if (form.whole && value != std::floor(value)) {
        return refused(text, "is not a whole number");
    }
    if (form.single) {
        value = static_cast<float>(value);
    }
    return TypedNumber{value == 0 ? 0.0 : value, {}};
}

std::string outsideRange(std::string_view name, std::string_view typed, double value, double low,
                         double high, std::string_view unit) {
    const std::string shown = typed.empty() ? generalText(value) : quotedFileText(typed, 40);
    return std::string(name) + " " + shown + " is outside " + generalText(low) + " to " +
           generalText(high) + (unit.empty() ? "" : " ") + std::string(unit);
}

std::string outsideLengthRange(std::string_view name, std::string_view typed, double inches,
                               double low, double high) {
    return outsideRange(name, typed, shownLength(inches), shownLength(low), shownLength(high),
                        lengthUnitText());
}

bool noProblem(std::initializer_list<std::string> problems, std::string* why) {
    for (const std::string& problem : problems) {
        if (!problem.empty()) {
            if (why != nullptr) {
                *why = problem;
            }
            return false;
        }
    }
    if (why != nullptr) {
        why->clear();
    }
    return true;
}

} // namespace velmora
