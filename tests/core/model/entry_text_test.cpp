#include "model/entry_text.h"

#include <cmath>
#include <optional>
#include <string>

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(LeadingNumber, ReadsUpToTheFirstCharacterThatCannotContinueTheNumber) {
    const struct {
        const char* text;
        double expected;
    } cases[] = {
        {"12.5", 12.5}, {"  7x", 7},   {"\t4", 4},       {"-.5", -0.5},      {"+3", 3},
        {"5.", 5},      {"1e2", 100},  {"1E2", 100},     {"2.5e-1x", 0.25},  {"1e", 1},
        {"1e+", 1},     {"3E-x", 3},   {"1.2.3", 1.2},   {"12 3", 12},       {"", 0},
        {"abc", 0},     {".", 0},      {"-", 0},         {"x7", 0},          {"-0", 0},
        {"1e999", 0},   {"1e-999", 0}, {" 12.30", 12.3}, {"0.000e99999", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(leadingNumber(c.text), c.expected) << '"' << c.text << '"';
    }
    EXPECT_FALSE(std::signbit(leadingNumber("-0")));
}

TEST(ReadBoxValue, StoresASingleAndTreatsValuesBeyondItsRangeAsNotTyped) {
    EXPECT_EQ(readBoxValue("12.3"), 12.3f);
    EXPECT_EQ(readBoxValue(" 8 inches"), 8.0f);
    EXPECT_EQ(readBoxValue("1e39"), 0.0f);
    EXPECT_EQ(readBoxValue("-1e39"), 0.0f);
    EXPECT_EQ(readBoxValue("3e38"), 3e38f);
}

TEST(StoredValue, WholeTextMustBeANumber) {
    EXPECT_EQ(storedValue(" 12.30"), 12.3f);
    EXPECT_EQ(storedValue("-3.249"), -3.249f);
    EXPECT_EQ(storedValue("  5  "), 5.0f);
    EXPECT_EQ(storedValue("1E2"), 100.0f);
    EXPECT_EQ(storedValue("1e-50"), 0.0f); // too small for a single: rounds to 0
    EXPECT_EQ(storedValue(""), std::nullopt);
    EXPECT_EQ(storedValue("   "), std::nullopt);
    EXPECT_EQ(storedValue("12a"), std::nullopt);
    EXPECT_EQ(storedValue("1 2"), std::nullopt);
    EXPECT_EQ(storedValue("-"), std::nullopt);
    EXPECT_EQ(storedValue("1e39"), std::nullopt);
    EXPECT_EQ(storedValue("1e999"), std::nullopt);
}

TEST(BoxText, PlainDecimalWithSevenDigits) {
    EXPECT_EQ(boxText(0.0f), "0");
    EXPECT_EQ(boxText(12.3f), "12.3");
    EXPECT_EQ(boxText(3.0f), "3");
    EXPECT_EQ(boxText(-2.25f), "-2.25");
    EXPECT_EQ(boxText(1.0f / 3.0f), "0.3333333");
}

TEST(CoordinateCellText, SixCharactersWithTheAddedMillionth) {
    EXPECT_EQ(coordinateCellText(0.0f), "");
    EXPECT_EQ(coordinateCellText(12.3f), " 12.30");
    EXPECT_EQ(coordinateCellText(-3.25f), "-3.249");
    EXPECT_EQ(coordinateCellText(100.25f), " 100.2");
    EXPECT_EQ(coordinateCellText(0.5f), " .5000");
    EXPECT_EQ(coordinateCellText(5.0f), " 5.000");
    EXPECT_EQ(coordinateCellText(1234.5f), " 1234.");
}

TEST(CoordinatePrintText, LeadingNumberOfTheBoxText) {
    const struct {
        const char* text;
        const char* expected;
    } cases[] = {
        {"12.5", " 12.50"},   {"3", " 3.000"},       {"-4.25", "-4.249"},
        {"0.5", " .5000"},    {"123.456", " 123.4"}, {"7x", " 7.000"},
        {" 12.30", " 12.30"}, {"abc", " 1E-06"},     {"", " 1E-06"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(coordinatePrintText(c.text), c.expected) << '"' << c.text << '"';
    }
}

} // namespace
} // namespace velmora
