#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The one place where a decimal number is delimited in a text, for the project reader and the
// number boxes alike. The period is the decimal separator whatever the locale. Callers decide
// what may surround the number and how its value is rounded.
namespace velmora {

// An exponent this large is already far beyond any double; larger ones are held at it.
inline constexpr long long kExponentLimit = 1'000'000'000;

struct DecimalNumber {
    bool negative = false;
    std::string_view mantissa; // digits with at most one period, at least one digit
    std::string_view body;     // the number as written, without its sign
    long long exponent = 0;    // the written exponent, 0 when there is none
    bool allZeros = true;      // every mantissa digit is 0
    // Decimal exponent of the first non-zero digit in scientific notation (12.5 -> 1,
    // 0.05 -> -2, 3e4 -> 4): tells an underflow from an overflow when the value cannot be held.
    long long order = 0;
    std::size_t end = 0; // index in the text just past the number
};

// Reads a number starting exactly at `start` (nothing is skipped): an optional sign, digits
// with at most one period (".5", "5." are numbers) and an optional exponent: one of
// `exponentLetters`, an optional sign and at least one digit. An exponent letter without a
// digit after it is not part of the number ("1e" ends before the e). No digit: nullopt.
std::optional<DecimalNumber> scanDecimal(std::string_view text, std::size_t start,
                                         std::string_view exponentLetters);

// The form std::from_chars reads whatever letter the text used: "-12.5e-3".
std::string normalDecimalText(const DecimalNumber& number);

} // namespace velmora
