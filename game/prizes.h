// SPDX-License-Identifier: GPL-3.0-or-later
// Prizes in play: granting their effect, placing them, pickup by a tank and their return after
// a countdown; prizes.cpp has the bodies.
#pragma once

#include <cstdint>

class GameHost;
class GameRandom;
class GameWorld;
class Prize;
class Tank;
class Team;

// The messages of a pickup, all shown with this caption.
inline constexpr const char* powerUpCaption = "PowerUp";

// Gives the prize's effect to the tank and returns the message that tells of it (null for
// an unknown kind).
const char* grantPrize(std::int32_t kind, Tank& tank);

// The first placed, live tank of the team (roster order) whose box overlaps the prize.
Tank* findTankOnPrize(const Prize& prize, const Team& team);

// One random position on the team's half: x from 9 to 8 + m (mirrored for team B),
// z within the floor.
void placePrizeAtRandom(GameWorld& world, Prize& prize, int teamIndex);

// Places the prize on the team's half clear of its tanks; gives up after 5000 repeats,
// leaving the prize at its last position.
void placePrize(GameWorld& world, Prize& prize, const Team& team);

// The current team's tank standing on the team's prize takes it: its effect, the
// congratulation, the "Shields" menu item; then the prize is gone.
void pickUpPrize(GameWorld& world, GameHost& host);

// Every team without a prize gets a new one (team A first).
void restorePrizes(GameWorld& world);

// Turns until missing prizes come back: 20 to 40.
void startPrizeCountdown(GameWorld& world);
