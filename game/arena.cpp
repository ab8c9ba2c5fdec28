// SPDX-License-Identifier: GPL-3.0-or-later
// Rebuilds the arena's floor corners and its two walls (SceneBox) from their bounds.
#include "game/arena.h"

void SceneBox::build(const Box& b) {
    bounds = b;
    corners = {{{b.xmin, b.ymax, b.zmax},
                {b.xmax, b.ymax, b.zmax},
                {b.xmax, b.ymin, b.zmax},
                {b.xmin, b.ymin, b.zmax},
                {b.xmin, b.ymax, b.zmin},
                {b.xmax, b.ymax, b.zmin},
                {b.xmax, b.ymin, b.zmin},
                {b.xmin, b.ymin, b.zmin}}};
    faces = {{{3, 2, 1, 0}, {4, 5, 6, 7}, {0, 1, 5, 4}, {1, 2, 6, 5}, {0, 4, 7, 3}, {3, 7, 6, 2}}};
    normals = {{{0, 0, 1}, {0, 0, -1}, {0, 1, 0}, {1, 0, 0}, {-1, 0, 0}, {0, -1, 0}}};
}

void Arena::rebuild() {
    const float h = halfSide;
    floorCorners = {{{-h, 0, h}, {h, 0, h}, {h, 0, -h}, {-h, 0, -h}}};
    divider.build({-dividerHalfWidth, dividerHalfWidth, 0.0f, dividerHeight, -h, h});
    barrier.build({-barrierHalfWidth, barrierHalfWidth, 0.0f, barrierHeight, -h, h});
}
