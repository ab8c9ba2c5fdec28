#pragma once

#include "game/host.h"
#include "game/new_game.h"
#include "game/world.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// Records what the rules ask of the program, in order.
class RecordingGameHost : public GameHost {
  public:
    struct Message {
        std::string text;
        std::string caption;
    };

    void showMessage(const std::string& text, const std::string& caption) override {
        messages.push_back({text, caption});
    }
    void playSound(const std::string& fileName) override { sounds.push_back(fileName); }
    void readoutsChanged() override { ++readoutChanges; }
    void setTankButtonsEnabled(bool enabled) override { buttons.push_back(enabled); }
    void setShieldsMenuEnabled(bool enabled) override { shieldsMenu.push_back(enabled); }

    std::vector<Message> messages;
    std::vector<std::string> sounds;
    int readoutChanges = 0;
    std::vector<bool> buttons;
    std::vector<bool> shieldsMenu;
};

// A world with a hand-made roster: tanks stand where the test puts them.
class HandMadeGame : public ::testing::Test {
  protected:
    HandMadeGame() {
        world.arena.halfSide = 60.0f;
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

    // A placed tank centred at (x, z) with the team's starting heading.
    Tank& addTank(Team& team, Player& player, float x, float z) {
        Team* saved = world.currentTeam;
        world.currentTeam = &team;
        Tank& tank = player.appendTank(std::make_unique<Tank>(world));
        world.currentTeam = saved;
        tank.number = ++player.tankCount;
        ++team.tankTotal;
        standAt(tank, x, z);
        tank.placed = true;
        if (player.currentTank == nullptr)
            player.currentTank = &tank;
        return tank;
    }

    static void standAt(Tank& tank, float x, float z) {
        tank.position = {x, 0.0f, z};
        tank.box = {x - 6.0f, x + 6.0f, 0.5f, 5.5f, z - 6.0f, z + 6.0f};
        tank.syncCorners();
    }

    void makeCurrent(Team& team, Player& player, Tank& tank) {
        world.currentTeam = &team;
        team.currentPlayer = &player;
        player.currentTank = &tank;
    }

    GameWorld world;
    RecordingGameHost host;
};

// Answers every dialog of a new game: player and tank counts per team, a floor length.
struct GameSetup {
    std::vector<int> tanksPerPlayerA{1};
    std::vector<int> tanksPerPlayerB{1};
    int floorLength = 120;
};

inline void runNewGame(GameWorld& world, GameHost& host, const GameSetup& setup) {
    NewGameFlow flow(world, host);
    flow.start();
    for (const std::vector<int>* tanks : {&setup.tanksPerPlayerA, &setup.tanksPerPlayerB}) {
        ASSERT_NE(flow.teamDialog(), nullptr);
        flow.teamDialog()->countText = std::to_string(tanks->size());
        ASSERT_EQ(flow.pressOk(), NewGameFlow::OkResult::Accepted);
        for (int count : *tanks) {
            ASSERT_NE(flow.playerDialog(), nullptr);
            flow.playerDialog()->countText = std::to_string(count);
            ASSERT_EQ(flow.pressOk(), NewGameFlow::OkResult::Accepted);
        }
    }
    ASSERT_NE(flow.arenaSizeDialog(), nullptr);
    flow.arenaSizeDialog()->lengthText = std::to_string(setup.floorLength);
    ASSERT_EQ(flow.pressOk(), NewGameFlow::OkResult::GameBuilt);
}
