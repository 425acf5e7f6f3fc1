#include "model/coordinate_rows.h"

#include "model/suspension_state.h"

namespace velmora {

namespace {

bool isIndex(int index) {
    return index >= CoordinateSet::kFirst && index <= CoordinateSet::kLast;
}

} // namespace

std::string coordinateRowName(int row) {
    return row >= 1 && row <= kCoordinateRows
               ? kCoordinateTable[static_cast<std::size_t>(row - 1)].name
               : std::string();
}

int coordinateIndexOf(int row, int axis) {
    if (row < 1 || row > kCoordinateRows || axis < 0 || axis > 2) {
        return 0;
    }
    return kCoordinateTable[static_cast<std::size_t>(row - 1)]
        .index[static_cast<std::size_t>(axis)];
}

int coordinateRowOf(int index) {
    const int axis = coordinateAxisOf(index);
    if (axis < 0) {
        return 0;
    }
    for (int row = 1; row <= kCoordinateRows; ++row) {
        if (coordinateIndexOf(row, axis) == index) {
            return row;
        }
    }
    return 0;
}

int coordinateAxisOf(int index) {
    return isIndex(index) ? (index - 1) / 9 : -1;
}

std::string coordinatePointName(int index) {
    return coordinateRowName(coordinateRowOf(index));
}

std::string coordinateAxisName(int index) {
    const int axis = coordinateAxisOf(index);
    return axis < 0 ? std::string() : std::string(1, "XYZ"[axis]);
}

} // namespace velmora
