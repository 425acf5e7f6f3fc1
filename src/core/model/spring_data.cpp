#include "model/spring_data.h"

#include "model/number_text.h"
#include "model/shown_length.h"
#include "model/shown_quantity.h"

#include <cmath>

namespace velmora {
namespace {

// What a value is, for the unit its message gives it in.
enum class Kind { Length, Rate, Modulus };

// The value kept (inches, lb/in, psi) as the display unit shows it.
std::string shown(double kept, Kind kind = Kind::Length) {
    if (!showsMillimetres()) {
        return generalText(static_cast<float>(kept));
    }
    switch (kind) {
    case Kind::Rate:
        return generalText(shownQuantity(Quantity::Rate, kept));
    case Kind::Modulus:
        return generalText(shownQuantity(Quantity::Modulus, kept));
    case Kind::Length:
        break;
    }
    // The shortest text that reads back to the single, so a typed 25 mm reads 25.
    return shortestLength(static_cast<float>(kept));
}

std::string unitOf(Kind kind) {
    switch (kind) {
    case Kind::Rate:
        return quantityUnitText(Quantity::Rate);
    case Kind::Modulus:
        return quantityUnitText(Quantity::Modulus);
    case Kind::Length:
        break;
    }
    return lengthUnitText();
}

// "the spring's arm mount X 1200 must be from -1000 to 1000 in", or empty.
std::string coordinateProblem(const std::string& name, float value) {
    if (!std::isfinite(value)) {
        return name + " is not a number";
    }
    if (std::fabs(value) > kMountCoordinateLimit) {
        return name + " " + shown(value) + " must be from -" + shown(kMountCoordinateLimit) +
               " to " + shown(kMountCoordinateLimit) + " " + unitOf(Kind::Length);
    }
    return {};
}

std::string pointProblem(const std::string& name, const MountPoint& point) {
    for (const auto& [axis, value] :
         {std::pair{"X", point.x}, std::pair{"Y", point.y}, std::pair{"Z", point.z}}) {
        if (std::string why = coordinateProblem(name + " " + axis, value); !why.empty()) {
            return why;
        }
    }
    return {};
}

// "the bar's diameter 0 must be more than 0 and at most 100 in", or empty.
std::string positiveProblem(const std::string& name, float value, double most,
                            Kind kind = Kind::Length) {
    if (!std::isfinite(value)) {
        return name + " is not a number";
    }
    if (!(value > 0 && value <= most)) {
        return name + " " + shown(value, kind) + " must be more than 0 and at most " +
               shown(most, kind) + " " + unitOf(kind);
    }
    return {};
}

} // namespace

std::string strutMountProblem(const StrutMount& mount, bool isSpring) {
    const std::string piece = isSpring ? "the spring's" : "the damper's";
    if (std::string why = pointProblem(piece + " arm mount", mount.onArm); !why.empty()) {
        return why;
    }
    if (std::string why = pointProblem(piece + " chassis mount", mount.onChassis); !why.empty()) {
        return why;
    }
    // Such a strut has no length and no direction: nothing could be made of its motion.
    if (mount.onArm == mount.onChassis) {
        return piece + " two mounts are the same point";
    }
    if (!isSpring) {
        return mount.rate ? "a damper has no rate" : std::string();
    }
    if (mount.rate) {
        const float rate = *mount.rate;
        if (!std::isfinite(rate)) {
            return "the spring's rate is not a number";
        }
        if (rate < 0 || rate > kMostSpringRate) {
            return "the spring's rate " + shown(rate, Kind::Rate) + " must be from 0 to " +
                   shown(kMostSpringRate, Kind::Rate) + " " + unitOf(Kind::Rate);
        }
    }
    return {};
}

std::string barLinkProblem(const BarLink& link) {
    return pointProblem("the bar link's mount", link.point);
}

std::string antiRollBarProblem(const AntiRollBar& bar) {
    if (std::string why = positiveProblem("the bar's diameter", bar.diameter, kMostBarDiameter);
        !why.empty()) {
        return why;
    }
    if (!std::isfinite(bar.wall)) {
        return "the bar's wall is not a number";
    }
    if (bar.wall < 0) {
        return "the bar's wall " + shown(bar.wall) + " may not be negative";
    }
    // A wall of the whole radius is a solid bar, as a wall of 0 is.
    const float radius = bar.diameter / 2;
    if (bar.wall > radius) {
        return "the bar's wall " + shown(bar.wall) + " is thicker than its radius " + shown(radius);
    }
    if (std::string why =
            positiveProblem("the bar's active length", bar.activeLength, kMostBarLength);
        !why.empty()) {
        return why;
    }
    if (std::string why = positiveProblem("the bar's arm length", bar.armLength, kMostBarLength);
        !why.empty()) {
        return why;
    }
    if (bar.shearModulus) {
        return positiveProblem("the bar's shear modulus", *bar.shearModulus, kMostShearModulus,
                               Kind::Modulus);
    }
    return {};
}

} // namespace velmora
