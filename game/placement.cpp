// SPDX-License-Identifier: GPL-3.0-or-later
// Random spots on a team's half, and placing a team's tanks without overlaps within one budget.
#include "game/placement.h"

#include "game/collision.h"
#include "game/world.h"

namespace {

constexpr int maxPlacementFailures = 5000;

int atLeastOne(int value) {
    return value < 1 ? 1 : value;
}

}  // namespace

FloorSpot randomSpotOnHalf(GameRandom& random, float halfSide, float footprintHalf, int teamIndex) {
    constexpr float dividerFace = 7.0f;
    // A floor too small for the footprint still gives a spot instead of dividing by zero.
    const int m = atLeastOne(static_cast<int>(halfSide - 2.0f * footprintHalf - dividerFace));
    const int r = random.next();
    const float offset = static_cast<float>(r % m) + dividerFace + footprintHalf;
    const float x = teamIndex == 0 ? offset : -offset;

    const int s = random.next();
    const int n = atLeastOne(static_cast<int>(halfSide) - static_cast<int>(footprintHalf));
    const int t = random.next();
    const float z = static_cast<float>(s % 2 == 1 ? t % n : -(t % n));
    return {x, z};
}

void placeTankAtRandom(GameWorld& world, Tank& tank, int teamIndex) {
    const float half = Tank::footprintHalf;
    const FloorSpot spot = randomSpotOnHalf(world.random, world.arena.halfSide, half, teamIndex);
    tank.position.x = spot.x;
    tank.box.xmin = spot.x - half;
    tank.box.xmax = spot.x + half;
    tank.position.z = spot.z;
    tank.box.zmin = spot.z - half;
    tank.box.zmax = spot.z + half;
}

void placeTeamTanks(GameWorld& world, Team& team) {
    int failures = 0;
    for (Player* player = team.firstPlayer; player != nullptr; player = player->next) {
        for (Tank* tank = player->firstTank; tank != nullptr; tank = tank->next) {
            bool placed = false;
            while (!placed) {
                placeTankAtRandom(world, *tank, team.index);
                if (findBlockingTeamMate(*tank, team) == nullptr) {
                    placed = true;
                } else if (++failures > maxPlacementFailures) {
                    break;
                }
            }
            if (!placed) {
                break;  // this player's remaining tanks stay unplaced
            }
            tank->placed = true;
            tank->syncCorners();
        }
    }
}
