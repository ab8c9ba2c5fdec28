// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing tanks: TankDrawContext, placing a tank, the bodies of all tanks pass by pass, the
// cannon shapes and the outlines. tank_drawing.cpp has the bodies.
#pragma once

#include "game/roster.h"
#include "render/polygon_mode.h"
#include "render/tank_order.h"

class SceneResources;

// What drawing a tank needs besides the tank: the shared models and lists, the
// polygon mode (for the unlit brackets) and the current tank, whose outline is red.
struct TankDrawContext {
    const SceneResources& scene;
    PolygonMode polygonMode;
    const Tank* currentTank;  // null: no outlines are drawn
};

// Moves the model origin to the tank: its position, 1 above the floor, turned by its heading.
void placeTank(const Tank& tank);

// Every live tank's tracks, then hull, deck and turret, then cannons aimed by elevation, each
// part under as few texture bindings as `order` allows.
void drawTankBodies(const TankDrawOrder& order, const TankDrawContext& context);

// The cannon's two cylinders about the current origin, along +z, each one batch of GLU's
// quad strips: a barrel 6.0 long and the wider muzzle ring at its end. The full shapes have
// GLU's 10 and 8 stacks, which wireframe mode shows; filled, one stack of each looks the same,
// and both go in one batch.
void drawBarrelShape();
void drawMuzzleRingShape();
void drawFilledCannonShape();

// Each live tank's collision box as a wire frame in world space: red for the current tank,
// blue for the others; nothing without a current tank. Call it with lighting off and
// polygons drawn as lines.
void drawTankOutlines(const TankDrawOrder& order, const TankDrawContext& context);
