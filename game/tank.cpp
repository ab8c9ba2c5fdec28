// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/tank.h"

#include "game/world.h"

Tank::Tank(GameWorld& world) {
    serial = ++world.tankSerialCounter;
    heading = world.currentTeam->index == 0 ? 0 : 180;
    syncCorners();
    layOutCannons();
}

float cannonLateralOffset(int count, int i) {
    const int half = count / 2;
    const double base =
        count % 2 == 0 ? (half - 1) * 0.35 + (half - 1) * 0.5 + 0.425 : half * 0.35 + half * 0.5;
    return static_cast<float>(i * 0.35 + i * 0.5 - base);
}

void Tank::layOutCannons() {
    for (int i = 0; i < cannonCount && i < maxCannons; ++i) {
        cannons[i].lateralOffset = cannonLateralOffset(cannonCount, i);
    }
}
