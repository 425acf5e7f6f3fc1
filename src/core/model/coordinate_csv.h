#pragma once

#include "model/length_unit.h"
#include "model/suspension_state.h"

#include <optional>
#include <string>
#include <string_view>

// Both sides' coordinates as a spreadsheet holds them: a header line, then one row per box of
// the coordinate table, in the table's order.
//
//   box,point,axis,right,left,unit
//   1,Top Arm Front Pivot,X,12.5,12.5,in
//
// The box number (1-26) decides where a value goes; the point and axis are there for the
// reader. An empty value is a box not entered.
namespace velmora {

inline constexpr std::string_view kCoordinatesCsvHeader = "box,point,axis,right,left,unit";

// The 26 rows in `unit`, each value the shortest text that reads back to the same single.
std::string coordinatesCsv(const CoordinateSet& right, const CoordinateSet& left, LengthUnit unit);

struct CsvCoordinates {
    CoordinateSet right;
    CoordinateSet left;
};

struct CsvReadResult {
    std::optional<CsvCoordinates> coordinates;
    // Why the text was refused, one line naming the line and the field; empty when read.
    std::string problem;
};

// Reads that layout as a spreadsheet may write it: a UTF-8 byte order mark, CR LF line ends,
// quoted fields, the rows in any order and a unit per row ("in" or "mm"). A missing row leaves
// its boxes empty. A decimal comma, a box given twice, a number that is not one or cannot be
// held, a row of the wrong shape: refused, nothing taken.
CsvReadResult readCoordinatesCsv(std::string_view text);
// The same from the file at `path`: only a regular file is opened (a named pipe or a device
// would block or never end) and only one of a size a coordinates file can have. Its problem
// names the file ("/tmp/c.csv: line 2, right: ...").
CsvReadResult readCoordinatesCsvFile(const std::string& path);

} // namespace velmora
