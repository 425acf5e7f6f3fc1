#pragma once

#include "model/suspension_state.h"
#include "pictures/picture_key.h"

// The corner a picture shows: the user's own coordinates when they can be drawn to scale,
// otherwise a typical corner of the car style.
namespace velmora {

struct Corner {
    CoordinateSet set;
    CarLook look = CarLook::GM;
    // Inches. The tire is as tall as twice the spindle height.
    double tireWidth = 10;
    bool ownGeometry = false;

    Point3 point(int row) const; // rows 1..8 of the coordinate table
    double tireX() const { return set[9]; }
    double spindle() const { return set[18]; }
    // Fore/aft position of the wheel centre: between the two ball joints.
    double wheelZ() const;
};

// A typical corner of the style, proportioned like a real car of that kind: the GM and Ford
// stock cars with a 27 in tire, the Ford one with its bottom arm's front pivot far forward
// on a strut rod, the formula car with long flat arms and a smaller open wheel.
CoordinateSet typicalCoordinates(CarLook look);

// The user's set when it is complete and every value is a sensible size (finite, within
// 0..400 inches, a spindle above the floor); otherwise the typical corner of the style.
Corner pictureCorner(CarLook look, const CoordinateSet* own);

} // namespace velmora
