// SPDX-License-Identifier: GPL-3.0-or-later
// Prints how long a computer player takes to decide a turn, over many seeded positions:
// games of every size built by the game's own new-game flow, each side's first tank at
// each level.

#include "game/host.h"
#include "game/new_game.h"
#include "game/world.h"
#include "mind/computer_player.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// A new game of 1..4 players a team with 1..4 tanks each, on a floor of 120..300.
bool buildGame(GameWorld& world, GameHost& host, unsigned seed) {
    world.random.seed(seed);
    NewGameFlow flow(world, host);
    flow.start();
    while (flow.active()) {
        if (TeamDialog* d = flow.teamDialog()) {
            d->countText = std::to_string(1 + seed % 4);
        } else if (PlayerDialog* d = flow.playerDialog()) {
            d->countText = std::to_string(1 + (seed / 4) % 4);
        } else if (ArenaSizeDialog* d = flow.arenaSizeDialog()) {
            d->lengthText = std::to_string(120 + seed * 37 % 181);
        }
        if (flow.pressOk() == NewGameFlow::OkResult::Rejected) {
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const PlayerControl levels[] = {PlayerControl::ComputerEasy, PlayerControl::ComputerNormal,
                                    PlayerControl::ComputerHard};
    const char* names[] = {"easy", "normal", "hard"};
    // Positions per level: 400, or fewer for a smoke run.
    const unsigned positions =
        argc > 1 ? static_cast<unsigned>(std::max(1, std::atoi(argv[1]))) : 400;
    for (int level = 0; level < 3; ++level) {
        std::vector<double> ms;
        std::size_t longest = 0;
        for (unsigned seed = 1; seed <= positions; ++seed) {
            GameWorld world;
            SilentHost host;
            if (!buildGame(world, host, seed)) {
                std::fprintf(stderr, "seed %u: the new game was refused\n", seed);
                return 1;
            }
            for (Team* team : {&world.teamA, &world.teamB}) {
                world.currentTeam = team;
                world.currentPlayer()->control = levels[level];
                ComputerMind mind(seed);
                const auto start = std::chrono::steady_clock::now();
                const TurnPlan plan = mind.planTurn(world);
                const auto end = std::chrono::steady_clock::now();
                ms.push_back(std::chrono::duration<double, std::milli>(end - start).count());
                longest = std::max(longest, plan.actions.size());
                if (plan.actions.empty()) {
                    std::fprintf(stderr, "seed %u: no plan\n", seed);
                    return 1;
                }
            }
        }
        std::sort(ms.begin(), ms.end());
        std::printf(
            "computer player (%s), %zu decisions: median %.2f ms, 99th percentile %.2f "
            "ms, worst %.2f ms (target under 20 ms); longest plan %zu actions\n",
            names[level], ms.size(), ms[ms.size() / 2], ms[ms.size() * 99 / 100], ms.back(),
            longest);
    }
    return 0;
}
