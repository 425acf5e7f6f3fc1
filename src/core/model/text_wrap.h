#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// The text broken into lines of at most `width` characters at blanks, for a picture or page
// that cannot measure its text: a word longer than a line stands on a line of its own, and
// the text's own line breaks are kept.
std::vector<std::string> wrappedLines(std::string_view text, std::size_t width);

} // namespace velmora
