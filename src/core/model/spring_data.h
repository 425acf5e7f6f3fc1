#pragma once

#include <optional>
#include <string>

// The springs, dampers and the anti-roll bar of the front end: where each is mounted, in the
// project's frame and units (X outward from the centreline on each side, Y up from the floor,
// Z from the reference line, inches), and what the bar is made of. Kept with the project in
// its extension block; every piece is optional until the user enters it.
namespace velmora {

// The arm a spring, damper or bar link is mounted on; it moves rigidly with that arm.
enum class ArmMember { Bottom, Top };

struct MountPoint {
    float x = 0;
    float y = 0;
    float z = 0;
    bool operator==(const MountPoint&) const = default;
};

// A spring or a damper: its mount on the arm and its mount on the chassis. A damper has no
// rate; a spring's rate (lb/in) may be unknown.
struct StrutMount {
    ArmMember arm = ArmMember::Bottom;
    MountPoint onArm;
    MountPoint onChassis;
    std::optional<float> rate; // lb/in, springs only
    bool operator==(const StrutMount&) const = default;
};

// Where the anti-roll bar's drop link meets the arm.
struct BarLink {
    ArmMember arm = ArmMember::Bottom;
    MountPoint point;
    bool operator==(const BarLink&) const = default;
};

struct AntiRollBar {
    float diameter = 0;                // outer, inches
    float wall = 0;                    // inches; 0 is a solid bar
    float activeLength = 0;            // the length that twists, inches
    float armLength = 0;               // from the twisting part's axis to the link, inches
    std::optional<float> shearModulus; // psi; steel's when not set
    bool operator==(const AntiRollBar&) const = default;
};

// Steel's shear modulus, psi: the bar's when the project does not set one.
inline constexpr double kSteelShearModulus = 11.5e6;

struct CornerSprings {
    std::optional<StrutMount> spring;
    std::optional<StrutMount> damper;
    std::optional<BarLink> barLink;
    bool operator==(const CornerSprings&) const = default;
};

struct SpringData {
    CornerSprings right;
    CornerSprings left;
    std::optional<AntiRollBar> bar;

    const CornerSprings& side(bool isRight) const { return isRight ? right : left; }
    CornerSprings& side(bool isRight) { return isRight ? right : left; }
    bool any() const {
        return right.spring || right.damper || right.barLink || left.spring || left.damper ||
               left.barLink || bar;
    }
    bool operator==(const SpringData&) const = default;
};

// Limits of what a project keeps: no mount lies further from the origin on any axis, no
// spring is stiffer, no bar thicker, longer or stiffer in shear.
inline constexpr double kMountCoordinateLimit = 1000; // inches each way
inline constexpr double kMostSpringRate = 1e6;        // lb/in
inline constexpr double kMostBarDiameter = 100;       // inches
inline constexpr double kMostBarLength = 1000;        // inches, active and arm length
inline constexpr double kMostShearModulus = 1e9;      // psi

// Why the piece cannot be kept, naming the value in inches (lb/in, psi), or empty when it can.
// The texts begin in lower case ("the spring's two mounts are the same point") so that a
// caller can put them after its own words.
std::string strutMountProblem(const StrutMount& mount, bool isSpring);
std::string barLinkProblem(const BarLink& link);
std::string antiRollBarProblem(const AntiRollBar& bar);

} // namespace velmora
