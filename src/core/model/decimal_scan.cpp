#include "model/decimal_scan.h"

#include <algorithm>

namespace velmora {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::optional<DecimalNumber> scanDecimal(std::string_view text, std::size_t start,
                                         std::string_view exponentLetters) {
    DecimalNumber number;
    std::size_t pos = start;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        number.negative = text[pos] == '-';
        ++pos;
    }
    const std::size_t mantissaStart = pos;
    std::size_t digitCount = 0;
    bool seenPoint = false;
    long long integerDigits = 0; // significant digits before the period
    long long fractionZeros = 0; // zeros after the period before the first non-zero digit
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (isDigit(c)) {
            ++digitCount;
            if (!seenPoint) {
                if (!number.allZeros || c != '0') {
                    ++integerDigits;
                }
            } else if (number.allZeros && c == '0') {
                ++fractionZeros;
            }
            number.allZeros = number.allZeros && c == '0';
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
    }
    if (digitCount == 0) {
        return std::nullopt;
    }
    number.mantissa = text.substr(mantissaStart, pos - mantissaStart);
    number.end = pos;

    if (pos < text.size() && exponentLetters.find(text[pos]) != std::string_view::npos) {
        std::size_t exp = pos + 1;
        bool exponentNegative = false;
        if (exp < text.size() && (text[exp] == '+' || text[exp] == '-')) {
            exponentNegative = text[exp] == '-';
            ++exp;
        }
        const std::size_t exponentStart = exp;
        long long exponent = 0;
        for (; exp < text.size() && isDigit(text[exp]); ++exp) {
            exponent = std::min(exponent * 10 + (text[exp] - '0'), kExponentLimit);
        }
        if (exp != exponentStart) {
            number.exponent = exponentNegative ? -exponent : exponent;
            number.end = exp;
        }
    }
    number.body = text.substr(mantissaStart, number.end - mantissaStart);
    number.order = (integerDigits > 0 ? integerDigits - 1 : -fractionZeros - 1) + number.exponent;
    return number;
}

std::string normalDecimalText(const DecimalNumber& number) {
    std::string normal;
    normal.reserve(number.mantissa.size() + 16);
    if (number.negative) {
        normal += '-';
    }
    normal += number.mantissa;
    normal += 'e';
    normal += std::to_string(number.exponent);
    return normal;
}

} // namespace velmora
