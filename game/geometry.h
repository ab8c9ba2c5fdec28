// SPDX-License-Identifier: GPL-3.0-or-later
// The shapes every solid is made of: Vec3, the axis-aligned Box, eight Corners and a FaceTable.
#pragma once

#include <array>
#include <cstdint>

// A point or direction in arena units: the floor is y = 0 and y points up.
struct Vec3 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
};

// An axis-aligned box; every solid of the game carries one.
struct Box {
    float xmin = 0.0f;
    float xmax = 0.0f;
    float ymin = 0.0f;
    float ymax = 0.0f;
    float zmin = 0.0f;
    float zmax = 0.0f;
};

inline bool operator==(const Vec3& a, const Vec3& b) {
    return a.x == b.x && a.y == b.y && a.z == b.z;
}
inline bool operator!=(const Vec3& a, const Vec3& b) {
    return !(a == b);
}

using Corners = std::array<Vec3, 8>;
using FaceTable = std::array<std::array<std::int32_t, 4>, 6>;

// The corner layout tanks and prizes share:
// c0 (xmin, ymin, zmax), c1 (xmin, ymin, zmin), c2 (xmax, ymin, zmin), c3 (xmax, ymin, zmax),
// c4 (xmin, ymax, zmax), c5 (xmax, ymax, zmax), c6 (xmax, ymax, zmin), c7 (xmin, ymax, zmin).
inline Corners commonLayoutCorners(const Box& b) {
    return {{{b.xmin, b.ymin, b.zmax},
             {b.xmin, b.ymin, b.zmin},
             {b.xmax, b.ymin, b.zmin},
             {b.xmax, b.ymin, b.zmax},
             {b.xmin, b.ymax, b.zmax},
             {b.xmax, b.ymax, b.zmax},
             {b.xmax, b.ymax, b.zmin},
             {b.xmin, b.ymax, b.zmin}}};
}
