// SPDX-License-Identifier: GPL-3.0-or-later
// searchAim: the computer player's search, by trial volleys, for an aim that reaches the
// target; aim_search.cpp has the body.
#pragma once

#include "game/tank.h"
#include "mind/aim_steps.h"
#include "mind/volley.h"

#include <optional>

class GameWorld;

// An aim the search settled on, the shooter as the aim's key presses leave it, and what
// its volley would do.
struct AimChoice {
    Aim aim;
    Tank aimed;
    VolleyOutcome outcome;
};

// Searches, by flying trial shells through the world, for the aim whose whole volley
// reaches the target without striking the shooter's own team first. Elevations are tried
// from the middle outwards, the power for each found by bisection on where the shell ends,
// then the reachable powers about it; it stops at the first aim whose every shell reaches
// the target. Otherwise it returns the aim with the most shells on the target, clean ones
// first; none when full power falls short of the target at every elevation.
std::optional<AimChoice> searchAim(const GameWorld& world, const Tank& shooter, const Tank& target);
