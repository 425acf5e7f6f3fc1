#include "model/decimal_scan.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(ScanDecimal, DelimitsTheNumberAndOnlyTakesAnExponentWithDigits) {
    const struct {
        const char* text;
        const char* letters;
        std::size_t end;
        long long exponent;
    } cases[] = {
        {"12.5", "Ee", 4, 0},  {"-.5,", "Ee", 3, 0},
        {"5.x", "Ee", 2, 0},   {"1e", "Ee", 1, 0},
        {"1e+x", "Ee", 1, 0},  {"2D+02", "EeDd", 5, 2},
        {"2D+02", "Ee", 1, 0}, {"1.5e-3 ", "Ee", 6, -3},
        {"1.2.3", "Ee", 3, 0}, {"1e99999999999", "Ee", 13, kExponentLimit},
    };
    for (const auto& c : cases) {
        const auto number = scanDecimal(c.text, 0, c.letters);
        ASSERT_TRUE(number) << c.text;
        EXPECT_EQ(number->end, c.end) << c.text;
        EXPECT_EQ(number->exponent, c.exponent) << c.text;
    }
    for (const char* text : {"", ".", "-", "+.", "e5", " 1"}) {
        EXPECT_FALSE(scanDecimal(text, 0, "Ee")) << '"' << text << '"';
    }
}

TEST(ScanDecimal, OrderTellsUnderflowFromOverflowAndNormalFormReadsTheSame) {
    EXPECT_EQ(scanDecimal("12.5", 0, "Ee")->order, 1);
    EXPECT_EQ(scanDecimal("0.05", 0, "Ee")->order, -2);
    EXPECT_EQ(scanDecimal("007", 0, "Ee")->order, 0);
    EXPECT_EQ(scanDecimal(".001e-400", 0, "Ee")->order, -403);
    EXPECT_EQ(scanDecimal("3e4", 0, "Ee")->order, 4);
    EXPECT_TRUE(scanDecimal("-0.000", 0, "Ee")->allZeros);
    EXPECT_FALSE(scanDecimal("0.010", 0, "Ee")->allZeros);

    EXPECT_EQ(normalDecimalText(*scanDecimal("-1.5D+3", 0, "D")), "-1.5e3");
    EXPECT_EQ(normalDecimalText(*scanDecimal("+.5", 0, "E")), ".5e0");
    EXPECT_EQ(scanDecimal("+.5e1", 0, "e")->body, ".5e1");
}

} // namespace
} // namespace velmora
