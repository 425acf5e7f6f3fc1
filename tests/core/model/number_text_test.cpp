#include "model/number_text.h"

#include <cmath>

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(SignedText, BlankOrMinusAndNoZeroBeforeThePoint) {
    EXPECT_EQ(SignedText(0.0f), " 0");
    EXPECT_EQ(SignedText(1.25f), " 1.25");
    EXPECT_EQ(SignedText(0.5f), " .5");
    EXPECT_EQ(SignedText(-0.037), "-.037");
    EXPECT_EQ(SignedText(-2.25f), "-2.25");
    EXPECT_EQ(SignedText(-9.0f), "-9");
    EXPECT_EQ(SignedText(-0.0f), " 0");
    EXPECT_EQ(SignedText(1e-8), " 1E-08");
}

TEST(SignedText, SingleUsesSevenDigitsAndDoubleFifteen) {
    EXPECT_EQ(SignedText(3.6666665f), " 3.666667");
    EXPECT_EQ(SignedText(12.3f), " 12.3");
    EXPECT_EQ(SignedText(static_cast<double>(12.3f)), " 12.3000001907349");
    EXPECT_EQ(SignedText(12.3 + 0.000001).substr(0, 6), " 12.30");
    EXPECT_EQ(SignedText(-3.25 + 0.000001).substr(0, 6), "-3.249");
    EXPECT_EQ(SignedText(100.25 + 0.000001).substr(0, 6), " 100.2");
    EXPECT_EQ(SignedText(0.5 + 0.000001).substr(0, 6), " .5000");
    EXPECT_EQ(SignedText(12345678.0f), " 1.234568E+07");
}

TEST(GeneralText, ZeroBeforeThePointAndExponentForm) {
    EXPECT_EQ(generalText(9.0f), "9");
    EXPECT_EQ(generalText(6.75f), "6.75");
    EXPECT_EQ(generalText(-2.25f), "-2.25");
    EXPECT_EQ(generalText(0.75f), "0.75");
    EXPECT_EQ(generalText(1e-8f), "1E-08");
    EXPECT_EQ(generalText(0.0001f), "0.0001");
    EXPECT_EQ(generalText(3.0f - 0.1f), "2.9");
}

TEST(ShortestText, ReadsBackToTheSameSingle) {
    EXPECT_EQ(shortestText(0.25f), "0.25");
    EXPECT_EQ(shortestText(-1.5f), "-1.5");
    EXPECT_EQ(shortestText(3.6666665f), "3.6666665");
    EXPECT_EQ(shortestText(0.0f), "0");
    EXPECT_EQ(shortestText(2.75f), "2.75");
}

TEST(RoundThousandths, TiesGoToTheEvenNeighbour) {
    EXPECT_DOUBLE_EQ(roundThousandths(0.0625f), 0.062);
    EXPECT_DOUBLE_EQ(roundThousandths(0.0635), 0.064);
    EXPECT_DOUBLE_EQ(roundThousandths(-0.1234f), -0.123);
    EXPECT_FALSE(std::signbit(roundThousandths(-0.0004)));
    EXPECT_TRUE(fitsInt16Thousandths(32.767));
    EXPECT_FALSE(fitsInt16Thousandths(32.768));
    EXPECT_DOUBLE_EQ(roundThousandths(40000.0004), 40000.0); // shown soundly, not wrapped
}

TEST(CaptionText, ShortestDecimalOfTheRoundedValue) {
    EXPECT_EQ(captionText16(8.23512), "8.235");
    EXPECT_EQ(captionText16(0.5), "0.5");
    EXPECT_EQ(captionText16(-1.25), "-1.25");
    EXPECT_EQ(captionText16(3.0001), "3");
    EXPECT_EQ(captionText32(0.0015), "0.002");
    EXPECT_EQ(captionText16(123.4567), "123.457");
}

} // namespace
TEST(FixedText, RoundsLikePrintfAndNeverShowsMinusZero) {
    const struct {
        double value;
        int decimals;
        const char* text;
    } cases[] = {{12.5, 2, "12.50"},     {-0.0004, 3, "0.000"}, {-0.0, 3, "0.000"},
                 {-0.0006, 3, "-0.001"}, {-2.25, 1, "-2.2"},    {0.05, 0, "0"}};
    for (const auto& c : cases) {
        EXPECT_EQ(fixedText(c.value, c.decimals), c.text) << c.value;
    }
}

} // namespace velmora
