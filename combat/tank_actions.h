// SPDX-License-Identifier: GPL-3.0-or-later
// TankAction: everything a person or a computer player can do to the current tank, and
// applyTankAction that carries one out (tank_actions.cpp).
#pragma once

class GameHost;
class GameWorld;

// What can be done to the current tank: by a person from a key, a character or a panel
// button, or by a computer player's plan.
enum class TankAction {
    None,
    Fire,
    PowerUp,        // +1.0
    PowerDown,      // -1.0
    PowerUpFine,    // +0.1
    PowerDownFine,  // -0.1
    RaiseCannon,
    LowerCannon,
    TurretCounterClockwise,
    TurretClockwise,
    DriveForward,
    DriveBackward,
    TurnClockwise,
    TurnCounterClockwise,
};

// Carries out one action on the world's current tank; with no current tank nothing
// happens. Callers check the input gate first (shot in progress, dialogs open).
void applyTankAction(TankAction action, GameWorld& world, GameHost& host);
