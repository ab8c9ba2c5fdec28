#include "game/placement.h"

#include "game/drive.h"
#include "game/world.h"

namespace {

constexpr int maxPlacementFailures = 5000;

int atLeastOne(int value) {
    return value < 1 ? 1 : value;
}

}  // namespace

void placeTankAtRandom(GameWorld& world, Tank& tank, int teamIndex) {
    const float h = world.arena.halfSide;
    const float half = Tank::footprintHalf;
    const int m = atLeastOne(static_cast<int>(h - 12.0f - 7.0f));
    const int r = world.random.next();
    const float offset = static_cast<float>(r % m) + 7.0f + 6.0f;
    const float x = teamIndex == 0 ? offset : -offset;
    tank.position.x = x;
    tank.box.xmin = x - half;
    tank.box.xmax = x + half;

    const int s = world.random.next();
    const int n = atLeastOne(static_cast<int>(h) - 6);
    const int t = world.random.next();
    const float z = static_cast<float>(s % 2 == 1 ? t % n : -(t % n));
    tank.position.z = z;
    tank.box.zmin = z - half;
    tank.box.zmax = z + half;
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
