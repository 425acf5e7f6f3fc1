#include "model/coordinate_rows.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>

namespace velmora {
namespace {

TEST(CoordinateRows, EveryIndexHasOneBoxInTheColumnOfItsAxis) {
    std::array<int, 27> seen{};
    for (int row = 1; row <= kCoordinateRows; ++row) {
        for (int axis = 0; axis < 3; ++axis) {
            const int index = coordinateIndexOf(row, axis);
            if (index == 0) {
                continue;
            }
            ASSERT_GE(index, 1);
            ASSERT_LE(index, 26);
            ++seen[static_cast<std::size_t>(index)];
            EXPECT_EQ(coordinateAxisOf(index), axis) << index;
            EXPECT_EQ(coordinateRowOf(index), row) << index;
        }
    }
    for (int index = 1; index <= 26; ++index) {
        EXPECT_EQ(seen[static_cast<std::size_t>(index)], 1) << index;
    }
}

TEST(CoordinateRows, NamesOfIndexesAndRows) {
    struct Case {
        int index;
        int row;
        const char* point;
        const char* axis;
    };
    const Case cases[] = {
        {1, 1, "Top Arm Front Pivot", "X"},
        {3, 3, "Top Arm Ball Joint", "X"},
        {9, 9, "Tire Center", "X"},
        {13, 4, "Bottom Arm Front Pivot", "Y"},
        {18, 10, "Spindle Height", "Y"},
        {24, 6, "Bottom Arm Ball Joint", "Z"},
        {26, 8, "Tie Rod Outer Joint", "Z"},
        {0, 0, "", ""},
        {27, 0, "", ""},
        {-1, 0, "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(coordinateRowOf(c.index), c.row) << c.index;
        EXPECT_EQ(coordinatePointName(c.index), c.point) << c.index;
        EXPECT_EQ(coordinateAxisName(c.index), c.axis) << c.index;
    }
    // The boxes the table does not have, and rows and axes outside it.
    for (const auto& [row, axis] :
         {std::pair{9, 1}, std::pair{9, 2}, std::pair{10, 0}, std::pair{10, 2}, std::pair{0, 0},
          std::pair{11, 1}, std::pair{1, 3}, std::pair{1, -1}}) {
        EXPECT_EQ(coordinateIndexOf(row, axis), 0) << row << " " << axis;
    }
    EXPECT_EQ(coordinateRowName(0), "");
    EXPECT_EQ(coordinateRowName(11), "");
    // A point's name is its heading and its caption; the tire centre and the spindle height
    // stand under "Misc." alone.
    for (const CoordinateRow& r : kCoordinateTable) {
        const bool misc = std::string(r.group) == "Misc.";
        EXPECT_EQ(r.name, misc ? std::string(r.caption) : std::string(r.group) + " " + r.caption);
    }
}

} // namespace
} // namespace velmora
