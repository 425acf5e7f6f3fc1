#include "model/text_encoding.h"

#include <array>
#include <cstdint>

namespace velmora {
namespace {

// Code points of the Windows-1252 bytes 0x80..0x9F; the other bytes equal their code point.
constexpr std::array<char32_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char32_t windows1252CodePoint(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        return kWindows1252High[byte - 0x80];
    }
    return byte;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        // Every Windows-1252 character lies in the Basic Multilingual Plane.
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

} // namespace

std::size_t utf8SequenceLength(std::string_view bytes, std::size_t pos) {
    const auto at = [&](std::size_t i) { return static_cast<unsigned char>(bytes[pos + i]); };
    const unsigned char lead = at(0);
    if (lead < 0x80) {
        return 1;
    }
    std::size_t length = 0;
    // Allowed range of the second byte, which rules out overlong forms, surrogates and
    // code points beyond U+10FFFF.
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) {
            low = 0xA0;
        } else if (lead == 0xED) {
            high = 0x9F;
        }
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) {
            low = 0x90;
        } else if (lead == 0xF4) {
            high = 0x8F;
        }
    } else {
        return 0;
    }
    if (bytes.size() - pos < length) {
        return 0;
    }
    if (at(1) < low || at(1) > high) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if (!isContinuation(at(i))) {
            return 0;
        }
    }
    return length;
}

std::string utf8FromUtf8OrWindows1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const std::size_t length = utf8SequenceLength(bytes, pos);
        if (length > 0) {
            out.append(bytes.substr(pos, length));
            pos += length;
        } else {
            appendUtf8(out, windows1252CodePoint(static_cast<unsigned char>(bytes[pos])));
            ++pos;
        }
    }
    return out;
}

std::string quotedFileText(std::string_view line, std::size_t most) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    std::size_t characters = 0;
    std::size_t pos = 0;
    while (pos < line.size() && characters < most) {
        const auto byte = static_cast<unsigned char>(line[pos]);
        const std::size_t length = byte < 0x80 ? 1 : utf8SequenceLength(line, pos);
        if (byte < 0x20 || byte == 0x7F || length == 0) {
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
            ++pos;
        } else {
            out.append(line.substr(pos, length));
            pos += length;
        }
        ++characters;
    }
    if (pos < line.size()) {
        out += "...";
    }
    return out;
}

} // namespace velmora
