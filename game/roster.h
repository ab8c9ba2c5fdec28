// SPDX-License-Identifier: GPL-3.0-or-later
// Who plays: Team, Player (person or computer) and the tanks they own, linked in list order.
// roster.cpp has the bodies.
#pragma once

#include "game/camouflage.h"
#include "game/names.h"
#include "game/prize.h"
#include "game/tank.h"

#include <cstdint>
#include <memory>
#include <vector>

// Who makes a player's moves: a person at the keyboard and mouse, or the computer at one
// of three levels of skill.
enum class PlayerControl : std::int32_t { Person, ComputerEasy, ComputerNormal, ComputerHard };

class Player {
  public:
    Player() = default;
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    // Links the tank at the end of the list; the player owns it from now on.
    Tank& appendTank(std::unique_ptr<Tank> tank);
    // Destroys every tank; firstTank and currentTank become null.
    void freeTanks();

    std::int32_t number = 0;
    char name[nameCapacity] = {};
    // Neighbours in the team's player list.
    Player* next = nullptr;
    Player* prev = nullptr;
    std::int32_t tankCount = 0;
    Tank* firstTank = nullptr;
    Tank* currentTank = nullptr;
    std::int32_t camouflage = Forest2Camouflage;
    PlayerControl control = PlayerControl::Person;

  private:
    std::vector<std::unique_ptr<Tank>> ownedTanks_;
};

class Team {
  public:
    explicit Team(std::int32_t teamIndex) : index(teamIndex) {}
    Team(const Team&) = delete;
    Team& operator=(const Team&) = delete;

    // Links the player at the end of the list; the team owns it from now on.
    Player& appendPlayer(std::unique_ptr<Player> player);
    // Destroys every player with its tanks; firstPlayer and currentPlayer become null.
    void freePlayers();
    // Adds every player's tankCount to tankTotal.
    void countTanks();

    char name[nameCapacity] = {};
    std::int32_t playerCount = 0;
    std::int32_t tankTotal = 0;
    Player* firstPlayer = nullptr;
    Player* currentPlayer = nullptr;
    std::int32_t index = 0;        // 0 team A (x > 0), 1 team B (x < 0)
    std::unique_ptr<Prize> prize;  // the team's prize on the floor, or none

  private:
    std::vector<std::unique_ptr<Player>> ownedPlayers_;
};

// Calls fn(tank) for every tank of the team in roster order: players in list order,
// each player's tanks in list order.
template <typename Fn>
void forEachTank(const Team& team, Fn&& fn) {
    for (Player* p = team.firstPlayer; p != nullptr; p = p->next) {
        for (Tank* t = p->firstTank; t != nullptr; t = t->next) {
            fn(*t);
        }
    }
}
