// SPDX-License-Identifier: GPL-3.0-or-later
// The game's keys and characters mapped to TankActions, and InputGate that lets them through.
// input_map.cpp has the tables.
#pragma once

#include "combat/tank_actions.h"
#include "ui/keys.h"

TankAction actionForKey(Key key);
TankAction actionForCharacter(char c);

// Why keyboard input may not reach the game right now.
struct InputGate {
    bool gameExists = false;
    bool shotInProgress = false;
    bool modalOpen = false;
    bool textFieldHasKeyboard = false;
    bool menuHasKeyboard = false;
    bool computerPlays = false;  // the current tank is a computer player's
    bool othersTurn = false;     // a network game's current seat sits at another machine

    bool keyboardReachesGame() const {
        return gameExists && !shotInProgress && !modalOpen && !textFieldHasKeyboard &&
               !menuHasKeyboard && !computerPlays && !othersTurn;
    }
};
