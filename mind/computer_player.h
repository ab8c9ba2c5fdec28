// SPDX-License-Identifier: GPL-3.0-or-later
// ComputerMind: plans a computer player's turn (TurnPlan) of shield, drive, aim and fire;
// computer_player.cpp has the bodies.
#pragma once

#include "combat/tank_actions.h"
#include "game/random.h"
#include "game/tank.h"
#include "mind/bracketing.h"

#include <cstdint>
#include <optional>
#include <vector>

class GameWorld;

// What a computer player does with one turn: switch a shield on first (when it chose
// one), then the actions in order, each one a person could make with a key; the last fires.
struct TurnPlan {
    std::int32_t shieldKind = -1;  // the shield kind to switch on, or -1 for none
    std::vector<TankAction> actions;
};

// Plans the turns of the computer players. It draws from a generator of its own, so
// games of persons alone keep the game's random stream.
class ComputerMind {
  public:
    explicit ComputerMind(std::uint32_t seed = 1) : random_(seed) {}

    // The turn of the world's current tank, played at its player's level. Reads the
    // world only; a person's player or no current tank gets an empty plan.
    TurnPlan planTurn(const GameWorld& world);

    // A new game: forgets what earlier volleys taught it.
    void forgetGame();

    // What the last plan expects: the current tank as its actions before the shot leave
    // it (none for an empty plan), and the serial of the tank it aimed at (-1 for none).
    const std::optional<Tank>& lastAimed() const { return lastAimed_; }
    std::int32_t lastTarget() const { return lastTarget_; }

  private:
    // The enemy tanks worth aiming at, the likeliest first.
    std::vector<const Tank*> targetsFor(const GameWorld& world, const Tank& shooter) const;

    GameRandom random_;
    Bracketing bracketing_;
    std::optional<Tank> lastAimed_;
    std::int32_t lastTarget_ = -1;
};
