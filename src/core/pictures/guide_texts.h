#pragma once

#include <string>
#include <vector>

namespace velmora {

// The measuring guide's text of screen 1..3, as one string whose paragraphs are separated
// by long runs of blanks (sentences inside a paragraph by two).
const std::string& guideText(int screen);
// The same as the display unit reads it: in millimetres "a few inches" is "about 100 mm".
std::string shownGuideText(int screen);

// The paragraphs of a guide text, without the runs of blanks between them, so each can be
// shown on a line of its own at any width and font.
std::vector<std::string> guideParagraphs(const std::string& text);

} // namespace velmora
