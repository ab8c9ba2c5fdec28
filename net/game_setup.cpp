// SPDX-License-Identifier: GPL-3.0-or-later
// A built world's setup, building a game from a setup through the new-game dialogs, and the
// setup's encoding.
#include "net/game_setup.h"

#include "game/new_game.h"
#include "game/setup_dialogs.h"
#include "game/world.h"
#include "net/field_codec.h"

#include <climits>
#include <cmath>
#include <cstddef>
#include <string>

namespace {

constexpr std::int32_t minLength = static_cast<std::int32_t>(minFloorLength);
constexpr std::int32_t maxLength = static_cast<std::int32_t>(maxFloorLength);

template <typename Io, typename Setup>
void visitSetup(Io& io, Setup& setup) {
    for (auto& team : setup.teams) {
        io.name(team.name);
        io.sequence(team.players, 1, maxPlayersPerTeam, [&io](auto& player) {
            io.name(player.name);
            io.integer(player.tankCount, 1, maxTanksPerPlayer);
            io.integer(player.camouflage, INT32_MIN, INT32_MAX);
            io.require(camouflageListSlot(player.camouflage) >= 0);
            io.control(player.control);
            // The dialogs refuse a blank name.
            io.require(!player.name.empty());
        });
        io.require(!team.name.empty());
    }
    io.integer(setup.floorLength, minLength, maxLength);
    io.word(setup.seed);
}

void fillPlayerDialog(PlayerDialog& dialog, const PlayerSetup& player) {
    dialog.name = player.name;
    dialog.countText = std::to_string(player.tankCount);
    dialog.check(camouflageButtonId(camouflageListSlot(player.camouflage)));
    if (player.control == PlayerControl::Person) {
        dialog.playByPerson();
    } else {
        dialog.playByComputer();
        dialog.chooseLevel(static_cast<int>(player.control) -
                           static_cast<int>(PlayerControl::ComputerEasy));
    }
}

}  // namespace

GameSetup setupOf(const GameWorld& world, std::uint32_t seed) {
    GameSetup setup;
    for (const Team* team : {&world.teamA, &world.teamB}) {
        TeamSetup& teamSetup = setup.teams[team == &world.teamA ? 0 : 1];
        teamSetup.name = team->name;
        for (const Player* p = team->firstPlayer; p != nullptr; p = p->next) {
            teamSetup.players.push_back({p->name, p->tankCount, p->camouflage, p->control});
        }
    }
    setup.floorLength = static_cast<std::int32_t>(std::lround(world.arena.halfSide * 2.0f));
    setup.seed = seed;
    return setup;
}

bool buildGame(GameWorld& world, GameHost& host, const GameSetup& setup) {
    NewGameFlow flow(world, host);
    flow.start();
    const TeamSetup* team = nullptr;
    std::size_t nextPlayer = 0;
    while (flow.active()) {
        if (TeamDialog* dialog = flow.teamDialog()) {
            team = &setup.teams[dialog->teamIndex == 0 ? 0 : 1];
            nextPlayer = 0;
            dialog->name = team->name;
            dialog->countText = std::to_string(team->players.size());
        } else if (PlayerDialog* dialog = flow.playerDialog()) {
            // The team dialog took the number of players from this list.
            if (team == nullptr || nextPlayer >= team->players.size()) {
                return false;
            }
            fillPlayerDialog(*dialog, team->players[nextPlayer++]);
        } else if (ArenaSizeDialog* dialog = flow.arenaSizeDialog()) {
            dialog->lengthText = std::to_string(setup.floorLength);
            // The build after this OK is the first thing of the flow that draws.
            world.random.seed(setup.seed);
        }
        if (flow.pressOk() == NewGameFlow::OkResult::Rejected) {
            return false;
        }
    }
    return true;
}

void writeSetup(ByteWriter& out, const GameSetup& setup) {
    FieldWriter io(out);
    visitSetup(io, setup);
}

GameSetup readSetup(ByteReader& in) {
    GameSetup setup;
    FieldReader io(in);
    visitSetup(io, setup);
    return setup;
}
