// SPDX-License-Identifier: GPL-3.0-or-later
// GameWorld: everything a game is made of (teams, arena, shells, random generator, display
// lists of the tanks).
#pragma once

#include "game/arena.h"
#include "game/random.h"
#include "game/roster.h"
#include "game/shell.h"

#include <array>
#include <cstdint>

// The display lists the renderer built for each camouflage, by its slot in `camouflages`; a
// new tank copies its hull, deck and turret lists from here.
struct TankListTable {
    std::array<unsigned int, camouflages.size()> hullLists{};
    std::array<unsigned int, camouflages.size()> deckLists{};
    std::array<unsigned int, camouflages.size()> turretLists{};
};

// Everything a game is made of. The program owns one; tests make as many as they like.
class GameWorld {
  public:
    GameWorld() = default;
    GameWorld(const GameWorld&) = delete;
    GameWorld& operator=(const GameWorld&) = delete;

    Team teamA{0};
    Team teamB{1};
    Team* currentTeam = &teamA;
    std::int32_t playerCounter = 0;
    std::int32_t tankSerialCounter = 0;
    Arena arena;
    float stepLength = 1.0f;
    std::int32_t shellsInFlight = 0;
    bool shotInProgress = false;
    std::int32_t prizeCountdown = 0;
    // True until the first game is built and during each new game's set-up: no scene then.
    bool setupInProgress = true;
    // True until the first game has been built.
    bool firstGame = true;

    GameRandom random;
    ShellTable shells;
    TankListTable tankLists;

    Team& otherTeam(const Team& team) { return &team == &teamA ? teamB : teamA; }
    // The current tank's owner and the current tank; null before the first game.
    Player* currentPlayer() const { return currentTeam->currentPlayer; }
    Tank* currentTank() const {
        Player* p = currentPlayer();
        return p != nullptr ? p->currentTank : nullptr;
    }
};
