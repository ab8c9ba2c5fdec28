// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of whole seeded games played by SimGame against the reviewed log.
#include <gtest/gtest.h>

#include "tests/core/sim_game.h"

namespace {

// Seeded games checked frame by frame; those chosen to reach every dialog message, limit,
// shield and prize are logged turn by turn against a reviewed file.
TEST(WholeGameSimulation, SeededGamesKeepEveryRuleAndReplayTheReviewedLog) {
    int finished = 0;
    std::string log;
    for (unsigned seed = 1; seed <= 300; ++seed) {
        SimGame game(seed);
        game.setUp();
        game.play(400);
        ASSERT_EQ(game.failure, "") << "seed " << seed << "\n" << game.log;
        finished += game.gameOver;
        for (unsigned chosen : {23u, 100u, 141u, 182u, 190u, 244u, 266u})
            log += seed == chosen ? game.log : "";
    }
    EXPECT_GE(finished, 270);  // the scripted player aims well enough to decide most games
    expectAsReviewed(KRELLMONT_TEST_DATA_DIR "/sim_games.txt", log);
}

}  // namespace
