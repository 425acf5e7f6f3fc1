#include "pictures/corner_geometry.h"

#include <cmath>

namespace velmora {
namespace {

CoordinateSet fromRows(const std::array<Point3, 8>& rows, double tireX, double spindle) {
    CoordinateSet set;
    for (int row = 1; row <= 8; ++row) {
        const Point3& p = rows[static_cast<std::size_t>(row - 1)];
        set[row] = static_cast<float>(p.x);
        set[row + 9] = static_cast<float>(p.y);
        set[row + 18] = static_cast<float>(p.z);
    }
    set[9] = static_cast<float>(tireX);
    set[18] = static_cast<float>(spindle);
    return set;
}

bool drawable(const CoordinateSet& set) {
    if (!isComplete(set)) {
        return false;
    }
    for (int i = CoordinateSet::kFirst; i <= CoordinateSet::kLast; ++i) {
        const float v = set[i];
        if (!std::isfinite(v) || v < 0 || v > 400) {
            return false;
        }
    }
    return set[18] > 1;
}

} // namespace

Point3 Corner::point(int row) const {
    return {set[row], set[row + 9], set[row + 18]};
}

double Corner::wheelZ() const {
    return (static_cast<double>(set[21]) + set[24]) / 2;
}

CoordinateSet typicalCoordinates(CarLook look) {
    switch (look) {
    case CarLook::Ford:
        return fromRows({{{11.5, 16.5, 21.5},
                          {11.0, 16.8, 30.0},
                          {22.5, 18.0, 26.7},
                          // The strut rod's mount well ahead of the wheel and a little above
                          // the arm's pivot, and the pivot a little behind the ball joint, so
                          // that the three points stand apart in the side view and in height.
                          {12.0, 10.0, 9.0},
                          {10.0, 8.5, 29.0},
                          {25.0, 7.0, 25.5},
                          {10.5, 9.5, 19.0},
                          {23.5, 9.3, 19.5}}},
                        30.5, 13.5);
    case CarLook::Formula:
        return fromRows({{{8.0, 12.5, 20.0},
                          {8.0, 12.8, 30.0},
                          {24.0, 14.5, 25.8},
                          {6.5, 5.0, 18.5},
                          {6.5, 5.0, 31.5},
                          {25.5, 4.5, 25.0},
                          {7.0, 6.5, 21.0},
                          {24.5, 6.8, 21.5}}},
                        28.5, 11.0);
    case CarLook::GM:
        break;
    }
    return fromRows({{{11.5, 16.5, 20.5},
                      {11.0, 16.8, 30.0},
                      {22.8, 18.3, 26.7},
                      {9.8, 8.0, 21.0},
                      {9.8, 8.3, 33.0},
                      {24.8, 7.0, 25.5},
                      {10.5, 9.5, 19.0},
                      {23.3, 9.3, 19.5}}},
                    30.0, 13.5);
}

Corner pictureCorner(CarLook look, const CoordinateSet* own) {
    Corner corner;
    corner.look = look;
    corner.tireWidth = look == CarLook::Formula ? 11 : 10;
    if (own && drawable(*own)) {
        corner.set = *own;
        corner.ownGeometry = true;
    } else {
        corner.set = typicalCoordinates(look);
    }
    return corner;
}

} // namespace velmora
