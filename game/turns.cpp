// SPDX-License-Identifier: GPL-3.0-or-later
// Passing the turn: stepping through a team's players and tanks, wrapping round, to the next
// live tank, or "Game Over".
#include "game/turns.h"

#include "game/host.h"
#include "game/prizes.h"
#include "game/shields_menu.h"
#include "game/world.h"

namespace {

// Advances the team's current player, then that player's current tank, wrapping round;
// returns the tank now current for the team (null when the player has none).
Tank* advance(Team& team) {
    Player* player = team.currentPlayer;
    player = (player != nullptr && player->next != nullptr) ? player->next : team.firstPlayer;
    team.currentPlayer = player;
    if (player == nullptr) {
        return nullptr;
    }
    Tank* tank = player->currentTank;
    tank = (tank != nullptr && tank->next != nullptr) ? tank->next : player->firstTank;
    player->currentTank = tank;
    return tank;
}

// Enough advances to visit every tank: each player is visited once per round, and a
// player's tanks advance only on its visits, so a team's tank total is not enough when
// its players hold different numbers of tanks.
int searchBound(const Team& team) {
    int players = 0;
    int mostTanks = 0;
    for (const Player* p = team.firstPlayer; p != nullptr; p = p->next) {
        ++players;
        int tanks = 0;
        for (const Tank* t = p->firstTank; t != nullptr; t = t->next) {
            ++tanks;
        }
        mostTanks = tanks > mostTanks ? tanks : mostTanks;
    }
    return players * mostTanks;
}

}  // namespace

void passTurn(GameWorld& world, GameHost& host) {
    Team& next = world.otherTeam(*world.currentTeam);
    bool found = false;
    const int bound = searchBound(next);
    for (int i = 0; i < bound; ++i) {
        Tank* tank = advance(next);
        if (tank != nullptr && !tank->destroyed) {
            world.currentTeam = &next;
            found = true;
            break;
        }
    }
    if (found) {
        updateShieldsMenuItem(world, host);
        if (--world.prizeCountdown == 0) {
            restorePrizes(world);
            startPrizeCountdown(world);
        }
    } else {
        host.showMessage("Game Over", "Game Over");
    }
    world.shotInProgress = false;
    host.setTankButtonsEnabled(true);
    host.readoutsChanged();
}
