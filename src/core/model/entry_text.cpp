#include "model/entry_text.h"

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
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Rough power of ten of a delimited number "ddd.ddd[e[+-]ddd]" (not 0): tells an overflow from
// an underflow when the exact value cannot be held.
long decimalOrder(std::string_view body) {
    const auto ePos = body.find_first_of("eE");
    const std::string_view mantissa = body.substr(0, ePos);
    long exponent = 0;
    if (ePos != std::string_view::npos) {
        std::string_view digits = body.substr(ePos + 1);
        const bool negative = !digits.empty() && digits.front() == '-';
        if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
            digits.remove_prefix(1);
        }
        for (char c : digits) {
            exponent = std::min(exponent * 10 + (c - '0'), 100000L); // far beyond any double
        }
        exponent = negative ? -exponent : exponent;
    }
    const auto point = std::min(mantissa.find('.'), mantissa.size());
    const auto firstNonZero = mantissa.find_first_not_of("0.");
    if (firstNonZero == std::string_view::npos) {
        return -100000L; // all zeros
    }
    const long position = firstNonZero < point ? static_cast<long>(point - firstNonZero)
                                               : -static_cast<long>(firstNonZero - point) + 1;
    return exponent + position;
}

// A number found at the start of a text (after blanks): its value and where it ends.
struct ScannedNumber {
    double value = 0;
    bool finite = true;
    std::size_t end = 0; // index just past the last character of the number
};

// Finds the longest prefix (after leading blanks) that reads as a number. An exponent is only
// taken when at least one digit follows its letter and optional sign.
std::optional<ScannedNumber> scanNumber(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && isBlank(text[pos])) {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    const std::size_t mantissaStart = pos;
    std::size_t digits = 0;
    while (pos < text.size() && isDigit(text[pos])) {
        ++pos;
        ++digits;
    }
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        while (pos < text.size() && isDigit(text[pos])) {
            ++pos;
            ++digits;
        }
    }
    if (digits == 0) {
        return std::nullopt;
    }
    std::size_t end = pos;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t exp = pos + 1;
        if (exp < text.size() && (text[exp] == '+' || text[exp] == '-')) {
            ++exp;
        }
        if (exp < text.size() && isDigit(text[exp])) {
            while (exp < text.size() && isDigit(text[exp])) {
                ++exp;
            }
            end = exp;
        }
    }

    // from_chars takes no leading '+' and reads the locale-free form we have just delimited.
    const std::string_view body = text.substr(mantissaStart, end - mantissaStart);
    ScannedNumber scanned;
    scanned.end = end;
    double magnitude = 0;
    const auto [ptr, ec] = std::from_chars(body.data(), body.data() + body.size(), magnitude);
    if (ec == std::errc::result_out_of_range) {
        // Tiny magnitudes underflow to 0; huge ones cannot be held.
        scanned.finite = decimalOrder(body) < 0;
        magnitude = 0;
    } else if (ec != std::errc{} || ptr != body.data() + body.size()) {
        return std::nullopt;
    }
    scanned.value = negative ? -magnitude : magnitude;
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

std::optional<float> storedValue(std::string_view text) {
    const auto scanned = scanNumber(text);
    if (!scanned || !scanned->finite || !fitsSingle(scanned->value)) {
        return std::nullopt;
    }
    for (std::size_t pos = scanned->end; pos < text.size(); ++pos) {
        if (!isBlank(text[pos])) {
            return std::nullopt;
        }
    }
    return static_cast<float>(scanned->value) + 0.0f;
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
