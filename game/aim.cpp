// SPDX-License-Identifier: GPL-3.0-or-later
// Aiming the current tank: the clamps and wraps of elevation, turret angle and power, and the
// readout redraws they cause.
#include "game/aim.h"

#include "game/host.h"
#include "game/world.h"

namespace {

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
    if (tank.elevation < Tank::highestElevation)
        tank.elevation = Tank::highestElevation;
    if (tank.elevation > Tank::levelElevation)
        tank.elevation = Tank::levelElevation;
}

void turnCannon(Tank& tank, int degrees) {
    tank.turretAngle = wrapTurret(tank.turretAngle + degrees);
    tank.turretYaw = wrapTurret(tank.turretYaw + degrees);
}

void changePower(Tank& tank, float amount) {
    tank.power += amount;
    if (tank.power > Tank::maxPower)
        tank.power = Tank::maxPower;
    if (tank.power < Tank::minPower)
        tank.power = Tank::minPower;
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
