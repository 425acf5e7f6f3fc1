#pragma once

#include <array>
#include <string>

// The rows of the coordinate table and the coordinate index each of its boxes holds: X 1..9,
// Y 10..18, Z 19..26. The eight points have a box in every column, so point row r holds r,
// r + 9 and r + 18; the tire centre has only an X box (9), the spindle height only a Y box
// (18). The window, the printed page and the sensitivity table all lay the boxes out by it.
namespace velmora {

inline constexpr int kCoordinateRows = 10;

struct CoordinateRow {
    const char* group;        // the heading it stands under ("Top Arm", "Misc.")
    const char* caption;      // its caption under that heading ("Front Pivot", "Tire Center")
    const char* name;         // its name standing alone ("Top Arm Front Pivot", "Tire Center")
    std::array<int, 3> index; // the coordinate index of its X, Y and Z box, 0 where none
};

// Rows 1..10 from the top of the table (element 0 is row 1).
inline constexpr std::array<CoordinateRow, kCoordinateRows> kCoordinateTable{{
    {"Top Arm", "Front Pivot", "Top Arm Front Pivot", {1, 10, 19}},
    {"Top Arm", "Rear Pivot", "Top Arm Rear Pivot", {2, 11, 20}},
    {"Top Arm", "Ball Joint", "Top Arm Ball Joint", {3, 12, 21}},
    {"Bottom Arm", "Front Pivot", "Bottom Arm Front Pivot", {4, 13, 22}},
    {"Bottom Arm", "Rear Pivot", "Bottom Arm Rear Pivot", {5, 14, 23}},
    {"Bottom Arm", "Ball Joint", "Bottom Arm Ball Joint", {6, 15, 24}},
    {"Tie Rod", "Inner Joint", "Tie Rod Inner Joint", {7, 16, 25}},
    {"Tie Rod", "Outer Joint", "Tie Rod Outer Joint", {8, 17, 26}},
    {"Misc.", "Tire Center", "Tire Center", {9, 0, 0}},
    {"Misc.", "Spindle Height", "Spindle Height", {0, 18, 0}},
}};

// The name of a row (1..10); empty outside.
std::string coordinateRowName(int row);
// The index of a row (1..10) and axis (0 X, 1 Y, 2 Z); 0 where the table has no box.
int coordinateIndexOf(int row, int axis);
// The row (1..10) and the axis (0 X, 1 Y, 2 Z) of an index; 0 and -1 outside 1..26.
int coordinateRowOf(int index);
int coordinateAxisOf(int index);
// The name of the point an index belongs to ("Tie Rod Outer Joint", "Spindle Height") and
// the name of its axis ("X", "Y" or "Z"); empty outside 1..26.
std::string coordinatePointName(int index);
std::string coordinateAxisName(int index);

} // namespace velmora
