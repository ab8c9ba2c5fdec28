// SPDX-License-Identifier: GPL-3.0-or-later
// The volley's tick (updateShells): shells move, hit, land and end, and the turn passes;
// shell_loop.cpp has the bodies.
#pragma once

#include "combat/hits.h"
#include "game/shell.h"

#include <array>

class GameHost;
class GameWorld;

// The shells a frame shows, in launch order: copies, so a shell that came down this tick is
// still seen once where it came down after the rules have ended it.
struct SeenShells {
    std::array<Shell, shellSlotCount> shells{};
    int count = 0;
    void add(const Shell& shell) { shells[count++] = shell; }
};

// One tick of the volley, the game's only clock: advances every shell in flight by its time
// step, resolves what it meets (tanks of team A, then team B, then the prizes; a hit plays a
// taunt, credits the firing tank with a kill or deletes the prize), and ends those that hit
// something or reached the floor or the barrier. When the last shell of the volley ends, the
// turn passes, once. Returns the shells to draw: those flying on and those that came down on
// the floor or the barrier (a shell that hit something is not seen again). Draws nothing.
SeenShells updateShells(GameWorld& world, GameHost& host);

// What a shell meets where it is now, in the order the volley tests them: team A's tanks,
// team B's, then the prizes. Changes nothing.
struct ShellTarget {
    TeamHit tankHit;     // a tank or its shield
    int prizeTeam = -1;  // else the index of the team whose prize was hit
    HitResult result() const { return prizeTeam >= 0 ? PrizeHit : tankHit.result; }
};
ShellTarget findShellTarget(const GameWorld& world, const Shell& shell);

// A shell that met nothing ends when it reaches the floor or the barrier.
bool shellLands(const GameWorld& world, const Shell& shell);

// The shells in flight as they are, for a frame in which they do not move (a modal dialog is
// open).
SeenShells shellsInFlight(const GameWorld& world);

// Deletes the shell in the slot and closes the gap, keeping launch order.
// Does nothing for a slot that holds no shell in flight.
void removeShell(GameWorld& world, int slot);
