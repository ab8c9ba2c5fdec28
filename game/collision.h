// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/geometry.h"

// The one overlap test of the game: the closed intervals of a and b share a point on
// each of x, y and z. Boxes that only touch overlap.
inline bool boxesOverlap(const Box& a, const Box& b) {
    return a.xmin <= b.xmax && b.xmin <= a.xmax && a.ymin <= b.ymax && b.ymin <= a.ymax &&
           a.zmin <= b.zmax && b.zmin <= a.zmax;
}
