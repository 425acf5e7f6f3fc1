#include "model/shown_length.h"

#include "model/number_text.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(ShownLengthTest, InchesShowAsBeforeAndMillimetresLoseOneDecimal) {
    EXPECT_EQ(fixedLength(1.25, 3), "1.250");
    EXPECT_EQ(captionLength(8.2354), "8.235");
    EXPECT_EQ(lengthUnitText(), "in");
    ScopedDisplayUnit mm(LengthUnit::Millimetres);
    EXPECT_EQ(fixedLength(1.25, 3), "31.75");
    EXPECT_EQ(fixedLength(12.3, 2), "312.4");
    EXPECT_EQ(fixedLength(-0.001, 2), "0.0");
    EXPECT_EQ(captionLength(8.2354), "209.18");
    EXPECT_EQ(shortestLength(3.0f), "76.2");
    EXPECT_EQ(lengthHeading(), "Millimetres");
}

TEST(ShownLengthTest, AValueTypedInMillimetresReadsAsTyped) {
    ScopedDisplayUnit mm(LengthUnit::Millimetres);
    for (double typed : {312.4, 76.2, 0.5, -82.6, 1234.5}) {
        EXPECT_EQ(fixedLength(typedStoredLength(typed), 2), fixedText(typed, 1)) << typed;
    }
    EXPECT_EQ(typedStoredLength(76.2), 3.0f);
}

TEST(ShownLengthTest, AdviceNumbersAreConvertedAndNothingElse) {
    const struct {
        const char* inches;
        const char* millimetres;
    } lines[] = {
        {"raise the outer tie rod end 1/8 in", "raise the outer tie rod end 3 mm"},
        {"lower the inner tie rod end 1 3/16 in", "lower the inner tie rod end 30 mm"},
        {"the outer tie rod end needs less than 1/32 in, too little to shim",
         "the outer tie rod end needs less than 1 mm, too little to shim"},
        {"the first inch of wheel travel.", "the first 25 mm of wheel travel."},
        {"arm.  Shoot for .030 or less of ", "arm.  Shoot for .75 or less of "},
        {"tire scrub in one inch of vertical", "tire scrub in 25 mm of vertical"},
        {"per inch of wheel travel is okay", "per 25 mm of wheel travel is okay"},
        {"of the top arm in.", "of the top arm in."},
        {"a few inches ahead of 2 in the corners", "a few inches ahead of 2 in the corners"},
    };
    for (const auto& line : lines) {
        EXPECT_EQ(shownAdvice(line.inches), line.inches);
        ScopedDisplayUnit mm(LengthUnit::Millimetres);
        EXPECT_EQ(shownAdvice(line.inches), line.millimetres);
    }
}

} // namespace
} // namespace velmora
