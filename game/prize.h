// SPDX-License-Identifier: GPL-3.0-or-later
// A prize on the floor: its kind (a shield or a cannon), cube model, position and box.
#pragma once

#include "game/geometry.h"

#include <array>
#include <cstdint>

class GameRandom;

// The prize's cube, half edge 2.0 about its own origin; drawn lifted 2.0 onto the floor.
struct PrizeModel {
    static constexpr float halfEdge = 2.0f;
    std::array<Vec3, 8> vertices{{{-2, -2, 2},
                                  {2, -2, 2},
                                  {2, -2, -2},
                                  {-2, -2, -2},
                                  {-2, 2, 2},
                                  {2, 2, 2},
                                  {2, 2, -2},
                                  {-2, 2, -2}}};
    FaceTable faces{
        {{0, 1, 5, 4}, {2, 3, 7, 6}, {0, 4, 7, 3}, {1, 2, 6, 5}, {0, 3, 2, 1}, {4, 5, 6, 7}}};
    std::array<Vec3, 6> normals{
        {{0, 0, 1}, {0, 0, -1}, {-1, 0, 0}, {1, 0, 0}, {0, -1, 0}, {0, 1, 0}}};
};

enum PrizeKind : std::int32_t {
    WeakShieldPrize = 0,
    MediumShieldPrize = 1,
    StrongShieldPrize = 2,
    CannonPrize = 3,
};

class Prize {
  public:
    // Draws the kind: an odd first draw gives a cannon; otherwise a second draw modulo 100
    // gives a weak (0..49), medium (50..84) or strong (85..99) shield.
    explicit Prize(GameRandom& random);

    PrizeModel model;
    Vec3 position{};
    Box box{-2.0f, 2.0f, -2.0f, 2.0f, -2.0f, 2.0f};
    Corners corners{};
    std::int32_t kind = WeakShieldPrize;

    void syncCorners() { corners = commonLayoutCorners(box); }
};
