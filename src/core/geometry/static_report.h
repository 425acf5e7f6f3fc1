#pragma once

#include "model/sweep_result.h"

#include <optional>
#include <string>

// What the static-geometry command found at ride height, and the texts that show it.
namespace velmora {

// The car's roll centre, in inches: its height, and its offset from the centreline, positive
// toward the left (driver's) side.
struct RollCentre {
    double height = 0;
    double offset = 0;
};

// A side is reported when its completeness product is not 0 (a negative product reports the
// side's values as they stand); the roll centre only when both sides are.
struct StaticReport {
    std::optional<SideStatics> right;
    std::optional<SideStatics> left;
    std::optional<RollCentre> car;
};

// The texts of one side's four values; a value not shown is empty.
struct SideStaticCaptions {
    std::string sai;
    std::string scrubRadius;
    std::string caster;
    std::string casterTrail;

    bool operator==(const SideStaticCaptions&) const = default;
};

// The texts of the ten static values as the frame shows them and the page prints them. The
// offset is a magnitude followed by the side it lies on.
struct StaticCaptions {
    SideStaticCaptions right;
    SideStaticCaptions left;
    std::string rollCenterHeight;
    std::string rollCenterOffset;

    bool operator==(const StaticCaptions&) const = default;
};

// The captions of a report, each value rounded to thousandths: the offset as its magnitude
// with " to the driver's side" or " to the passenger's side" (nothing when it is 0). What the
// report leaves out is empty.
StaticCaptions staticCaptions(const StaticReport& report);

// Empty the right side's (or left side's) four captions and both captions of the car.
void Clear_RStat(StaticCaptions& captions);
void Clear_LStat(StaticCaptions& captions);

} // namespace velmora
