// SPDX-License-Identifier: GPL-3.0-or-later
// Trial volleys counted shell by shell (on target, on friends), misses along and across the
// line of fire, and their ranking.
#include "mind/volley.h"

#include "combat/trial_shot.h"
#include "game/angles.h"
#include "game/world.h"

#include <algorithm>
#include <cmath>

namespace {

bool inTeam(const Team& team, const Tank* tank) {
    bool found = false;
    forEachTank(team, [&](const Tank& t) { found = found || &t == tank; });
    return found;
}

}  // namespace

Miss missOf(const Vec3& end, const Tank& target, double azimuth) {
    const double a = azimuth * radiansPerDegree;
    const double dx = end.x - target.position.x;
    const double dz = end.z - target.position.z;
    return {-dx * std::cos(a) + dz * std::sin(a), dx * std::sin(a) + dz * std::cos(a)};
}

bool betterVolley(const VolleyOutcome& a, const VolleyOutcome& b) {
    if (a.clean() != b.clean()) {
        return a.clean();
    }
    return a.onTarget > b.onTarget;
}

VolleyOutcome tryVolley(const GameWorld& world, const Tank& shooter, const Tank& target) {
    VolleyOutcome outcome;
    const Team& own = *world.currentTeam;
    const int cannons = std::min(shooter.cannonCount, Tank::maxCannons);
    for (int i = 0; i < cannons; ++i) {
        const ShellFate fate = traceShell(world, shooter, i);
        ++outcome.shells;
        const Tank* met = fate.target.tankHit.tank;
        if (met != nullptr && met->serial == target.serial) {
            ++outcome.onTarget;
        } else if ((met != nullptr && inTeam(own, met)) || fate.target.prizeTeam == own.index) {
            ++outcome.onFriends;
        }
        outcome.end.x += fate.end.x / static_cast<float>(cannons);
        outcome.end.y += fate.end.y / static_cast<float>(cannons);
        outcome.end.z += fate.end.z / static_cast<float>(cannons);
    }
    return outcome;
}
