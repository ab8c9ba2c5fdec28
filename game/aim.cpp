// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/aim.h"

#include "combat/launch.h"
#include "combat/sounds.h"
#include "game/host.h"
#include "game/turns.h"
#include "game/world.h"

namespace {

constexpr int highestElevation = -80;
constexpr int levelElevation = 0;
constexpr float minPower = 0.1f;
constexpr float maxPower = 100.0f;

int wrapTurret(int angle) {
    if (angle > 360)
        return 1;
    if (angle < 0)
        return 359;
    return angle;
}

template <typename Change>
void onCurrentTank(GameWorld& world, GameHost* host, Change change) {
    if (Tank* tank = world.currentTank()) {
        change(*tank);
        if (host != nullptr) {
            host->readoutsChanged();
        }
    }
}

}  // namespace

void changeElevation(Tank& tank, int degrees) {
    tank.elevation += degrees;
    if (tank.elevation < highestElevation)
        tank.elevation = highestElevation;
    if (tank.elevation > levelElevation)
        tank.elevation = levelElevation;
}

void turnCannon(Tank& tank, int degrees) {
    tank.turretAngle = wrapTurret(tank.turretAngle + degrees);
    tank.turretYaw = wrapTurret(tank.turretYaw + degrees);
}

void changePower(Tank& tank, float amount) {
    tank.power += amount;
    if (tank.power > maxPower)
        tank.power = maxPower;
    if (tank.power < minPower)
        tank.power = minPower;
}

void raiseCannon(GameWorld& world, GameHost& host) {
    onCurrentTank(world, &host, [](Tank& t) { changeElevation(t, -1); });
}

void lowerCannon(GameWorld& world, GameHost& host) {
    onCurrentTank(world, &host, [](Tank& t) { changeElevation(t, 1); });
}

void turnCannonCounterClockwise(GameWorld& world, GameHost& /*host*/) {
    onCurrentTank(world, nullptr, [](Tank& t) { turnCannon(t, 1); });
}

void turnCannonClockwise(GameWorld& world, GameHost& /*host*/) {
    onCurrentTank(world, nullptr, [](Tank& t) { turnCannon(t, -1); });
}

void powerUp(GameWorld& world, GameHost& host) {
    onCurrentTank(world, &host, [](Tank& t) { changePower(t, 1.0f); });
}

void powerDown(GameWorld& world, GameHost& host) {
    onCurrentTank(world, &host, [](Tank& t) { changePower(t, -1.0f); });
}

void powerUpFine(GameWorld& world, GameHost& host) {
    onCurrentTank(world, &host, [](Tank& t) { changePower(t, 0.1f); });
}

void powerDownFine(GameWorld& world, GameHost& host) {
    onCurrentTank(world, &host, [](Tank& t) { changePower(t, -0.1f); });
}

bool fire(GameWorld& world, GameHost& host) {
    Tank* tank = world.currentTank();
    if (tank == nullptr || world.shellsInFlight >= shellSlotCount || tank->power == 0.0f ||
        world.shotInProgress) {
        return false;
    }
    world.shotInProgress = true;
    host.setTankButtonsEnabled(false);
    host.playSound(cannonSoundFile);
    const int launched = launchVolley(world);
    tank->mileage = 0;
    host.readoutsChanged();
    if (launched == 0) {
        // No shell will ever end this shot, so nothing else would hand the turn on.
        passTurn(world, host);
    }
    return true;
}
