// SPDX-License-Identifier: GPL-3.0-or-later
// Where a GameWorld reaches into its records: the tank constructor that draws from the world.
#include "game/world.h"

// A new tank draws its serial and heading from the world, so the constructor lives with the
// world: the tank's own file stays below it.
Tank::Tank(GameWorld& world) {
    serial = ++world.tankSerialCounter;
    heading = world.currentTeam->index == 0 ? 0 : 180;
    syncCorners();
    layOutCannons();
}
