#pragma once

#include <string>

// The number texts the program shows and prints. All of them use the period as decimal
// separator whatever the locale.
namespace velmora {

// A leading blank for zero and positive numbers, "-" otherwise, no zero before the point,
// no trailing zeros: 0 -> " 0", 0.5 -> " .5", -0.037 -> "-.037", 1E-08 -> " 1E-08".
// A single is written with up to 7 significant digits, a double with up to 15.
std::string SignedText(float value);
std::string SignedText(double value);

// General format: up to 7 significant digits (single) or 15 (double), no leading blank,
// a zero before the point: 9, 6.75, -2.25, 0.75, 1E-08.
std::string generalText(float value);
std::string generalText(double value);

// Shortest text that reads back to the same single, with a zero before the point
// ("0.25", "-1.5", "3.6666665").
std::string shortestText(float value);

// Rounds to thousandths: value x 1000 (formed in double), to the nearest integer with ties
// to even, divided by 1000. Shown values pass through a 16-bit integer; a value beyond
// +-32.767 is still rounded to three decimals rather than wrapped.
double roundThousandths(float value);
double roundThousandths(double value);

// True when value x 1000 rounds into a 16-bit (or 32-bit) integer.
bool fitsInt16Thousandths(double value);
bool fitsInt32Thousandths(double value);

// Caption of a static-geometry value: rounded to thousandths and written in general format
// ("8.235", "0.5", "-1.25", "3"). The 16-bit variant serves the side values and the roll
// centre height, the 32-bit variant the roll centre offset; both show out-of-range values
// rounded to three decimals.
std::string captionText16(double value);
std::string captionText32(double value);

// Fixed decimals, as every table and page of the analysis windows shows a value: printf's
// rounding, and a value that rounds to zero shown as zero, never "-0.000" (-0.0004 -> "0.000"
// at 3 decimals, 12.5 -> "12.50" at 2).
std::string fixedText(double value, int decimals);

// Whole number nearest to value, ties to even.
double roundHalfEven(double value);

} // namespace velmora
