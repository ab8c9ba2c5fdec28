// SPDX-License-Identifier: GPL-3.0-or-later
// traceShell: a trial shell flown through an unchanged world by the volley's own rules.
#pragma once

#include "combat/shell_loop.h"

class GameWorld;
class Tank;

// How a shell of a trial volley ended: what it met first (nothing when it came down on
// the floor or the barrier), and where.
struct ShellFate {
    ShellTarget target;
    Vec3 end{};
};

// Flies the tank's cannon's shell (0-based) through the world, frame by frame, by the same
// launch, flight, hit and landing rules as a volley; the world is not changed. The other
// shells of its volley are not flown with it.
ShellFate traceShell(const GameWorld& world, const Tank& tank, int cannon);
