// The camber and side scrub sections of the suggestions list.
#include "analysis/suggestions.h"

#include <cmath>

namespace velmora::suggestions {
namespace {

using Items = std::vector<std::string>;

void append(Items& items, std::initializer_list<const char*> lines) {
    items.insert(items.end(), lines.begin(), lines.end());
}

// Paved tracks ask for 2 degrees of gain in the first inch, everything else for 1.8.
bool pavedTrack(const std::string& trackType) {
    return trackType == "Road" || trackType == "Asphalt";
}

// Appends the gain advice; returns whether the gain is good enough to call acceptable.
bool appendCamberGain(float r, bool paved, Items& items) {
    if (r >= 2.0f) {
        if (paved) {
            append(items, {"You need a lot more camber gain.  ", "Try lowering the inner pivot ",
                           "of the top arm.  Shoot for 2 ", "degrees of camber gain for the ",
                           "first inch of wheel travel.", ""});
        } else {
            append(items, {"You need a lot more camber gain.  ", "Try lowering the inner pivot ",
                           "of the top arm.  Shoot for 1.8 ", "degrees of camber gain for the ",
                           "first inch of wheel travel.", ""});
        }
        return false;
    }
    if (r >= 1.0f) {
        if (paved) {
            append(items, {"You need more camber gain.  ", "Try lowering the inner pivot ",
                           "of the top arm.  Shoot for 2 ", "degrees of camber gain for the ",
                           "first inch of wheel travel.", ""});
        } else {
            append(items, {"You need more camber gain. Try lowering ",
                           "the inner pivot of the top arm.  ", "Shoot for 1.8 degrees of camber ",
                           "gain for the first inch of wheel ", "travel.", ""});
        }
        return false;
    }
    const float lowest = paved ? reciprocal(1.8) : reciprocal(1.6);
    if (r >= lowest) {
        if (paved) {
            append(items,
                   {"Your camber curve looks pretty ", "good, but you could still use ",
                    "more camber gain.  Try lowering the ", "inner pivot of the top arm.  Shoot ",
                    "for 2 degrees of camber gain for ", "the first inch of wheel travel.", ""});
        } else {
            append(items,
                   {"Your camber curve looks pretty ", "good, but you could still use ",
                    "more camber.  Try lowering the ", "inner pivot of the top arm.  Shoot ",
                    "for 1.8 degrees of camber gain for ", "the first inch of wheel travel.", ""});
        }
        return false;
    }
    return true;
}

} // namespace

void appendCamber(const SuggestionInputs& inputs, const CurveRatios& ratios, Items& items) {
    append(items, {"Background:", "Camber gain is critical in", "achieving grip (traction)",
                   "in the corners.", "This parameter is one of the most",
                   "important items with respect", "to your suspensions performance.",
                   "See instruction book for more info.", "", "Suggestions:"});

    // Camber that grows positive as the wheel rises is wrong in kind, not in degree.
    if (ratios.OverallRatio > 0.0f) {
        append(items, {"Your camber curve needs a lot of ", "work.  You should gain negative ",
                       "camber as the wheel travels up.  Try ",
                       "a shorter or more angled top arm, or ", "a longer bottom arm."});
        return;
    }

    const bool acceptableGain =
        appendCamberGain(std::fabs(ratios.OverallRatio), pavedTrack(inputs.TrackType), items);

    // Neither end may be more than ten times steeper than the other.
    const float tenTop = 10.0f * ratios.TopRatio;
    const float tenBottom = 10.0f * ratios.BottomRatio;
    const bool uniform = std::fabs(ratios.BottomRatio) <= std::fabs(tenTop) &&
                         std::fabs(ratios.TopRatio) <= std::fabs(tenBottom);
    if (!uniform) {
        append(items, {"Try to make your camber curve", "more uniform.  Try using a longer ",
                       "top arm or a different ride height"});
        return;
    }
    if (acceptableGain) {
        append(items, {"None.  Your camber curve looks acceptable."});
    }
}

void appendSideScrub(const SuggestionInputs& inputs, const CurveRatios& ratios, Items& items) {
    append(items, {"Background:", "Tire scrub causes a race car to ",
                   "wander or feel twitchy on bumps and ", "rough tracks.  It should be as close ",
                   "to zero as reasonable.", "  ", "Suggestions:"});

    // Formula cars: at most .030 inch of scrub per inch of travel; stock cars .100.
    const float limit = inputs.FormulaCar ? reciprocal(0.03) : reciprocal(0.1);
    if (!(std::fabs(ratios.OverallRatio) < limit)) {
        append(items, {"None. Your side scrub graph looks acceptable."});
        return;
    }
    if (inputs.FormulaCar) {
        append(items, {"You need less side scrub.  ", "Try a longer bottom control arm ",
                       "and/or lowering your bottom control ", "arm.  Shoot for .030 or less of ",
                       "tire scrub in one inch of vertical", "wheel travel "});
    } else {
        append(items, {"You need less side scrub.  ", "Try a longer bottm control arm ",
                       "and/or lowering your bottom control ", "arm.  Shoot for .100 or less of ",
                       "tire scrub in one inch of vertical", "wheel travel "});
    }
}

} // namespace velmora::suggestions
