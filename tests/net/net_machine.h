// SPDX-License-Identifier: GPL-3.0-or-later
// NetMachine: one machine of a network game in one process (its world, session and computer
// players planning the seats that sit there), stepped frame by frame as the program does.
#pragma once

#include "combat/shell_loop.h"
#include "game/world.h"
#include "mind/computer_player.h"
#include "net/game_setup.h"
#include "net/lockstep_session.h"
#include "net/world_snapshot.h"
#include "tests/core/recording_host.h"

#include <deque>
#include <memory>
#include <string>
#include <vector>

struct NetMachine {
    NetMachine(Transport& transport, LockstepSession::Role role, const std::string& name,
               std::uint32_t mindSeed)
        : transport(transport),
          mind(mindSeed),
          session(std::make_unique<LockstepSession>(role, transport, world, host, name)) {}

    Transport& transport;
    GameWorld world;
    RecordingHost host;
    ComputerMind mind;
    std::unique_ptr<LockstepSession> session;
    std::deque<Move> plan;
    std::int32_t plannedSerial = -1;
    // The digest after each turn, as this machine saw it.
    std::vector<std::uint64_t> turnDigests;

    bool over() const {
        for (const RecordingHost::Message& m : host.messages)
            if (m.caption == "Game Over")
                return true;
        return false;
    }

    // One frame of the program: the network, one move of a local seat's plan, one tick.
    void frame() {
        session->poll(!plan.empty());
        const Tank* tank = world.currentTank();
        if (tank == nullptr || tank->serial != plannedSerial)
            plan.clear();
        if (plan.empty() && tank != nullptr && !world.shotInProgress && !over() &&
            session->localTurn()) {
            const TurnPlan turn = mind.planTurn(world);
            if (turn.shieldKind >= 0)
                plan.push_back(Move::shield(turn.shieldKind));
            for (TankAction a : turn.actions) {
                plan.push_back(Move::tank(a));
                if (a == TankAction::Fire)
                    break;
            }
            if (plan.empty() || plan.back().action != TankAction::Fire)
                plan.push_back(Move::tank(TankAction::Fire));
            plannedSerial = tank->serial;
        }
        if (!plan.empty() && session->localTurn() && session->moveLocally(plan.front()))
            plan.pop_front();
        if (world.shotInProgress)
            updateShells(world, host);
        session->afterTick();
        if (session->turn() > turnDigests.size())
            turnDigests.push_back(worldDigest(world));
    }
};

// Two teams of two players, every player a computer, so whichever machine a seat sits at
// can let its own mind play it.
inline GameSetup fourSeatSetup(std::uint32_t seed) {
    GameSetup setup;
    setup.seed = seed;
    setup.floorLength = 150;
    setup.teams[0] = {"Reds",
                      {{"alpha", 2, 37, PlayerControl::ComputerHard},
                       {"bravo", 1, 38, PlayerControl::ComputerNormal}}};
    setup.teams[1] = {"Blues",
                      {{"charlie", 1, 39, PlayerControl::ComputerNormal},
                       {"delta", 2, 40, PlayerControl::ComputerHard}}};
    return setup;
}
