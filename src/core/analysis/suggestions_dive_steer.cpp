// The fore/aft, caster and bump steer sections of the suggestions list.
#include "analysis/suggestions.h"

#include <algorithm>
#include <cmath>

namespace velmora::suggestions {
namespace {

using Items = std::vector<std::string>;

void append(Items& items, std::initializer_list<const char*> lines) {
    items.insert(items.end(), lines.begin(), lines.end());
}

const Point3& point(const std::array<Point3, 9>& points, SusPoint row) {
    return points[static_cast<std::size_t>(row)];
}

// Too much anti-dive (0 < s < 1) or pro-dive (-5 < s < 0); anything else is acceptable.
enum class Dive { Anti, Pro, Acceptable };

Dive judgeDive(float s) {
    if (s > 0.0f && s < 1.0f) {
        return Dive::Anti;
    }
    if (s > -5.0f && s < 0.0f) {
        return Dive::Pro;
    }
    return Dive::Acceptable;
}

// Each arm whose front and rear pivots differ in X gets its own advice; the top arm first.
void appendForeAftPivotAdvice(const std::array<Point3, 9>& points, Items& items) {
    const double topFront = point(points, TopFront).x;
    const double topRear = point(points, TopRear).x;
    if (topFront > topRear) {
        append(items, {"Try moving the rear of the top ", "arm farther out, or try moving the ",
                       "front of the top arm farther in"});
    } else if (topFront < topRear) {
        append(items, {"Try moving the rear of the top arm ",
                       "farther in, or try moving the front ", "of the top arm farther out"});
    }
    const double bottomFront = point(points, BottomFront).x;
    const double bottomRear = point(points, BottomRear).x;
    if (bottomFront > bottomRear) {
        append(items, {"Try moving the rear of the bottom ", "arm farther out, or try moving the ",
                       "front of the bottom arm farther in"});
    } else if (bottomFront < bottomRear) {
        append(items, {"Try moving the rear of the bottom arm ",
                       "farther in, or try moving the front ", "of the bottom arm farther out"});
    }
}

// How much an arm's pivot line turns outward towards the rear, less its length along Z:
// (X rear - X front) - (Z rear - Z front), each step a single.
float pivotSpread(const Point3& front, const Point3& rear) {
    const auto dx = static_cast<float>(rear.x - front.x);
    const auto dz = static_cast<float>(rear.z - front.z);
    return dx - dz;
}

void appendCasterPivotAdvice(const std::array<Point3, 9>& points, Items& items) {
    const float top = pivotSpread(point(points, TopFront), point(points, TopRear));
    const float bottom = pivotSpread(point(points, BottomFront), point(points, BottomRear));
    if (top > bottom) {
        append(items, {"Try moving the front pivot of the top",
                       "arm out, or try moving the rear pivot", "of the top arm in."});
    } else if (top < bottom) {
        append(items, {"Try moving the front pivot of the top",
                       "arm in, or try moving the rear pivot", "of the top arm out."});
    }
}

// A tenth of a travel, formed in double and rounded to single.
float tenthOf(float travel) {
    return static_cast<float>(0.1 * static_cast<double>(travel));
}

} // namespace

void appendForeAft(const SuggestionInputs& inputs, const CurveRatios& ratios, Items& items) {
    append(items,
           {"Background:", "Fore/Aft motion is one form of ",
            "anti-dive.  Anti-dive is useful for ", "keeping the front of big heavy production ",
            "cars from dipping when the brakes are ", "applied.  A race car's lower center of ",
            "gravity and stiffer springs make excessive ", "anti-dive unnecessary.", "",
            "Suggestions:"});
    switch (judgeDive(ratios.OverallRatio)) {
    case Dive::Anti:
        append(items, {"You have too much anti-dive."});
        appendForeAftPivotAdvice(inputs.SusPoints, items);
        break;
    case Dive::Pro:
        append(items, {"You have too much pro-dive."});
        appendForeAftPivotAdvice(inputs.SusPoints, items);
        break;
    case Dive::Acceptable:
        append(items, {"None.  Your Fore/Aft curve looks acceptable."});
        break;
    }
}

void appendCaster(const SuggestionInputs& inputs, const CurveRatios& ratios, Items& items) {
    append(items,
           {"Background:  ", "Caster change is one form of ",
            "anti-dive.  Anti-dive is useful for ", "keeping the front of big heavy production ",
            "cars from dipping when the brakes are ", "applied.  A race car's lower center of ",
            "gravity and stiffer springs make excessive ", "anti-dive unnecessary. ", "",
            "Suggestions:"});
    switch (judgeDive(ratios.OverallRatio)) {
    case Dive::Anti:
        append(items, {"You have too much anti-dive"});
        appendCasterPivotAdvice(inputs.SusPoints, items);
        break;
    case Dive::Pro:
        append(items, {"You have too much pro-dive"});
        appendCasterPivotAdvice(inputs.SusPoints, items);
        break;
    case Dive::Acceptable:
        append(items, {"None.  Your Caster curve looks acceptable."});
        break;
    }
}

void appendBumpSteer(const SuggestionInputs& inputs, const CurveRatios& ratios, Items& items) {
    append(items, {"Background:", "On any race car, the goal is to ",
                   "have as little bump steer as ", "possible.  Less than 0.1 degrees ",
                   "per inch of wheel travel is okay", "", "Suggestions:"});

    // A tie rod level with the bottom ball joint in Z is neither in front nor behind.
    const double tieRodZ = point(inputs.SusPoints, TieRodOuter).z;
    const double ballJointZ = point(inputs.SusPoints, BottomBall).z;
    const bool rear = tieRodZ > ballJointZ;
    const bool front = tieRodZ < ballJointZ;
    const float s = ratios.OverallRatio;
    const float b = ratios.BottomRatio;

    // The bound is 10 inches of travel per degree; it only fails to be formed for no travel.
    const float tenthBump = tenthOf(inputs.VU);
    const double tenth = 0.1 * static_cast<double>(inputs.VU);
    const double quotient = tenth != 0 ? static_cast<double>(inputs.VU) / tenth : 10.0;
    const float bound = std::isfinite(quotient) ? static_cast<float>(quotient) : 10.0f;

    if (std::fabs(s) < bound && ((rear && s < 0.0f) || (front && s > 0.0f))) {
        append(items, {"Try lowering your inner tie rod"});
    } else if ((rear && s < 100.0f) || (front && s < 0.0f && std::fabs(s) < 10.0f)) {
        append(items, {"Try raising your inner tie rod"});
    }

    const std::size_t last = static_cast<std::size_t>(std::clamp(inputs.n, 2, kMaxPositions));
    if (std::fabs(inputs.curve[1]) < tenthBump &&
        std::fabs(inputs.curve[last]) < tenthOf(inputs.VD)) {
        append(items, {"Your tie rod length looks acceptable."});
    } else if ((rear && b > 0.0f) || (front && b < 0.0f)) {
        append(items, {"Try using a shorter tie rod"});
    } else if ((rear && b < 0.0f) || (front && b > 0.0f)) {
        append(items, {"Try using a longer tie rod"});
    }
}

} // namespace velmora::suggestions
