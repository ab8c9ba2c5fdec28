#include "mind/computer_player.h"

#include "game/world.h"

TurnPlan ComputerMind::planTurn(const GameWorld& world) {
    TurnPlan plan;
    const Player* player = world.currentPlayer();
    if (player == nullptr || player->currentTank == nullptr ||
        player->control == PlayerControl::Person) {
        return plan;
    }
    plan.actions.push_back(TankAction::Fire);
    return plan;
}

void ComputerMind::forgetGame() {}
