#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "tests/core/sim_game.h"

namespace {

constexpr int gamesPerRun = 300;
constexpr int turnCap = 400;

TEST(WholeGameSimulation, ManySeededGamesKeepEveryRuleFrameByFrame) {
    int finished = 0;
    long frames = 0;
    for (unsigned seed = 1; seed <= gamesPerRun; ++seed) {
        SimGame game(seed);
        game.setUp();
        game.play(turnCap);
        ASSERT_FALSE(game.failed()) << "seed " << seed << ", " << game.failure() << "\n"
                                    << game.log();
        finished += game.gameOver();
        frames += game.frames();
    }
    // The scripted player aims well enough that nearly every game is decided.
    EXPECT_GE(finished, gamesPerRun * 9 / 10);
    std::printf("[ sim ] %d games, %d ended in Game Over, %ld frames\n", gamesPerRun, finished,
                frames);
}

TEST(WholeGameSimulation, FixedSeedGameReplaysTheReviewedLog) {
    SimGame game(338);
    game.setUp();
    game.play(turnCap);
    ASSERT_FALSE(game.failed()) << game.failure();
    ASSERT_TRUE(game.gameOver());

    const std::string path = std::string(KRELLMONT_TEST_DATA_DIR) + "/sim_seed338_game.txt";
    const char* update = std::getenv("KRELLMONT_UPDATE_GOLDEN");
    if (update != nullptr && std::string(update) == "1") {
        std::ofstream(path) << game.log();
        GTEST_SKIP() << "rewrote " << path;
    }
    std::ifstream in(path);
    ASSERT_TRUE(in) << "missing " << path << "; run with KRELLMONT_UPDATE_GOLDEN=1 to create it";
    std::stringstream golden;
    golden << in.rdbuf();
    EXPECT_EQ(golden.str(), game.log());  // gtest shows multi-line differences as a diff
}

}  // namespace
