// SPDX-License-Identifier: GPL-3.0-or-later
// Enables the "Shields" menu item while the current tank has a shield on or in stock.
#include "game/shields_menu.h"

#include "game/host.h"
#include "game/world.h"

void updateShieldsMenuItem(GameWorld& world, GameHost& host) {
    const Tank* tank = world.currentTank();
    const bool hasShield =
        tank != nullptr && (tank->shieldActive || tank->weakShields != 0 ||
                            tank->mediumShields != 0 || tank->strongShields != 0);
    host.setShieldsMenuEnabled(hasShield);
}
