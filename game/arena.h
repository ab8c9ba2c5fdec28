// SPDX-License-Identifier: GPL-3.0-or-later
// The arena: the square floor, the divider between the teams and the barrier on top of it.
// arena.cpp rebuilds them.
#pragma once

#include "game/geometry.h"

#include <array>

// A wall of the arena (the divider and the barrier), ready for face-by-face drawing.
struct SceneBox {
    Corners corners{};
    FaceTable faces{};
    std::array<Vec3, 6> normals{};
    Box bounds{};

    // Sets the bounds and rebuilds corners, faces and normals from them.
    void build(const Box& newBounds);
};

struct Arena {
    static constexpr float dividerHalfWidth = 7.0f;
    static constexpr float dividerHeight = 6.0f;
    static constexpr float barrierHalfWidth = 0.5f;

    float halfSide = 60.0f;
    SceneBox divider;
    SceneBox barrier;
    float barrierHeight = 0.0f;
    // The floor square, corners 0..3 = (-h, 0, h), (h, 0, h), (h, 0, -h), (-h, 0, -h);
    // all zero until the first game is built.
    std::array<Vec3, 4> floorCorners{};

    // Rebuilds the floor corners and both walls from halfSide and barrierHeight.
    void rebuild();
};
