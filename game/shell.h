// SPDX-License-Identifier: GPL-3.0-or-later
// Shell: one projectile of a volley, with its box, launch values and flight time, and the
// table of shells in flight.
#pragma once

#include "game/geometry.h"

#include <array>
#include <cstdint>
#include <memory>

// One projectile of a volley. Every field is zero until the launch fills it.
struct Shell {
    // The shell is a sphere that just fits its box.
    static constexpr double halfSize = 0.24;
    static constexpr float radius = static_cast<float>(halfSize);    // drawing
    static constexpr float halfSide = static_cast<float>(halfSize);  // box
    static constexpr double timeStepPerFrame = 0.04;

    std::int32_t turretAngle = 0;
    std::int32_t heading = 0;
    Vec3 position{};
    Corners corners{};
    FaceTable faces{};
    float power = 0.0f;
    Box box{};
    double launchY = 0.0;
    double launchX = 0.0;
    double launchZ = 0.0;
    double launchDistance = 0.0;
    double verticalSpeed = 0.0;
    double horizontalSpeed = 0.0;
    double flightTime = 0.0;
    double timeStep = 0.0;
    float lateralOffset = 0.0f;
};

// Faces of a shell's box in its own corner layout: top, bottom, zmin, zmax, xmin, xmax sides.
constexpr FaceTable shellFaces{
    {{0, 1, 2, 3}, {7, 6, 5, 4}, {3, 2, 6, 7}, {4, 5, 1, 0}, {0, 3, 7, 4}, {1, 5, 6, 2}}};

// The shell's corner layout (unlike the tanks'):
// c0 (xmin, ymax, zmax), c1 (xmax, ymax, zmax), c2 (xmax, ymax, zmin), c3 (xmin, ymax, zmin),
// c4 (xmin, ymin, zmax), c5 (xmax, ymin, zmax), c6 (xmax, ymin, zmin), c7 (xmin, ymin, zmin).
inline Corners shellLayoutCorners(const Box& b) {
    return {{{b.xmin, b.ymax, b.zmax},
             {b.xmax, b.ymax, b.zmax},
             {b.xmax, b.ymax, b.zmin},
             {b.xmin, b.ymax, b.zmin},
             {b.xmin, b.ymin, b.zmax},
             {b.xmax, b.ymin, b.zmax},
             {b.xmax, b.ymin, b.zmin},
             {b.xmin, b.ymin, b.zmin}}};
}

// The shells in flight: slots 0..shellsInFlight-1 are filled, in launch order, without gaps.
// A volley never holds more shells than a tank holds cannons.
constexpr int shellSlotCount = 5;
using ShellTable = std::array<std::unique_ptr<Shell>, shellSlotCount>;
