#include "model/coordinate_csv.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace velmora {
namespace {

// Awkward singles: thirds, sixteenths, large and small values, negatives.
CoordinateSet awkward(float seed) {
    CoordinateSet set;
    for (int i = CoordinateSet::kFirst; i <= CoordinateSet::kLast; ++i) {
        set[i] = static_cast<float>(std::pow(-1.0, i)) *
                 (seed * static_cast<float>(i) / 3.0f + std::ldexp(1.0f, -i));
    }
    return set;
}

bool sameBits(const CoordinateSet& a, const CoordinateSet& b) {
    return std::memcmp(a.values.data(), b.values.data(), sizeof(float) * a.values.size()) == 0;
}

TEST(CoordinateCsv, ExportThenImportGivesTheSameSinglesInEitherUnit) {
    for (const float seed : {1.0f, 7.3f, 123.456f, 0.001f}) {
        CoordinateSet left = awkward(seed);
        left[9] = 0; // not entered: an empty cell, read back as not entered
        for (const LengthUnit unit : {LengthUnit::Inches, LengthUnit::Millimetres}) {
            const std::string csv = coordinatesCsv(awkward(seed * 2), left, unit);
            const CsvReadResult read = readCoordinatesCsv(csv);
            ASSERT_TRUE(read.coordinates) << read.problem;
            EXPECT_TRUE(sameBits(read.coordinates->right, awkward(seed * 2))) << seed;
            EXPECT_TRUE(sameBits(read.coordinates->left, left)) << seed;
        }
    }
    CoordinateSet three;
    three[1] = 3;
    const std::string mm = coordinatesCsv(three, three, LengthUnit::Millimetres);
    EXPECT_EQ(mm.substr(0, mm.find('\n', mm.find('\n') + 1)),
              "box,point,axis,right,left,unit\n1,Top Arm Front Pivot,X,76.2,76.2,mm");
    // The table's order: across each row, then down; the spindle height last.
    EXPECT_NE(mm.find("\n10,Top Arm Front Pivot,Y,,,mm\n19,"), std::string::npos);
    EXPECT_EQ(mm.substr(mm.size() - 25), "18,Spindle Height,Y,,,mm\n");
}

TEST(CoordinateCsv, ASpreadsheetsFileIsReadAndBadRowsAreNamed) {
    const CsvReadResult sheet =
        readCoordinatesCsv("\xEF\xBB\xBF\"Box\",\"Point\",\"Axis\",\"Right\",\"Left\",\"Unit\"\r\n"
                           "18,\"Spindle Height\",Y,\"279.4\",,MM\r\n"
                           "\r\n"
                           "1,\"Top Arm, Front Pivot\",X,12.5,-3,in\r\n");
    ASSERT_TRUE(sheet.coordinates) << sheet.problem;
    EXPECT_EQ(sheet.coordinates->right[18], 11.0f);
    EXPECT_EQ(sheet.coordinates->left[18], 0.0f);
    EXPECT_EQ(sheet.coordinates->right[1], 12.5f);
    EXPECT_EQ(sheet.coordinates->left[1], -3.0f);
    EXPECT_EQ(sheet.coordinates->right[2], 0.0f) << "a missing row leaves its box empty";

    const std::string header = "box,point,axis,right,left,unit\n";
    const struct {
        std::string text;
        const char* says;
    } bad[] = {
        {"", "the file is empty"},
        {"x,y\n", "line 1: the first line must be the header"},
        {header + "1,p,X,12,5,11,in\n",
         "line 2: 7 fields where the header has 6 (a decimal comma?"},
        {header + "1,p,X,\"12,5\",1,in\n",
         "line 2, right: \"12,5\" is not a number (a decimal comma"},
        {header + "27,p,X,1,1,in\n", "line 2, box: \"27\" is not a box number from 1 to 26"},
        {header + "3,p,X,1,1,in\n\n3,p,X,1,1,in\n",
         "line 4, box: box 3 is given twice (also on line 2)"},
        {header + "3,p,X,1,1,cm\n", "line 2, unit: \"cm\" is not in or mm"},
        {header + "3,p,X,1,abc,in\n", "line 2, left: \"abc\" is not a number"},
        {header + "3,p,X,1e39,1,in\n", "line 2, right: \"1e39\" in is beyond what a project holds"},
        {header + "3,\"p,X,1,1,in\n", "line 2: a quoted field is not closed"},
    };
    for (const auto& b : bad) {
        const CsvReadResult read = readCoordinatesCsv(b.text);
        EXPECT_FALSE(read.coordinates) << b.text;
        EXPECT_EQ(read.problem.rfind(b.says, 0), 0u) << read.problem;
    }
}

} // namespace
} // namespace velmora
