#include "model/entry_text.h"

#include "model/decimal_scan.h"
#include "model/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace velmora {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
// A number found at the start of a text (after blanks): its value and where it ends.
struct ScannedNumber {
    double value = 0;
    bool finite = true;
    std::size_t end = 0; // index just past the last character of the number
};

// The longest prefix (after leading blanks) that reads as a number, read as a double.
std::optional<ScannedNumber> scanNumber(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && isBlank(text[pos])) {
        ++pos;
    }
    const std::optional<DecimalNumber> number = scanDecimal(text, pos, "Ee");
    if (!number) {
        return std::nullopt;
    }
    ScannedNumber scanned;
    scanned.end = number->end;
    double magnitude = 0;
    const std::string_view body = number->body;
    const auto [ptr, ec] = std::from_chars(body.data(), body.data() + body.size(), magnitude);
    if (ec == std::errc::result_out_of_range) {
        // Tiny magnitudes underflow to 0; huge ones cannot be held.
        scanned.finite = number->order < 0;
        magnitude = 0;
    } else if (ec != std::errc{} || ptr != body.data() + body.size()) {
        return std::nullopt;
    }
    scanned.value = number->negative ? -magnitude : magnitude;
    return scanned;
}

bool fitsSingle(double value) {
    return std::fabs(value) <= static_cast<double>(std::numeric_limits<float>::max());
}

std::string sixCharacters(double value) {
    return SignedText(value + 0.000001).substr(0, 6);
}

} // namespace

double leadingNumber(std::string_view text) {
    const auto scanned = scanNumber(text);
    if (!scanned || !scanned->finite) {
        return 0;
    }
    return scanned->value + 0.0; // "-0" reads as 0
}

float readBoxValue(std::string_view text) {
    const double value = leadingNumber(text);
    return fitsSingle(value) ? static_cast<float>(value) : 0.0f;
}

std::optional<double> wholeTextNumber(std::string_view text) {
    const auto scanned = scanNumber(text);
    if (!scanned || !scanned->finite || !fitsSingle(scanned->value)) {
        return std::nullopt;
    }
    for (std::size_t pos = scanned->end; pos < text.size(); ++pos) {
        if (!isBlank(text[pos])) {
            return std::nullopt;
        }
    }
    return scanned->value;
}

std::optional<float> storedValue(std::string_view text) {
    const std::optional<double> value = wholeTextNumber(text);
    if (!value) {
        return std::nullopt;
    }
    return static_cast<float>(*value) + 0.0f;
}

std::string boxText(float value) {
    return generalText(value);
}

std::string coordinateCellText(float value) {
    if (value == 0.0f) {
        return {};
    }
    return sixCharacters(static_cast<double>(value));
}

std::string coordinatePrintText(std::string_view boxText) {
    return sixCharacters(leadingNumber(boxText));
}

} // namespace velmora
