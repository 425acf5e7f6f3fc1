#pragma once

#include "model/suspension_state.h"

#include <cmath>

// Small vector arithmetic on Point3 for the rigid-body solver.
namespace velmora::vec3 {

inline Point3 operator+(const Point3& a, const Point3& b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline Point3 operator-(const Point3& a, const Point3& b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline Point3 operator*(double k, const Point3& a) {
    return {k * a.x, k * a.y, k * a.z};
}
inline double dot(const Point3& a, const Point3& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline Point3 cross(const Point3& a, const Point3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double norm(const Point3& a) {
    return std::sqrt(dot(a, a));
}
inline double distance(const Point3& a, const Point3& b) {
    return norm(a - b);
}

} // namespace velmora::vec3
