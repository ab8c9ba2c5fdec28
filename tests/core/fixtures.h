// SPDX-License-Identifier: GPL-3.0-or-later
// Test fixtures of the rules: CombatScene, a world built tank by tank, and runNewGame.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "combat/shell_loop.h"
#include "game/new_game.h"
#include "game/world.h"

#include "tests/core/recording_host.h"

// A world built by hand: tanks stand exactly where a test puts them.
struct CombatScene {
    GameWorld world;
    RecordingHost host;

    explicit CombatScene(float halfSide = 150.0f) {
        world.arena.halfSide = halfSide;
        world.arena.rebuild();
        world.setupInProgress = false;
    }

    Player& addPlayer(Team& team) {
        Player& player = team.appendPlayer(std::make_unique<Player>());
        player.number = ++world.playerCounter;
        if (team.currentPlayer == nullptr)
            team.currentPlayer = &player;
        return player;
    }

    // A placed tank centred at (x, 0, z) with the team's starting heading.
    Tank& addTank(Team& team, Player& player, float x, float z) {
        Team* previous = world.currentTeam;
        world.currentTeam = &team;
        Tank& tank = player.appendTank(std::make_unique<Tank>(world));
        world.currentTeam = previous;
        tank.number = ++player.tankCount;
        moveTank(tank, x, z);
        tank.placed = true;
        if (player.currentTank == nullptr)
            player.currentTank = &tank;
        return tank;
    }

    Tank& addPlayerWithTank(Team& team, float x, float z) {
        return addTank(team, addPlayer(team), x, z);
    }

    static void moveTank(Tank& tank, float x, float z) {
        tank.position = {x, 0.0f, z};
        tank.box = {x - 6.0f, x + 6.0f, 0.5f, 5.5f, z - 6.0f, z + 6.0f};
        tank.syncCorners();
    }

    // Runs frames until the volley is over; returns the frames run.
    int runVolley() {
        int frames = 0;
        for (; world.shellsInFlight > 0 && frames < 2000; ++frames)
            updateShells(world, host);
        return frames;
    }
};

// Answers every dialog of a new game with what it proposes (one player of one tank a team)
// and the floor's side.
inline void runNewGame(GameWorld& world, GameHost& host, int floorLength = 120) {
    NewGameFlow flow(world, host);
    flow.start();
    while (flow.teamDialog() != nullptr || flow.playerDialog() != nullptr)
        ASSERT_EQ(flow.pressOk(), NewGameFlow::OkResult::Accepted);
    flow.arenaSizeDialog()->lengthText = std::to_string(floorLength);
    ASSERT_EQ(flow.pressOk(), NewGameFlow::OkResult::GameBuilt);
}
