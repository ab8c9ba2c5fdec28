#include "game/prizes.h"

#include "game/collision.h"
#include "game/host.h"
#include "game/turns.h"
#include "game/world.h"

#include <memory>
#include <new>

namespace {

constexpr int maxPlacementRepeats = 5000;

int atLeastOne(int value) {
    return value < 1 ? 1 : value;
}

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
    const float h = world.arena.halfSide;
    const float half = PrizeModel::halfEdge;
    const int m = atLeastOne(static_cast<int>(h - 4.0f - 7.0f));
    const int r = world.random.next();
    const float offset = static_cast<float>(r % m) + 7.0f + 2.0f;
    const float x = teamIndex == 0 ? offset : -offset;
    prize.position.x = x;
    prize.box.xmin = x - half;
    prize.box.xmax = x + half;

    const int s = world.random.next();
    const int n = atLeastOne(static_cast<int>(h) - 2);
    const int t = world.random.next();
    const float z = static_cast<float>(s % 2 == 1 ? t % n : -(t % n));
    prize.position.z = z;
    prize.box.zmin = z - half;
    prize.box.zmax = z + half;
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
