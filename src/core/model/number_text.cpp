#include "model/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

namespace velmora {
namespace {

// Decimal digits and exponent of |value| rounded to `digits` significant digits,
// trailing zeros removed: 0.0625 with 7 digits -> "625", exponent -2.
struct Decimal {
    std::string digits;
    int exponent = 0;
};

Decimal decompose(double magnitude, int digits) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*E", digits - 1, magnitude);
    std::string text(buffer);
    const auto ePos = text.find('E');
    Decimal result;
    for (std::size_t i = 0; i < ePos; ++i) {
        if (text[i] != '.') {
            result.digits.push_back(text[i]);
        }
    }
    result.exponent = std::atoi(text.c_str() + ePos + 1);
    while (result.digits.size() > 1 && result.digits.back() == '0') {
        result.digits.pop_back();
    }
    return result;
}

// Writes |value| with up to `digits` significant digits; fixed notation unless the
// exponent is below -4 or reaches `digits`, where the form 1.5E-08 / 1.234568E+07 is used.
std::string magnitudeText(double magnitude, int digits, bool zeroBeforePoint) {
    if (magnitude == 0.0) {
        return "0";
    }
    if (!std::isfinite(magnitude)) {
        return std::isnan(magnitude) ? "NaN" : "Infinity";
    }
    const Decimal d = decompose(magnitude, digits);
    if (d.exponent < -4 || d.exponent >= digits) {
        std::string text = d.digits.substr(0, 1);
        if (d.digits.size() > 1) {
            text += '.';
            text += d.digits.substr(1);
        }
        char exponent[16];
        std::snprintf(exponent, sizeof exponent, "E%c%02d", d.exponent < 0 ? '-' : '+',
                      std::abs(d.exponent));
        return text + exponent;
    }
    if (d.exponent < 0) {
        std::string text = zeroBeforePoint ? "0." : ".";
        text.append(static_cast<std::size_t>(-d.exponent - 1), '0');
        return text + d.digits;
    }
    const auto intDigits = static_cast<std::size_t>(d.exponent + 1);
    if (d.digits.size() <= intDigits) {
        return d.digits + std::string(intDigits - d.digits.size(), '0');
    }
    return d.digits.substr(0, intDigits) + "." + d.digits.substr(intDigits);
}

std::string signedText(double value, int digits) {
    const bool negative = std::signbit(value) && value != 0.0;
    std::string text(1, negative ? '-' : ' ');
    text += magnitudeText(std::fabs(value), digits, false);
    return text;
}

std::string general(double value, int digits) {
    const bool negative = std::signbit(value) && value != 0.0;
    std::string text = negative ? "-" : "";
    text += magnitudeText(std::fabs(value), digits, true);
    return text;
}

} // namespace

std::string SignedText(float value) {
    return signedText(static_cast<double>(value), 7);
}
std::string SignedText(double value) {
    return signedText(value, 15);
}

std::string generalText(float value) {
    return general(static_cast<double>(value), 7);
}
std::string generalText(double value) {
    return general(value, 15);
}

std::string shortestText(float value) {
    if (value == 0.0f) {
        return "0";
    }
    if (!std::isfinite(value)) {
        return general(static_cast<double>(value), 7);
    }
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    std::string text(buffer, ec == std::errc{} ? end : buffer);
    // Exponent form the way the rest of the program writes it: 1E-07, 2.5E+10.
    const auto ePos = text.find('e');
    if (ePos != std::string::npos) {
        const int exponent = std::atoi(text.c_str() + ePos + 1);
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, "E%c%02d", exponent < 0 ? '-' : '+',
                      std::abs(exponent));
        text = text.substr(0, ePos) + suffix;
    }
    return text;
}

double roundHalfEven(double value) {
    // nearbyint follows the default rounding mode, which is to nearest with ties to even.
    return std::nearbyint(value) + 0.0; // + 0.0 turns -0 into 0
}

double roundThousandths(double value) {
    if (!std::isfinite(value)) {
        return value;
    }
    return roundHalfEven(value * 1000.0) / 1000.0 + 0.0;
}

double roundThousandths(float value) {
    return roundThousandths(static_cast<double>(value));
}

bool fitsInt16Thousandths(double value) {
    const double scaled = roundHalfEven(value * 1000.0);
    return std::isfinite(scaled) && scaled >= -32768.0 && scaled <= 32767.0;
}

bool fitsInt32Thousandths(double value) {
    const double scaled = roundHalfEven(value * 1000.0);
    return std::isfinite(scaled) && scaled >= -2147483648.0 && scaled <= 2147483647.0;
}

std::string captionText16(double value) {
    return generalText(roundThousandths(value));
}
std::string captionText32(double value) {
    return generalText(roundThousandths(value));
}

std::string fixedText(double value, int decimals) {
    char text[400]; // room for the largest double at 15 decimals
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    const std::string s(text);
    return s[0] == '-' && s.find_first_not_of("-0.") == std::string::npos ? s.substr(1) : s;
}

} // namespace velmora
