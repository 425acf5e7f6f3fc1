#include "geometry/sweep_messages.h"

#include "model/number_text.h"
#include "model/shown_length.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace velmora {
namespace {

constexpr const char* kGeometryTitle = "Suspension Geometry Error";

Message warning(Outcome outcome, std::string title, std::string text) {
    return Message{std::move(title), std::move(text), MessageIcon::Warning, MessageButtons::Ok}
        .with(outcome);
}

// Int(t): the floor of t, written as a whole number ("2", "-3").
std::string wholeNumberText(float t) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.0f", std::floor(static_cast<double>(t)) + 0.0);
    return buffer;
}

// Int(t) as the Travel Range box takes it: whole inches, or those inches in millimetres.
std::string wholeLengthText(float t) {
    if (!showsMillimetres()) {
        return wholeNumberText(t);
    }
    return shortestLength(static_cast<float>(std::floor(static_cast<double>(t))));
}

} // namespace

Message topsOutMessage(float t) {
    return warning(Outcome::SweepTopsOut, kGeometryTitle,
                   "Suspension tops out before " + shortestLength(t) + " " + lengthWord() +
                       " of bump travel");
}

Message bottomsOutMessage(float t) {
    return warning(Outcome::SweepBottomsOut, kGeometryTitle,
                   "Suspension bottoms out before " + shortestLength(t) + " " + lengthWord() +
                       " of rebound travel");
}

Message tieRodBindsMessage(float t) {
    return warning(Outcome::SweepTieRodBinds, kGeometryTitle,
                   "The tie rod binds with this much travel. Try a different tie rod location, "
                   "or go back to the Options menu and try less than " +
                       wholeLengthText(t) + " in the Travel Range.");
}

Message dataErrorMessage() {
    return warning(Outcome::SweepDataError, "Data Error",
                   "A measurement was not entered properly or is incorrect. If you are designing "
                   "a suspension, you may have entered a combination that binds or is "
                   "impossible. Go back and check your numbers.");
}

} // namespace velmora
