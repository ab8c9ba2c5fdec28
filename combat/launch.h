// SPDX-License-Identifier: GPL-3.0-or-later
// Launching a volley: shells made, loaded and placed at the muzzles of the current tank's
// cannons; launch.cpp has the bodies.
#pragma once

#include "game/shell.h"

#include <cstdint>
#include <functional>
#include <memory>

class GameWorld;
class Tank;

// Makes one shell for a volley; returns null when none can be had (out of memory).
using ShellAllocator = std::function<std::unique_ptr<Shell>()>;

// The allocator the game uses: a zeroed Shell, or null when memory is exhausted.
std::unique_ptr<Shell> allocateShell();

// Launches one shell from each cannon of the world's current tank, in cannon order,
// into the shell table's free slots after the shells already flying, and adds each to
// shellsInFlight. Launching stops early, with the table still consistent, when a shell
// cannot be allocated or the table is full; without a current tank it launches none.
// Returns how many shells it launched. It neither plays a sound nor touches
// shotInProgress: the firing code does. When it returns 0 no shell will ever end, so the
// caller must pass the turn itself.
int launchVolley(GameWorld& world);
int launchVolley(GameWorld& world, const ShellAllocator& allocate);

// Readies the shell of the tank's cannon (0-based) for its first frame, as a volley
// launches it; trial shots of a computer player use it on copies.
void loadShell(Shell& shell, const Tank& tank, int cannon);

// The steps of one launch, in the order loadShell runs them.

// The cube of half side Shell::halfSide about the origin, with its corners and faces.
void resetBox(Shell& shell);
// Copies the tank's power, turret angle and heading, moves the shell to the muzzle of its
// cannon (the shell's lateralOffset picks the cannon) and sets the launch point and speeds.
// azimuth is heading + turretAngle in whole degrees, not reduced.
void launchShell(Shell& shell, const Tank& tank, std::int32_t azimuth);
// Moves position and the x and z bounds from the origin to the muzzle point.
void placeAtMuzzle(Shell& shell, const Tank& tank, std::int32_t azimuth);
// Raises the y bounds to the muzzle height, then rewrites the corners.
void liftBox(Shell& shell, const Tank& tank);
// Rewrites the eight corners from the box in the shell's own layout.
void syncCorners(Shell& shell);
