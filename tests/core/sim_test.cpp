#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

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
    const std::string path = std::string(KRELLMONT_TEST_DATA_DIR) + "/sim_games.txt";
    if (const char* update = std::getenv("KRELLMONT_UPDATE_GOLDEN"); update && *update == '1') {
        std::ofstream(path) << log;
        GTEST_SKIP() << "rewrote " << path;
    }
    std::stringstream golden;
    golden << std::ifstream(path).rdbuf();
    EXPECT_EQ(golden.str(), log);
}

}  // namespace
