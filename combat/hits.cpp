// SPDX-License-Identifier: GPL-3.0-or-later
// Shells meeting tanks (by shield bubble or box) and prizes, and what a hit does to a tank.
#include "combat/hits.h"

#include "game/collision.h"
#include "game/prize.h"
#include "game/roster.h"
#include "game/shell.h"

#include <cmath>

namespace {
// The shell as a sphere, for the shield test.
}  // namespace

double distanceBetween(const Vec3& a, const Vec3& b) {
    const double dx = static_cast<double>(a.x) - b.x;
    const double dy = static_cast<double>(a.y) - b.y;
    const double dz = static_cast<double>(a.z) - b.z;
    const float horizontal = static_cast<float>(std::sqrt(dz * dz + dx * dx));
    return std::sqrt(static_cast<double>(horizontal) * horizontal + dy * dy);
}

bool spheresIntersect(const Vec3& centreA, double radiusA, const Vec3& centreB, double radiusB) {
    return distanceBetween(centreA, centreB) <= radiusA + radiusB;
}

TeamHit findTeamHit(const Shell& shell, const Team& team) {
    for (Player* player = team.firstPlayer; player != nullptr; player = player->next) {
        for (Tank* tank = player->firstTank; tank != nullptr; tank = tank->next) {
            if (tank->destroyed) {
                continue;
            }
            if (tank->shieldActive) {
                if (spheresIntersect(shell.position, Shell::halfSize, tank->position,
                                     Tank::shieldRadius)) {
                    return {ShieldHit, tank};
                }
                continue;
            }
            if (boxesOverlap(shell.box, tank->box)) {
                return {TankDestroyed, tank};
            }
        }
    }
    return {};
}

HitResult applyTeamHit(const TeamHit& hit) {
    if (hit.result == ShieldHit) {
        hit.tank->shieldStrength -= shieldWearPerHit;
        if (hit.tank->shieldStrength <= 0.0f) {
            hit.tank->shieldActive = false;
        }
    } else if (hit.result == TankDestroyed) {
        hit.tank->destroyed = true;
    }
    return hit.result;
}

HitResult testTeamHit(const Shell& shell, Team& team) {
    return applyTeamHit(findTeamHit(shell, team));
}

HitResult testPrizeHit(const Shell& shell, const Prize& prize) {
    return boxesOverlap(shell.box, prize.box) ? PrizeHit : NoHit;
}
