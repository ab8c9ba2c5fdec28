// SPDX-License-Identifier: GPL-3.0-or-later
// Carries out a TankAction on the current tank: fire, aim, power, drive or turn.
#include "combat/tank_actions.h"

#include "combat/firing.h"
#include "game/aim.h"
#include "game/drive.h"
#include "game/host.h"
#include "game/world.h"

void applyTankAction(TankAction action, GameWorld& world, GameHost& host) {
    if (world.currentTank() == nullptr) {
        return;
    }
    switch (action) {
        case TankAction::None:
            break;
        case TankAction::Fire:
            fire(world, host);
            break;
        case TankAction::PowerUp:
            powerUp(world, host);
            break;
        case TankAction::PowerDown:
            powerDown(world, host);
            break;
        case TankAction::PowerUpFine:
            powerUpFine(world, host);
            break;
        case TankAction::PowerDownFine:
            powerDownFine(world, host);
            break;
        case TankAction::RaiseCannon:
            raiseCannon(world, host);
            break;
        case TankAction::LowerCannon:
            lowerCannon(world, host);
            break;
        case TankAction::TurretCounterClockwise:
            turnCannonCounterClockwise(world, host);
            break;
        case TankAction::TurretClockwise:
            turnCannonClockwise(world, host);
            break;
        case TankAction::DriveForward:
            driveForward(world, host);
            break;
        case TankAction::DriveBackward:
            driveBackward(world, host);
            break;
        case TankAction::TurnClockwise:
            turnClockwise(world, host);
            break;
        case TankAction::TurnCounterClockwise:
            turnCounterClockwise(world, host);
            break;
    }
}
