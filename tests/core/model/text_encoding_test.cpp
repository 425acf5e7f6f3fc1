#include "model/text_encoding.h"
#include "model/text_wrap.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace velmora {
namespace {

struct EncodingCase {
    const char* name;
    std::string bytes;
    std::string utf8;
};

class TextEncodingTest : public testing::TestWithParam<EncodingCase> {};

TEST_P(TextEncodingTest, DecodesToValidUtf8) {
    EXPECT_EQ(utf8FromUtf8OrWindows1252(GetParam().bytes), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, TextEncodingTest,
    testing::Values(EncodingCase{"Ascii", "Camber -1.5\r\n", "Camber -1.5\r\n"},
                    EncodingCase{"ValidUtf8Kept", "\xC2\xBC in \xE2\x80\x94 \xF0\x9F\x8F\x81",
                                 "\xC2\xBC in \xE2\x80\x94 \xF0\x9F\x8F\x81"},
                    EncodingCase{"Latin1Letter", "Caf\xE9", "Caf\xC3\xA9"},
                    EncodingCase{"Windows1252Punctuation", "\x93quoted\x94 \x80",
                                 "\xE2\x80\x9Cquoted\xE2\x80\x9D \xE2\x82\xAC"},
                    EncodingCase{"UndefinedByteIsC1Control", "\x81", "\xC2\x81"},
                    EncodingCase{"MixedInOneText", "\xC2\xBC and \xBC", "\xC2\xBC and \xC2\xBC"},
                    EncodingCase{"TruncatedSequenceAtEnd", "a\xE2\x80", "a\xC3\xA2\xE2\x82\xAC"},
                    EncodingCase{"OverlongSlash", "\xC0\xAF", "\xC3\x80\xC2\xAF"},
                    EncodingCase{"EncodedSurrogate", "\xED\xA0\x80",
                                 "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},
                    EncodingCase{"BeyondUnicode", "\xF4\x90\x80\x80",
                                 "\xC3\xB4\xC2\x90\xE2\x82\xAC\xE2\x82\xAC"}),
    [](const testing::TestParamInfo<EncodingCase>& info) { return info.param.name; });

TEST(TextEncoding, EveryByteSequenceBecomesValidUtf8) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) {
        all.push_back(static_cast<char>(byte));
    }
    const std::string decoded = utf8FromUtf8OrWindows1252(all + all);
    for (std::size_t pos = 0; pos < decoded.size();) {
        const std::size_t length = utf8SequenceLength(decoded, pos);
        ASSERT_GT(length, 0u) << "at " << pos;
        pos += length;
    }
}

} // namespace
TEST(WrappedLines, BreakAtBlanksKeepLongWordsAndLineBreaks) {
    const struct {
        const char* text;
        std::size_t width;
        std::vector<std::string> lines;
    } cases[] = {
        {"", 10, {""}},
        {"one two three", 7, {"one two", "three"}},
        {"one two three", 3, {"one", "two", "three"}},
        {"a verylongword b", 4, {"a", "verylongword", "b"}},
        {"first\nsecond line", 6, {"first", "second", "line"}},
        {"spaced  out", 20, {"spaced out"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(wrappedLines(c.text, c.width), c.lines) << c.text;
    }
}

} // namespace velmora
