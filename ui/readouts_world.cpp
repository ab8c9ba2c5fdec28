// SPDX-License-Identifier: GPL-3.0-or-later
// The status readouts of the world's current tank, read without trusting the name buffers.
#include "game/world.h"
#include "ui/readouts.h"

#include <cstring>
#include <string>

StatusReadouts readStatusReadouts(const GameWorld& world, const std::string& seated) {
    const Team* team = world.currentTeam;
    const Player* player = team != nullptr ? team->currentPlayer : nullptr;
    const Tank* tank = player != nullptr ? player->currentTank : nullptr;
    if (tank == nullptr) {
        return StatusReadouts{};
    }
    // Name buffers are meant to end in a terminator; never read past them if one does not.
    const std::string teamName(team->name, strnlen(team->name, nameCapacity));
    const std::string playerName =
        std::string(player->name, strnlen(player->name, nameCapacity)) + seated;
    return formatStatusReadouts(teamName.c_str(), playerName.c_str(), tank->number, tank->power,
                                tank->elevation, tank->mileage);
}
