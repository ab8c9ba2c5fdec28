// SPDX-License-Identifier: GPL-3.0-or-later
// Tank: its model parts, cannons, aim, mileage, box, shields and stock of shields.
// tank.cpp has the constructor and the spreading of cannons.
#pragma once

#include "game/geometry.h"

#include <array>
#include <cstdint>

class GameWorld;

// The tank's model parts: the geometry itself belongs to the renderer; a tank only
// names the display lists (chosen by camouflage) that draw its hull, deck and turret.
struct TrackModel {
    unsigned int displayListId = 0;
};
struct HullModel {
    unsigned int displayListId = 0;
};
struct DeckModel {
    unsigned int displayListId = 0;
};
struct TurretModel {
    unsigned int displayListId = 0;
};

struct Cannon {
    std::int32_t camouflage = 0;  // the owning player's camouflage id, 37..41
    float lateralOffset = 0.0f;   // sideways offset from the turret centre
};

class Tank {
  public:
    static constexpr int maxCannons = 5;
    static constexpr int maxMileage = 10;
    // Aim limits: elevation from level (0) up to -80 (more negative is higher); power.
    static constexpr int highestElevation = -80;
    static constexpr int levelElevation = 0;
    static constexpr float minPower = 0.1f;
    static constexpr float maxPower = 100.0f;
    // The bubble a switched-on shield puts round the tank: hit test and drawing.
    static constexpr double shieldRadius = 9.0;
    static constexpr float footprintHalf = 6.0f;

    // Takes the world's next serial and the heading of the world's current team:
    // 0 for team A, 180 for team B. Defined in world.cpp, beside the world.
    explicit Tank(GameWorld& world);
    // The trial copy of a drive step: every field, the serial included.
    Tank(const Tank&) = default;
    Tank& operator=(const Tank&) = default;

    // Spreads the first cannonCount cannons 0.85 apart, centred on the turret.
    void layOutCannons();
    // Rebuilds corners from box in the common layout.
    void syncCorners() { corners = commonLayoutCorners(box); }

    std::int32_t number = 0;  // 1..tankCount within its player
    std::int32_t serial = 0;
    TrackModel track;
    HullModel hull;
    DeckModel deck;
    TurretModel turret;
    std::array<Cannon, maxCannons> cannons{};
    std::int32_t cannonCount = 1;
    // Neighbours in the player's tank list; the player owns the tanks.
    Tank* next = nullptr;
    Tank* prev = nullptr;
    std::int32_t kills = 0;
    bool destroyed = false;
    bool placed = false;
    std::int32_t mileage = 0;
    float power = 10.0f;
    std::int32_t elevation = -45;  // -80..0, more negative is higher
    std::int32_t turretAngle = 0;
    std::int32_t turretYaw = 0;
    std::int32_t heading = 0;  // 0, 90, 180, 270 or 360 (same as 0)
    Vec3 position{};
    Corners corners{};
    FaceTable faces{
        {{0, 1, 2, 3}, {4, 5, 6, 7}, {0, 3, 5, 4}, {1, 7, 6, 2}, {0, 4, 7, 1}, {3, 2, 6, 5}}};
    Box box{-6.0f, 6.0f, 0.5f, 5.5f, -3.0f, 3.0f};
    bool shieldActive = false;
    float shieldStrength = 0.0f;
    std::int32_t shieldKind = 0;  // 0 weak, 1 medium, 2 strong
    std::int32_t weakShields = 0;
    std::int32_t mediumShields = 0;
    std::int32_t strongShields = 0;
};

// The lateral offset of cannon slot i when a tank carries count cannons.
float cannonLateralOffset(int count, int i);
