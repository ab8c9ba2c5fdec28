// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/tank_actions.h"

// The keys the game listens to, independent of the windowing library.
enum class GameKey {
    Other,
    Enter,
    PageUp,
    PageDown,
    Home,
    End,
    KeypadPlus,
    KeypadMinus,
    Up,
    Down,
    Left,
    Right,
};

TankAction actionForKey(GameKey key);
TankAction actionForCharacter(char c);

// Panel button ids: 1 "Shoot", 2 "Forward", 3 "Backward", 4 "Clkwse", 5 "C-Clkwse",
// 6 "+", 7 "-", 8 "Raise", 9 "Lower", 10 "ClkWse", 11 "C-ClkWse"; others do nothing.
TankAction actionForPanelButton(int buttonId);

// Why keyboard input may not reach the game right now.
struct InputGate {
    bool gameExists = false;
    bool shotInProgress = false;
    bool modalOpen = false;
    bool textFieldHasKeyboard = false;
    bool menuHasKeyboard = false;
    bool computerPlays = false;  // the current tank is a computer player's

    bool keyboardReachesGame() const {
        return gameExists && !shotInProgress && !modalOpen && !textFieldHasKeyboard &&
               !menuHasKeyboard && !computerPlays;
    }
};
