// SPDX-License-Identifier: GPL-3.0-or-later
// Applying a Move: the action gate, or the shield switch of the Shields dialog.
#include "net/move.h"

#include "combat/shields.h"
#include "game/world.h"

bool Move::valid() const {
    if (shieldKind != -1) {
        return action == TankAction::None && shieldKind >= 0 && shieldKind < shieldKindCount;
    }
    return action > TankAction::None && action <= TankAction::TurnCounterClockwise;
}

void applyMove(const Move& move, GameWorld& world, GameHost& host) {
    if (!move.valid()) {
        return;
    }
    if (move.shieldKind < 0) {
        applyTankAction(move.action, world, host);
        return;
    }
    // As the Shields dialog does: the readouts and the menu item stay as they are.
    if (Tank* tank = world.currentTank(); tank != nullptr) {
        activateShield(*tank, move.shieldKind);
    }
}
