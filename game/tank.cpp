// SPDX-License-Identifier: GPL-3.0-or-later
// The sideways offsets of a tank's cannons on the turret; its constructor is in world.cpp.
#include "game/tank.h"

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
