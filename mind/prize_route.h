// SPDX-License-Identifier: GPL-3.0-or-later
// routeToPrize: the shortest drive of up to two legs that takes a tank onto its team's prize.
#pragma once

#include "combat/tank_actions.h"

#include <vector>

class GameWorld;
class Tank;

// Looks for the shortest drive (up to two straight legs, hull turns between them) that
// takes the tank onto its team's prize within the mileage left, trying every step on the
// tank by the game's own step rules. When there is one, it appends the drive's actions,
// leaves the tank where the drive ends, holding the prize, and returns true; otherwise
// nothing changes.
bool routeToPrize(const GameWorld& world, Tank& tank, std::vector<TankAction>& actions);
