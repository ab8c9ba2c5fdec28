// SPDX-License-Identifier: GPL-3.0-or-later
// The tables from keys and typed characters to the tank actions they make.
#include "app/input_map.h"

TankAction actionForKey(Key key) {
    switch (key) {
        case Key::Enter:
            return TankAction::Fire;
        case Key::PageUp:
            return TankAction::PowerUp;
        case Key::PageDown:
            return TankAction::PowerDown;
        case Key::Home:
        case Key::KeypadPlus:
            return TankAction::PowerUpFine;
        case Key::End:
        case Key::KeypadMinus:
            return TankAction::PowerDownFine;
        case Key::Up:
            return TankAction::RaiseCannon;
        case Key::Down:
            return TankAction::LowerCannon;
        case Key::Left:
            return TankAction::TurretCounterClockwise;
        case Key::Right:
            return TankAction::TurretClockwise;
        default:
            return TankAction::None;
    }
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
