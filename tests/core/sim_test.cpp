#include <gtest/gtest.h>

#include "tests/core/sim_game.h"

namespace {

TEST(WholeGameSimulation, ManySeededGamesKeepEveryRuleFrameByFrame) {
    int finished = 0;
    for (unsigned seed = 1; seed <= 300; ++seed) {
        SimGame game(seed);
        game.setUp();
        game.play(400);
        ASSERT_EQ(game.failure, "") << "seed " << seed << "\n" << game.log;
        finished += game.gameOver;
    }
    EXPECT_GE(finished, 270);  // the scripted player aims well enough to decide most games
}

// Games chosen to reach every dialog message, limit, shield and prize, logged turn by turn
// (KRELLMONT_UPDATE_GOLDEN=1 rewrites the file).
TEST(WholeGameSimulation, FixedSeedGamesReplayTheReviewedLog) {
    std::string log;
    for (unsigned seed : {182u, 266u, 244u, 100u, 141u, 190u, 23u}) {
        SimGame game(seed);
        game.setUp();
        game.play(400);
        ASSERT_EQ(game.failure, "") << seed;
        log += game.log;
    }
    expectGolden("sim_games.txt", log);
}

}  // namespace
