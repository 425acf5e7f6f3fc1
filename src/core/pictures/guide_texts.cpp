#include "pictures/guide_texts.h"

#include "model/shown_length.h"

#include <cstddef>

namespace velmora {

const std::string& guideText(int screen) {
    // Each paragraph is followed by a run of blanks that fills the label's line, so the next
    // one starts on a line of its own.
    static const std::string text1 =
        std::string("A simple and accurate method for measuring your race car is with an ordanary "
                    "framing square, chalk line and plumb bob.") +
        std::string(87, ' ') +
        std::string(
            "Begin by holding the plumb bob at each pivot point (bushing) and ball joint to "
            "transfer the location to the floor (as shown in photo). Be careful to hold the string "
            "at the center of each bushing and at the center of the ball joint.  Make sure the "
            "plumb bob just touches the floor or is ever so slightly short of touching the floor.  "
            "Now, mark this position on the floor with a sharp pencil.") +
        std::string(90, ' ') +
        std::string(
            "Tip: Draw a circle around each point for easy spotting later.  You may also want to "
            "identify each point with initials, for example: LBJ for lower ball joint.  When you "
            "are finished transferring each point to the floor, push the car out of the way.");
    static const std::string text2 =
        std::string("Next, draw a line on the floor connecting the front pivot points of the lower "
                    "A frames.  Draw a second line connecting the rear pivot points of the lower A "
                    "frames.  Carefully, mark the middle of each line.") +
        std::string(94, ' ') +
        std::string("Now, with a chalk box, snap a line through the mid points of the two lines "
                    "drawn in the previous step.  It may be helpful to have someone hold one end "
                    "of the string and line it up before you snap the line on the floor.") +
        std::string(70, ' ') +
        std::string(
            "You now have a Centerline on the floor that should look like the adjacent photo.  "
            "This provides a simple and accurate diagram on the floor for measuring the distances "
            "from the chassis centerline out to each pivot point and ball joint.");
    static const std::string text3 =
        std::string("Next, place a framing square on the floor with one edge along the centerline "
                    "as shown in this photo.  Use the other leg of the framing square to line up "
                    "your chalk string to snap a second line on the floor.  It is helpful to "
                    "position this second line a few inches ahead of the furthest most forward "
                    "point marked on the floor.  Also, before you snap this line you may want to "
                    "move the square slightly so the string hits the floor and not the square.") +
        std::string(112, ' ') +
        std::string("You now have a line for simple and accurate measurement of distances in the "
                    "fore/aft direction.");
    switch (screen) {
    case 1:
        return text1;
    case 2:
        return text2;
    default:
        return text3;
    }
}

std::string shownGuideText(int screen) {
    std::string text = guideText(screen);
    if (showsMillimetres()) {
        constexpr std::string_view kInches = "a few inches";
        for (std::size_t at = text.find(kInches); at != std::string::npos;
             at = text.find(kInches, at)) {
            text.replace(at, kInches.size(), "about 100 mm");
        }
    }
    return text;
}

std::vector<std::string> guideParagraphs(const std::string& text) {
    // Sentences inside a paragraph are two blanks apart; paragraphs are far more.
    constexpr std::size_t kParagraphBreak = 10;
    std::vector<std::string> paragraphs;
    std::string current;
    std::size_t blanks = 0;
    const auto flush = [&] {
        if (!current.empty()) {
            paragraphs.push_back(current);
        }
        current.clear();
    };
    for (const char c : text) {
        if (c == ' ') {
            ++blanks;
            continue;
        }
        if (blanks >= kParagraphBreak) {
            flush();
        } else if (!current.empty()) {
            current.append(blanks, ' ');
        }
        blanks = 0;
        current += c;
    }
    flush();
    return paragraphs;
}

} // namespace velmora
