// SPDX-License-Identifier: GPL-3.0-or-later
// The cross product behind faceNormal, with the zero vector for degenerate faces.
#include "render/face_normal.h"

#include <cmath>

Vec3 faceNormal(const Vec3& p0, const Vec3& p1, const Vec3& p2) {
    const double ax = p0.x - p1.x, ay = p0.y - p1.y, az = p0.z - p1.z;
    const double bx = p1.x - p2.x, by = p1.y - p2.y, bz = p1.z - p2.z;
    const double nx = ay * bz - az * by;
    const double ny = az * bx - ax * bz;
    const double nz = ax * by - ay * bx;
    const double length = std::sqrt(nx * nx + ny * ny + nz * nz);
    if (length == 0.0) {
        return Vec3{};
    }
    return Vec3{static_cast<float>(nx / length), static_cast<float>(ny / length),
                static_cast<float>(nz / length)};
}
