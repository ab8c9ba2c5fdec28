// SPDX-License-Identifier: GPL-3.0-or-later
// Linking and freeing a team's players and a player's tanks, and counting a team's tanks.
#include "game/roster.h"

Tank& Player::appendTank(std::unique_ptr<Tank> tank) {
    Tank* added = tank.get();
    added->next = nullptr;
    added->prev = nullptr;
    if (firstTank == nullptr) {
        firstTank = added;
    } else {
        Tank* last = firstTank;
        while (last->next != nullptr) {
            last = last->next;
        }
        last->next = added;
        added->prev = last;
    }
    ownedTanks_.push_back(std::move(tank));
    return *added;
}

void Player::freeTanks() {
    firstTank = nullptr;
    currentTank = nullptr;
    ownedTanks_.clear();
}

Player& Team::appendPlayer(std::unique_ptr<Player> player) {
    Player* added = player.get();
    added->next = nullptr;
    added->prev = nullptr;
    if (firstPlayer == nullptr) {
        firstPlayer = added;
    } else {
        Player* last = firstPlayer;
        while (last->next != nullptr) {
            last = last->next;
        }
        last->next = added;
        added->prev = last;
    }
    ownedPlayers_.push_back(std::move(player));
    return *added;
}

void Team::freePlayers() {
    firstPlayer = nullptr;
    currentPlayer = nullptr;
    ownedPlayers_.clear();  // each player frees its own tanks
}

void Team::countTanks() {
    for (Player* p = firstPlayer; p != nullptr; p = p->next) {
        tankTotal += p->tankCount;
    }
}
