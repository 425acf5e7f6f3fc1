#include "model/text_records.h"

#include <cmath>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace velmora {
namespace {

// Fields as "text" or "[text]" for quoted ones; "!" marks an unclosed quote.
std::vector<std::string> fieldsOf(std::string_view text) {
    FieldReader reader(text);
    std::vector<std::string> out;
    TextField field;
    for (;;) {
        const FieldStatus status = reader.next(field);
        if (status == FieldStatus::End) {
            return out;
        }
        if (status == FieldStatus::UnclosedQuote) {
            out.push_back("!");
            return out;
        }
        out.push_back(field.quoted ? "[" + std::string(field.text) + "]" : std::string(field.text));
    }
}

struct FieldCase {
    const char* name;
    std::string_view text;
    std::vector<std::string> fields;
};

class FieldReaderTest : public testing::TestWithParam<FieldCase> {};

TEST_P(FieldReaderTest, SplitsIntoFields) {
    EXPECT_EQ(fieldsOf(GetParam().text), GetParam().fields);
}

INSTANTIATE_TEST_SUITE_P(
    Records, FieldReaderTest,
    testing::Values(
        FieldCase{"CrLfRecords", "1,2,,\r\n3,4,,\r\n", {"1", "2", "", "", "3", "4", "", ""}},
        FieldCase{"LfOnly", "1,2,,\n3,4,,\n", {"1", "2", "", "", "3", "4", "", ""}},
        FieldCase{"LineBreaksAnywhere", "1\r\n2,\r\n3", {"1", "2", "", "3"}},
        FieldCase{"BlankLinesCarryNoFields", "1\r\n\r\n\n2\r\n", {"1", "2"}},
        FieldCase{"TrailingCommaAtEnd", "1,", {"1", ""}},
        FieldCase{"BlanksAroundUnquoted", "  1.5 ,\t-2 ,x y", {"1.5", "-2", "x y"}},
        FieldCase{"QuotedKeepsBlanksAndCommas", "\" a, b \",2", {"[ a, b ]", "2"}},
        FieldCase{"QuotedSpansLines", "\"one\r\ntwo\"\r\n3", {"[one\r\ntwo]", "3"}},
        FieldCase{"JunkAfterClosingQuoteIgnored", "\"a\"b\"c,2", {"[a]", "2"}},
        FieldCase{"EmptyQuoted", "\"\",\"\"", {"[]", "[]"}},
        FieldCase{"UnclosedQuote", "1,\"abc\r\n", {"1", "!"}},
        FieldCase{"NothingAtAll", " \r\n\t\n", {}}),
    [](const testing::TestParamInfo<FieldCase>& info) { return info.param.name; });

struct NumberCase {
    const char* text;
    float value;
};

class RecordNumberTest : public testing::TestWithParam<NumberCase> {};

TEST_P(RecordNumberTest, ReadsLocaleIndependently) {
    float value = -12345.0f;
    ASSERT_TRUE(parseRecordNumber(GetParam().text, value)) << GetParam().text;
    EXPECT_EQ(value, GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Accepted, RecordNumberTest,
                         testing::Values(NumberCase{"12.5", 12.5f}, NumberCase{"-12.25", -12.25f},
                                         NumberCase{".5", 0.5f}, NumberCase{"-.5", -0.5f},
                                         NumberCase{"+3", 3.0f}, NumberCase{"7.", 7.0f},
                                         NumberCase{"1E-08", 1e-8f}, NumberCase{"1.5e3", 1500.0f},
                                         NumberCase{"2D+02", 200.0f}, NumberCase{" 0 ", 0.0f},
                                         NumberCase{"3.6666665", 3.6666665f},
                                         NumberCase{"1e-60", 0.0f},
                                         NumberCase{"0.000e99999999999", 0.0f},
                                         NumberCase{"3.4028234e38", 3.4028234e38f}));

TEST(RecordNumber, RefusesWhatIsNotANumber) {
    for (const char* text : {"", " ", "abc", "1,5", "1.2.3", "--1", "1e", "1e+", ".", "-", "0x10",
                             "inf", "NaN", "12 5", "1e39", "-1e99999999999", "#TRUE#"}) {
        float value = 0.0f;
        EXPECT_FALSE(parseRecordNumber(text, value)) << text;
    }
}

TEST(RecordNumber, WrittenTextReadsBackToTheSameSingle) {
    EXPECT_EQ(recordNumberText(12.5f), "12.5");
    EXPECT_EQ(recordNumberText(12.25f), "12.25");
    EXPECT_EQ(recordNumberText(-0.5f), "-0.5");
    EXPECT_EQ(recordNumberText(1e-8f), "1E-08");
    EXPECT_EQ(recordNumberText(std::nanf("")), "0");
    EXPECT_EQ(recordNumberText(-INFINITY), "0");

    std::mt19937 random(20240601);
    std::uniform_int_distribution<std::uint32_t> bits;
    for (int i = 0; i < 20000; ++i) {
        const std::uint32_t pattern = bits(random);
        float original = 0.0f;
        std::memcpy(&original, &pattern, sizeof original);
        if (!std::isfinite(original)) {
            continue;
        }
        float back = 0.0f;
        const std::string text = recordNumberText(original);
        ASSERT_TRUE(parseRecordNumber(text, back)) << text;
        ASSERT_EQ(back, original) << text;
    }
}

TEST(QuotedRecordText, DoubleQuotesBecomeTwoSingleQuotes) {
    EXPECT_EQ(quotedRecordText("GM"), "\"GM\"");
    EXPECT_EQ(quotedRecordText(""), "\"\"");
    EXPECT_EQ(quotedRecordText("a 5\" spacer,\r\nthen \"more\""),
              "\"a 5'' spacer,\r\nthen ''more''\"");
}

} // namespace
} // namespace velmora
