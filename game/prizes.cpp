#include "game/prizes.h"

#include "game/collision.h"
#include "game/host.h"
#include "game/placement.h"
#include "game/turns.h"
#include "game/world.h"

#include <memory>
#include <new>

namespace {

constexpr int maxPlacementRepeats = 5000;

void givePrize(Prize& prize, Tank& tank, GameHost& host) {
    switch (prize.kind) {
        case WeakShieldPrize:
            ++tank.weakShields;
            host.showMessage("Congratulations! You just picked up a weak shield", powerUpCaption);
            break;
        case MediumShieldPrize:
            ++tank.mediumShields;
            host.showMessage("Congratulations! You just picked up a medium strength shield",
                             powerUpCaption);
            break;
        case StrongShieldPrize:
            ++tank.strongShields;
            host.showMessage("Congratulations! You just picked up a strong shield", powerUpCaption);
            break;
        case CannonPrize:
            if (tank.cannonCount < Tank::maxCannons) {
                tank.cannons[tank.cannonCount].camouflage = tank.cannons[0].camouflage;
                ++tank.cannonCount;
                tank.layOutCannons();
                host.showMessage("Congratulations! You just received another cannon for your tank.",
                                 powerUpCaption);
            } else {
                host.showMessage("Sorry. Your tank can't hold any more cannons.", powerUpCaption);
            }
            break;
        default:
            break;
    }
}

}  // namespace

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
    givePrize(*team.prize, *tank, host);
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
