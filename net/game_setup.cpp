// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a setup off a built world, building one through the new-game dialogs, and its
// bounded encoding.
#include "net/game_setup.h"

#include "game/new_game.h"
#include "game/setup_dialogs.h"
#include "game/world.h"
#include "net/messages.h"

#include <cstring>

namespace {

std::string nameOf(const char (&buffer)[nameCapacity]) {
    return std::string(buffer, strnlen(buffer, nameCapacity));
}

}  // namespace

GameSetup setupOf(const GameWorld& world, std::uint32_t seed) {
    GameSetup setup;
    setup.seed = seed;
    setup.floorLength = static_cast<std::int32_t>(world.arena.halfSide * 2.0f);
    for (const Team* team : {&world.teamA, &world.teamB}) {
        TeamSetup& t = setup.teams[static_cast<std::size_t>(team->index)];
        t.name = nameOf(team->name);
        for (const Player* p = team->firstPlayer; p != nullptr; p = p->next) {
            t.players.push_back({nameOf(p->name), p->tankCount, p->camouflage, p->control});
        }
    }
    return setup;
}

bool buildGame(GameWorld& world, GameHost& host, const GameSetup& setup) {
    NewGameFlow flow(world, host);
    flow.start();
    int teamIndex = -1;
    std::size_t playerIndex = 0;
    while (flow.active()) {
        if (TeamDialog* d = flow.teamDialog()) {
            const TeamSetup& team = setup.teams[static_cast<std::size_t>(++teamIndex)];
            d->name = team.name;
            d->countText = std::to_string(team.players.size());
            playerIndex = 0;
        } else if (PlayerDialog* d = flow.playerDialog()) {
            const std::vector<PlayerSetup>& players =
                setup.teams[static_cast<std::size_t>(teamIndex)].players;
            if (playerIndex >= players.size()) {
                return false;
            }
            const PlayerSetup& player = players[playerIndex++];
            d->name = player.name;
            d->countText = std::to_string(player.tankCount);
            d->check(camouflageButtonId(camouflageListSlot(player.camouflage)));
            if (player.control == PlayerControl::Person) {
                d->playByPerson();
            } else {
                d->playByComputer();
                d->chooseLevel(static_cast<int>(player.control) - 1);
            }
        } else if (ArenaSizeDialog* d = flow.arenaSizeDialog()) {
            d->lengthText = std::to_string(setup.floorLength);
            // Everything random in a game is drawn by the build, from here on.
            world.random.seed(setup.seed);
        }
        if (flow.pressOk() == NewGameFlow::OkResult::Rejected) {
            return false;
        }
    }
    return !world.setupInProgress;
}

void writeSetup(ByteWriter& out, const GameSetup& setup) {
    out.u32(setup.seed);
    out.i32(setup.floorLength);
    for (const TeamSetup& team : setup.teams) {
        out.text(team.name, nameCapacity - 1);
        out.u8(static_cast<std::uint8_t>(team.players.size()));
        for (const PlayerSetup& p : team.players) {
            out.text(p.name, nameCapacity - 1);
            out.u8(static_cast<std::uint8_t>(p.tankCount));
            out.u8(static_cast<std::uint8_t>(p.camouflage));
            out.u8(static_cast<std::uint8_t>(p.control));
        }
    }
}

GameSetup readSetup(ByteReader& in) {
    GameSetup setup;
    setup.seed = in.u32();
    setup.floorLength = in.ranged(static_cast<std::int32_t>(minFloorLength),
                                  static_cast<std::int32_t>(maxFloorLength));
    for (TeamSetup& team : setup.teams) {
        team.name = cleanName(in.text(nameCapacity - 1));
        const int count = in.u8();
        if (count < 1 || count > maxPlayersPerTeam) {
            in.refuse();
        }
        for (int i = 0; i < count && in.ok(); ++i) {
            PlayerSetup p;
            p.name = cleanName(in.text(nameCapacity - 1));
            p.tankCount = in.u8();
            p.camouflage = in.u8();
            const std::uint8_t control = in.u8();
            if (p.tankCount < 1 || p.tankCount > maxTanksPerPlayer ||
                camouflageListSlot(p.camouflage) < 0 ||
                control > static_cast<std::uint8_t>(PlayerControl::ComputerHard)) {
                in.refuse();
            }
            p.control = static_cast<PlayerControl>(control);
            team.players.push_back(p);
        }
    }
    if (!in.ok()) {
        return GameSetup{};
    }
    return setup;
}
