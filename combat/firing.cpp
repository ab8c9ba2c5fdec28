// SPDX-License-Identifier: GPL-3.0-or-later
// Firing the current tank: the refusals, the volley's launch, the cannon sound and the buttons.
#include "combat/firing.h"

#include "combat/launch.h"
#include "game/host.h"
#include "game/turns.h"
#include "game/world.h"
#include "resources/asset_catalog.h"

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
