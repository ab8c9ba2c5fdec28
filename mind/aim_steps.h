// SPDX-License-Identifier: GPL-3.0-or-later
// Aim and the key presses (TankActions) that bring a tank's cannon and hull to it.
#pragma once

#include "combat/tank_actions.h"

#include <cstdint>
#include <vector>

class Tank;

// Where a cannon points and how hard it fires, as the tank's own readouts hold it.
struct Aim {
    std::int32_t turretAngle = 0;
    std::int32_t elevation = -45;
    float power = 10.0f;
};

// The key presses that bring the tank's cannon to the aim, fewest first: the turret the
// short way round, the elevation, then whole and tenth power steps. They are made on the
// tank as they are appended, by the same calls the keys make, so the tank ends exactly as
// a person pressing them would leave it (power lands within 0.05 of the aim's).
void stepAimTo(Tank& tank, const Aim& aim, std::vector<TankAction>& actions);

// Quarter turns of the hull, the short way round, to the heading (0, 90, 180 or 270).
void stepHeadingTo(Tank& tank, std::int32_t heading, std::vector<TankAction>& actions);
