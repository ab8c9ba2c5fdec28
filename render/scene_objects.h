// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing the arena's floor and walls and the prize cube.
#pragma once

#include "game/arena.h"
#include "game/prize.h"

#include <array>

// Times the floor picture repeats along each side of the arena, whatever its size.
constexpr float floorTextureRepeats = 10.0f;
constexpr std::array<int, 4> floorOrder{0, 1, 2, 3};
constexpr Vec3 floorNormal{0.0f, 1.0f, 0.0f};

// The floor square, with the floor texture bound.
void drawFloor(const Arena& arena);
// The two walls, face by face; they bind no texture of their own and wear the floor's, bound
// before them.
void drawDividerBox(const Arena& arena);
void drawBarrierBox(const Arena& arena);
void drawSceneBox(const SceneBox& box);
// The prize cube standing on the floor at its position, with the prize texture.
void drawPrize(const Prize& prize);
