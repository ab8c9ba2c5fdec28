#include "game/world.h"
#include "ui/readouts.h"

StatusReadouts readStatusReadouts(const GameWorld& world) {
    const Team* team = world.currentTeam;
    const Player* player = team != nullptr ? team->currentPlayer : nullptr;
    const Tank* tank = player != nullptr ? player->currentTank : nullptr;
    if (tank == nullptr) {
        return StatusReadouts{};
    }
    return formatStatusReadouts(team->name, player->name, tank->number, tank->power,
                                tank->elevation, tank->mileage);
}
