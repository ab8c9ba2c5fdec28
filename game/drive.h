// SPDX-License-Identifier: GPL-3.0-or-later
// Driving a tank: one step forward or back (mileage, team mates, divider, floor edge, prizes)
// and quarter turns of the hull; drive.cpp has the bodies.
#pragma once

#include <cstdint>

class GameHost;
class GameWorld;
class Team;
class Tank;

enum DriveDirection : std::int32_t { Forward = 0, Backward = 1 };

// One drive step of the current tank, with mileage, collision, prize pickup (forward
// only) and the arena's edges. A step beyond the mileage limit moves nothing.
void driveForward(GameWorld& world, GameHost& host);
void driveBackward(GameWorld& world, GameHost& host);
void driveStep(GameWorld& world, GameHost& host, Tank& tank, DriveDirection direction);

// Quarter turns of the current tank's hull; free, and never blocked.
void turnClockwise(GameWorld& world, GameHost& host);
void turnCounterClockwise(GameWorld& world, GameHost& host);
void turnClockwise(Tank& tank);
void turnCounterClockwise(Tank& tank);

// The building blocks of a step.

// The step's mileage and move, stopped short by a team mate of the current team or the
// divider, before any prize pickup and the floor's edge. Returns false, moving nothing,
// beyond the mileage limit. A computer player tries steps with it on copies.
bool stepWithinLimits(const GameWorld& world, Tank& tank, DriveDirection direction);

// Moves position, corners and box by distance along the heading's axis.
void moveBy(Tank& tank, DriveDirection direction, float distance);
// Of all tanks findBlockingTeamMate could return, the one whose facing side is nearest
// ahead in the direction of travel.
Tank* findNearestBlockingTeamMate(const Tank& tank, const Team& team, DriveDirection direction);
// Moves the tank up to the blocker, stopping 0.01 short.
void approachTank(Tank& tank, const Tank& blocker, DriveDirection direction);
// Moves the tank up to the divider, stopping 0.01 short (or backing off to 0.01).
void approachDivider(const GameWorld& world, Tank& tank, DriveDirection direction);
bool overlapsDivider(const GameWorld& world, const Tank& tank);
// Pulls a tank that stepped over the floor's edge back flush with it.
void clampToArena(const GameWorld& world, Tank& tank);
