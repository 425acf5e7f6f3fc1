#pragma once

#include <string>
#include <string_view>

namespace velmora {

// Texts in project files are UTF-8, but files written on older systems hold Windows-1252
// bytes. Each well-formed UTF-8 sequence is kept as it is; every other byte is taken as a
// Windows-1252 character and re-encoded, so the result is always valid UTF-8 and a file
// never fails to open because of its notes. The five bytes 1252 leaves undefined map to
// the C1 control characters of the same value, as browsers do.
std::string utf8FromUtf8OrWindows1252(std::string_view bytes);

// Length of the well-formed UTF-8 sequence starting at bytes[pos] (1 to 4), or 0 when the
// bytes there are not one (stray continuation byte, overlong form, surrogate, beyond
// U+10FFFF, truncated sequence).
std::size_t utf8SequenceLength(std::string_view bytes, std::size_t pos);

// A text from a file or a command line as a message quotes it: cut to `most` characters (then
// "..."), control characters and bytes that are no UTF-8 written as \xNN.
std::string quotedFileText(std::string_view text, std::size_t most);

} // namespace velmora
