// SPDX-License-Identifier: GPL-3.0-or-later
// Prizes in play: their effects and messages, random placement clear of tanks, pickup and the
// countdown to their return.
#include "game/prizes.h"

#include "game/collision.h"
#include "game/host.h"
#include "game/placement.h"
#include "game/shields_menu.h"
#include "game/world.h"

#include <memory>
#include <new>

namespace {

constexpr int maxPlacementRepeats = 5000;

}  // namespace

const char* grantPrize(std::int32_t kind, Tank& tank) {
    switch (kind) {
        case WeakShieldPrize:
            ++tank.weakShields;
            return "Congratulations! You just picked up a weak shield";
        case MediumShieldPrize:
            ++tank.mediumShields;
            return "Congratulations! You just picked up a medium strength shield";
        case StrongShieldPrize:
            ++tank.strongShields;
            return "Congratulations! You just picked up a strong shield";
        case CannonPrize:
            if (tank.cannonCount < Tank::maxCannons) {
                tank.cannons[tank.cannonCount].camouflage = tank.cannons[0].camouflage;
                ++tank.cannonCount;
                tank.layOutCannons();
                return "Congratulations! You just received another cannon for your tank.";
            }
            return "Sorry. Your tank can't hold any more cannons.";
        default:
            return nullptr;
    }
}

Tank* findTankOnPrize(const Prize& prize, const Team& team) {
    Tank* found = nullptr;
    forEachTank(team, [&](Tank& tank) {
        if (found == nullptr && tank.placed && !tank.destroyed &&
            boxesOverlap(tank.box, prize.box)) {
            found = &tank;
        }
    });
    return found;
}

void placePrizeAtRandom(GameWorld& world, Prize& prize, int teamIndex) {
    const float half = PrizeModel::halfEdge;
    const FloorSpot spot = randomSpotOnHalf(world.random, world.arena.halfSide, half, teamIndex);
    prize.position.x = spot.x;
    prize.box.xmin = spot.x - half;
    prize.box.xmax = spot.x + half;
    prize.position.z = spot.z;
    prize.box.zmin = spot.z - half;
    prize.box.zmax = spot.z + half;
}

void placePrize(GameWorld& world, Prize& prize, const Team& team) {
    placePrizeAtRandom(world, prize, team.index);
    int repeats = 0;
    while (findTankOnPrize(prize, team) != nullptr) {
        if (++repeats > maxPlacementRepeats) {
            return;
        }
        placePrizeAtRandom(world, prize, team.index);
    }
    prize.syncCorners();
}

void pickUpPrize(GameWorld& world, GameHost& host) {
    Team& team = *world.currentTeam;
    if (team.prize == nullptr) {
        return;
    }
    Tank* tank = findTankOnPrize(*team.prize, team);
    if (tank == nullptr) {
        return;
    }
    if (const char* message = grantPrize(team.prize->kind, *tank)) {
        host.showMessage(message, powerUpCaption);
    }
    updateShieldsMenuItem(world, host);
    team.prize.reset();  // a cannon prize is used up even when it did not fit
}

void restorePrizes(GameWorld& world) {
    for (Team* team : {&world.teamA, &world.teamB}) {
        if (team->prize != nullptr) {
            continue;
        }
        team->prize.reset(new (std::nothrow) Prize(world.random));
        if (team->prize != nullptr) {
            placePrize(world, *team->prize, *team);
        }
    }
}

void startPrizeCountdown(GameWorld& world) {
    world.prizeCountdown = world.random.next() % 41;
    if (world.prizeCountdown < 20) {
        world.prizeCountdown = 20;
    }
}
