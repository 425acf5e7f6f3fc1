#pragma once

#include "model/inexact_constants.h"

#include <cfloat>
#include <cmath>
#include <exception>

// Arithmetic of the sweep. C++ does not trap, so every operation that can fail (a division
// by zero, the square root of a negative number, a value that leaves the finite range or
// does not fit a single) is checked here and raises ArithmeticFault. The sweep catches it
// once and reports a data error; values already written stay.
namespace velmora::sweepmath {

struct ArithmeticFault : std::exception {
    const char* what() const noexcept override { return "arithmetic fault in the sweep"; }
};

// The sweep's pi and its two conversion factors are the program's inexact ones.
inline constexpr double kPi = kInexactPi;
using velmora::kDegreesPerRadian;
using velmora::kRadiansPerDegree;

[[noreturn]] inline void fault() {
    throw ArithmeticFault{};
}

// The value itself, or a fault when it is infinite or not a number.
inline double fin(double value) {
    if (!std::isfinite(value)) {
        fault();
    }
    return value;
}

// For a chain whose end is checked. A value that is not finite stays so through +, -, * and
// sqrt (the root of a negative number is NaN), so one test at the end of such a chain stands
// for a test at every step, and the hottest loops test only there. A denominator still needs
// its own test (x / infinity is 0), and so does an argument of atan (which maps infinity to a
// finite angle) and a value that is compared.
inline double divide(double numerator, double denominator) {
    if (denominator == 0.0 || !std::isfinite(denominator)) {
        fault();
    }
    return numerator / denominator;
}

inline double quot(double numerator, double denominator) {
    return fin(divide(fin(numerator), denominator));
}

inline double root(double value) {
    if (!(value >= 0.0) || !std::isfinite(value)) { // also refuses NaN
        fault();
    }
    return std::sqrt(value);
}

inline double sq(double value) {
    return fin(value * value);
}

// atan of a quotient, in radians; a zero denominator is a division by zero, not 90 degrees.
inline double atanOf(double numerator, double denominator) {
    return std::atan(quot(numerator, denominator));
}

// Degrees and radians of a finite angle, whose results are finite; deg() and rad() test them.
inline double degOf(double radians) {
    return radians * 180.0 / kPi;
}

inline double radOf(double degrees) {
    return degrees * kPi / 180.0;
}

inline double deg(double radians) {
    return fin(degOf(radians));
}

inline double rad(double degrees) {
    return fin(radOf(degrees));
}

// Stores a double into a single by plain rounding, after checking that it fits.
inline float toSingle(double value) {
    if (!std::isfinite(value) || std::fabs(value) > static_cast<double>(FLT_MAX)) {
        fault();
    }
    return static_cast<float>(value);
}

// Single-precision arithmetic of the travel values: an overflow is a fault, not infinity.
inline float checkedSingle(float value) {
    if (!std::isfinite(value)) {
        fault();
    }
    return value;
}

} // namespace velmora::sweepmath
