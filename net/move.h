// SPDX-License-Identifier: GPL-3.0-or-later
// Move: one choice a seat makes (a tank action or switching a shield on), the unit that
// travels between machines; move.cpp applies it.
#pragma once

#include "combat/tank_actions.h"

#include <cstdint>

class GameHost;
class GameWorld;

struct Move {
    TankAction action = TankAction::None;
    // 0..2 switches on a shield of that kind instead of an action; -1 for an action.
    std::int32_t shieldKind = -1;

    static Move tank(TankAction a) { return {a, -1}; }
    static Move shield(std::int32_t kind) { return {TankAction::None, kind}; }
    // Something a key, a button or the Shields dialog could make.
    bool valid() const;
    bool operator==(const Move& o) const {
        return action == o.action && shieldKind == o.shieldKind;
    }
};

// Carries the move out on the world's current tank, through the same calls the keys and
// the Shields dialog make.
void applyMove(const Move& move, GameWorld& world, GameHost& host);
