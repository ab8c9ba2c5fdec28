#pragma once

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

// Hands each flying shell to the painter without advancing it (used while a modal dialog is open).
void paintShellsPaused(const GameWorld& world, ShellPainter& painter);

// Deletes the shell in the slot and closes the gap, keeping launch order.
// Does nothing for a slot that holds no shell in flight.
void removeShell(GameWorld& world, int slot);
