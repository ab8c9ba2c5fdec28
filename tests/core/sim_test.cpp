#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

#include "game/turns.h"
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

// Players holding different numbers of tanks: a search bounded by the team's tank total
// would step past the one live tank and call the game over.
TEST(WholeGameSimulation, TurnFindsTheLastLiveTankOfAnUnevenTeam) {
    CombatScene scene;
    Team& a = scene.world.teamA;
    Team& b = scene.world.teamB;
    scene.addPlayerWithTank(a, 30.0f, 0.0f);
    Tank& survivor = scene.addPlayerWithTank(b, -30.0f, -40.0f);
    Player& big = *b.firstPlayer;
    for (int i = 0; i < 3; ++i)
        scene.addTank(b, big, -30.0f, 20.0f * i).destroyed = true;
    scene.addPlayerWithTank(b, -60.0f, 0.0f).destroyed = true;
    big.currentTank = &survivor;  // the next visits of this player start past it
    b.currentPlayer = big.next;
    scene.world.currentTeam = &a;
    passTurn(scene.world, scene.host);
    EXPECT_EQ(scene.host.countMessages("Game Over"), 0);
    EXPECT_EQ(scene.world.currentTank(), &survivor);
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

// Lines that differ, with their numbers, so a change reads as a diff.
std::string lineDiff(const std::string& expected, const std::string& actual) {
    const auto a = lines(expected), b = lines(actual);
    std::string out;
    int shown = 0;
    for (size_t i = 0; i < std::max(a.size(), b.size()) && shown < 20; ++i) {
        const std::string* x = i < a.size() ? &a[i] : nullptr;
        const std::string* y = i < b.size() ? &b[i] : nullptr;
        if (x && y && *x == *y)
            continue;
        ++shown;
        out += "line " + std::to_string(i + 1) + ":\n";
        if (x)
            out += "- " + *x + "\n";
        if (y)
            out += "+ " + *y + "\n";
    }
    return out;
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
    EXPECT_EQ(golden.str(), game.log()) << lineDiff(golden.str(), game.log());
}

}  // namespace
