// SPDX-License-Identifier: GPL-3.0-or-later
// Aiming the current tank: cannon elevation, turret turns and power, each clamped or wrapped.
// aim.cpp has the bodies.
#pragma once

class GameHost;
class GameWorld;
class Tank;

// Aiming and power of the current tank. Every change is clamped or wrapped at once:
// elevation -80..0, turret angle and yaw 0..360 (above 360 wraps to 1, below 0 to 359),
// power 0.1..100.0. Elevation and power changes redraw the readouts; the turret angle
// is not shown.
void raiseCannon(GameWorld& world, GameHost& host);
void lowerCannon(GameWorld& world, GameHost& host);
void turnCannonCounterClockwise(GameWorld& world, GameHost& host);
void turnCannonClockwise(GameWorld& world, GameHost& host);
void powerUp(GameWorld& world, GameHost& host);
void powerDown(GameWorld& world, GameHost& host);
void powerUpFine(GameWorld& world, GameHost& host);
void powerDownFine(GameWorld& world, GameHost& host);

// The same changes on one tank.
void changeElevation(Tank& tank, int degrees);
void turnCannon(Tank& tank, int degrees);
void changePower(Tank& tank, float amount);
