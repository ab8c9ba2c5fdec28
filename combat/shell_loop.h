// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "combat/hits.h"
#include "combat/shell.h"

class GameHost;
class GameWorld;

// Supplied by the renderer: draws one flying shell (sphere and wire box) where it is now.
class ShellPainter {
  public:
    virtual ~ShellPainter() = default;
    virtual void paintShell(const Shell& shell) = 0;
};

// One frame of the volley: advances every shell in flight by its time step, resolves what it
// meets (tanks of team A, then team B, then the prizes; a hit plays a taunt, credits the firing
// tank with a kill or deletes the prize), paints the shells that fly on, and ends those that
// reached the floor or the barrier. When the last shell of the volley ends, the turn passes,
// once.
void updateShells(GameWorld& world, GameHost& host, ShellPainter& painter);

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

// Hands each flying shell to the painter without advancing it (used while a modal dialog is open).
void paintShellsPaused(const GameWorld& world, ShellPainter& painter);

// Deletes the shell in the slot and closes the gap, keeping launch order.
// Does nothing for a slot that holds no shell in flight.
void removeShell(GameWorld& world, int slot);
