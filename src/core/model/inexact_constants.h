#pragma once

// Constants the program has always used in place of the exact values. They are inexact on
// purpose: results, pictures and advice must agree with what users have been reading for
// years, so none of them may be replaced by std::numbers::pi or a derived exact value.
namespace velmora {

// The program's pi, used by the sweep, its angle conversions and the suspension picture.
inline constexpr double kInexactPi = 3.1415926;
inline constexpr double kDegreesPerRadian = 57.29577951;
inline constexpr double kRadiansPerDegree = 0.017453293;

// A coarser pi still: the top ball joint's binding caution turns its 20 degree limit into
// radians with it, and moving the limit would change which designs get the caution.
inline constexpr double kCoarsePi = 3.141;

} // namespace velmora
