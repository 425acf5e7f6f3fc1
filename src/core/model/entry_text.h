#pragma once

#include <optional>
#include <string>
#include <string_view>

// Texts of the number boxes: how a typed text becomes a number and how a stored number is
// shown again. The period is the decimal separator whatever the locale.
namespace velmora {

// The number at the beginning of a text, the way the boxes are read: leading blanks and tabs
// are skipped, then an optional sign, digits with at most one point and an optional exponent
// ("1E2", "2.5e-3"); reading stops at the first character that cannot continue the number
// ("7x" -> 7, "1.2.3" -> 1.2, "12 3" -> 12, "1e" -> 1). A text without a leading number reads
// as 0, and so does a number too large for a double ("1e999"): a value that cannot be held is
// treated like a value that was not typed.
double leadingNumber(std::string_view text);

// A wizard or travel box read as a single: the leading number, 0 when there is none or when
// it is beyond the range of a single.
float readBoxValue(std::string_view text);

// The whole text as a single, as the coordinate table stores it: blanks around the number are
// allowed, anything else after it, an empty text, or a number beyond the range of a single is
// a failure.
std::optional<float> storedValue(std::string_view text);
// The same whole-text rule, the number kept as a double (a length typed in another unit is
// divided before it is rounded to a single).
std::optional<double> wholeTextNumber(std::string_view text);

// A value put into a wizard or travel box: plain decimal text, up to 7 significant digits,
// "0" for 0 (12.3 -> "12.3", 3 -> "3").
std::string boxText(float value);

// A coordinate table cell: the first 6 characters of SignedText(value + 0.000001) written
// with up to 15 significant digits, empty for 0 (12.3 -> " 12.30", -3.25 -> "-3.249",
// 100.25 -> " 100.2", 0.5 -> " .5000"). The added millionth keeps 12.3 from showing as 12.29.
std::string coordinateCellText(float value);

// The coordinate printout's text of a box: its leading number (0 when none) + 0.000001,
// written the same way and cut to 6 characters ("12.5" -> " 12.50", "7x" -> " 7.000").
std::string coordinatePrintText(std::string_view boxText);

} // namespace velmora
