// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing tanks: TankDrawContext, a team's tanks, a tank's body, cannons and outline.
// tank_drawing.cpp has the bodies.
#pragma once

#include "game/roster.h"
#include "render/polygon_mode.h"

class SceneResources;

// What drawing a tank needs besides the tank: the shared models and lists, the
// polygon mode (for the unlit brackets) and the current tank, whose outline is red.
struct TankDrawContext {
    const SceneResources& scene;
    PolygonMode polygonMode;
    const Tank* currentTank;  // null: no outlines are drawn
};

// Every tank of the team, players in list order and each player's tanks in list order.
void drawTeamTanks(const Team& team, const TankDrawContext& context);
// A live tank placed by position and heading, its shield bubble if on, then its outline.
void drawTank(const Tank& tank, const TankDrawContext& context);
// Tracks, hull, deck, turret and cannons in model space.
void drawTankBody(const Tank& tank, const TankDrawContext& context);
void drawCannon(const Cannon& cannon, const Tank& tank, const TankDrawContext& context);
// The cannon's two cylinders about the current origin, along +z, each one batch of GLU's
// quad strips: a barrel 6.0 long and the wider muzzle ring at its end. The full shapes have
// GLU's 10 and 8 stacks, which wireframe mode shows; filled, one stack of each looks the same,
// and both go in one batch.
void drawBarrelShape();
void drawMuzzleRingShape();
void drawFilledCannonShape();
// The tank's collision box as a wire frame in world space, unlit.
void drawTankOutline(const Tank& tank, const TankDrawContext& context);
