// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/input_map.h"

TankAction actionForKey(GameKey key) {
    switch (key) {
        case GameKey::Enter:
            return TankAction::Fire;
        case GameKey::PageUp:
            return TankAction::PowerUp;
        case GameKey::PageDown:
            return TankAction::PowerDown;
        case GameKey::Home:
        case GameKey::KeypadPlus:
            return TankAction::PowerUpFine;
        case GameKey::End:
        case GameKey::KeypadMinus:
            return TankAction::PowerDownFine;
        case GameKey::Up:
            return TankAction::RaiseCannon;
        case GameKey::Down:
            return TankAction::LowerCannon;
        case GameKey::Left:
            return TankAction::TurretCounterClockwise;
        case GameKey::Right:
            return TankAction::TurretClockwise;
        case GameKey::Other:
            break;
    }
    return TankAction::None;
}

TankAction actionForCharacter(char c) {
    switch (c) {
        case 'W':
        case 'w':
            return TankAction::DriveForward;
        case 'S':
        case 's':
            return TankAction::DriveBackward;
        case 'A':
        case 'a':
            return TankAction::TurnClockwise;
        case 'D':
        case 'd':
            return TankAction::TurnCounterClockwise;
        default:
            return TankAction::None;
    }
}

TankAction actionForPanelButton(int buttonId) {
    switch (buttonId) {
        case 1:
            return TankAction::Fire;
        case 2:
            return TankAction::DriveForward;
        case 3:
            return TankAction::DriveBackward;
        case 4:
            return TankAction::TurnClockwise;
        case 5:
            return TankAction::TurnCounterClockwise;
        case 6:
            return TankAction::PowerUp;
        case 7:
            return TankAction::PowerDown;
        case 8:
            return TankAction::RaiseCannon;
        case 9:
            return TankAction::LowerCannon;
        case 10:
            return TankAction::TurretClockwise;
        case 11:
            return TankAction::TurretCounterClockwise;
        default:
            return TankAction::None;
    }
}
