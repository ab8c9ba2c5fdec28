#pragma once

#include <memory>
#include <vector>

#include "combat/shell_loop.h"
#include "game/world.h"
#include "tests/core/combat_fake_host.h"

// Where each painted shell was, frame by frame.
class RecordingPainter : public ShellPainter {
  public:
    void paintShell(const Shell& shell) override {
        painted.push_back(&shell);
        positions.push_back(shell.position);
    }
    void clear() {
        painted.clear();
        positions.clear();
    }
    std::vector<const Shell*> painted;
    std::vector<Vec3> positions;
};

// A world built by hand: tanks stand exactly where a test puts them.
struct CombatScene {
    GameWorld world;
    RecordingHost host;
    RecordingPainter painter;

    CombatScene() {
        world.arena.halfSide = 150.0f;
        world.arena.barrierHeight = 0.0f;
        world.arena.rebuild();
    }

    // A new player on the team with one placed tank at (x, 0, z), facing the team's way.
    Tank& addPlayerWithTank(Team& team, float x, float z) {
        Player& player = team.appendPlayer(std::make_unique<Player>());
        ++team.playerCount;
        return addTank(team, player, x, z);
    }

    Tank& addTank(Team& team, Player& player, float x, float z) {
        Team* previous = world.currentTeam;
        world.currentTeam = &team;
        Tank& tank = player.appendTank(std::make_unique<Tank>(world));
        world.currentTeam = previous;
        ++player.tankCount;
        tank.number = player.tankCount;
        moveTank(tank, x, z);
        tank.placed = true;
        if (player.currentTank == nullptr) {
            player.currentTank = &tank;
        }
        if (team.currentPlayer == nullptr) {
            team.currentPlayer = &player;
        }
        team.tankTotal = 0;
        team.countTanks();
        return tank;
    }

    static void moveTank(Tank& tank, float x, float z) {
        tank.position = {x, 0.0f, z};
        tank.box = {x - 6.0f, x + 6.0f, 0.5f, 5.5f, z - 6.0f, z + 6.0f};
        tank.syncCorners();
    }

    void setBarrierHeight(float height) {
        world.arena.barrierHeight = height;
        world.arena.rebuild();
    }

    // Runs frames until the volley is over (or the cap); returns the frames run.
    int runVolley(int maxFrames = 2000) {
        int frames = 0;
        while (world.shellsInFlight > 0 && frames < maxFrames) {
            updateShells(world, host, painter);
            ++frames;
        }
        return frames;
    }

    int turnsPassed() const {
        int n = 0;
        for (bool enabled : host.buttonStates)
            n += enabled;
        return n;
    }
};
