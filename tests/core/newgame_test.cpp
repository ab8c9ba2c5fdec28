#include "game/new_game.h"

#include "fixtures.h"

#include <array>
#include <cmath>
#include <memory>
#include <string>

namespace {

using OkResult = NewGameFlow::OkResult;
using Step = NewGameFlow::Step;

const std::string retry = "\nPlease re-enter values and try again";
const char* const invalid = "Invalid values in dialog";

class NewGame : public ::testing::Test {
  protected:
    NewGame() : flow(world, host) { flow.start(); }

    // OK is refused with this message and the same dialog stays up.
    void expectRejected(const std::string& text, const std::string& caption) {
        const Step before = flow.pending();
        EXPECT_EQ(flow.pressOk(), OkResult::Rejected);
        ASSERT_FALSE(host.messages.empty());
        EXPECT_EQ(host.messages.back().text, text);
        EXPECT_EQ(host.messages.back().caption, caption);
        EXPECT_EQ(flow.pending(), before);
    }

    GameWorld world;
    RecordingHost host;
    NewGameFlow flow;
};

TEST_F(NewGame, TeamDialogChecksTheCountBeforeTheNameAndKeepsTypedValues) {
    TeamDialog& dialog = *flow.teamDialog();
    EXPECT_EQ(dialog.name, "Team A");
    for (const char* bad : {"0", "5", "abc", "", "-1", "2x", "99999999999"}) {
        dialog.countText = bad;
        SCOPED_TRACE(bad);
        expectRejected("Number of players must be 1 to 4." + retry, invalid);
    }
    dialog.name = "";  // both wrong: the count is reported
    expectRejected("Number of players must be 1 to 4." + retry, invalid);
    dialog.countText = "2";
    expectRejected("Team name cannot be blank" + retry, invalid);
    EXPECT_EQ(world.teamA.playerCount, 2);

    dialog.name = "Red";
    dialog.countText = " 4 ";
    EXPECT_EQ(flow.pressOk(), OkResult::Accepted);
    EXPECT_EQ(world.teamA.playerCount, 4);
    EXPECT_STREQ(world.teamA.name, "Red");
    EXPECT_EQ(flow.playerDialog()->title, "Select player on Team Red");
}

TEST_F(NewGame, PlayerDialogChecksTheCountBeforeTheNameAndBuildsTheTanks) {
    ASSERT_EQ(flow.pressOk(), OkResult::Accepted);
    PlayerDialog& dialog = *flow.playerDialog();
    for (const char* bad : {"0", "5", "four"}) {
        dialog.countText = bad;
        SCOPED_TRACE(bad);
        expectRejected("Number of tanks must be 1 to 4." + retry, invalid);
    }
    dialog.countText = "3";
    dialog.name = "";
    expectRejected("Player name cannot be blank" + retry, invalid);

    dialog.name = "Anna";
    dialog.check(28);  // "Fall"
    dialog.check(99);  // no such button: ignored
    EXPECT_EQ(flow.pressOk(), OkResult::Accepted);
    const Player& anna = *world.teamA.firstPlayer;
    EXPECT_STREQ(anna.name, "Anna");
    EXPECT_EQ(anna.tankCount, 3);
    EXPECT_EQ(anna.firstTank->next->next->number, 3);
    EXPECT_EQ(anna.firstTank->next->cannons[0].camouflage, FallCamouflage);
}

TEST_F(NewGame, FloorLengthMustLieBetween120And300) {
    for (int i = 0; i < 4; ++i)
        ASSERT_EQ(flow.pressOk(), OkResult::Accepted);
    ArenaSizeDialog& dialog = *flow.arenaSizeDialog();
    const char* const tooSmall = "Floor size must be greater than or equal to 120.0";
    for (const char* bad : {"119", ""}) {
        dialog.lengthText = bad;
        expectRejected(tooSmall, "Incorrect values entered");
    }
    dialog.lengthText = "301";
    expectRejected("Floor size must be less than or equal to 300.0", "Incorrect values entered");
    dialog.lengthText = "300";
    EXPECT_EQ(flow.pressOk(), OkResult::GameBuilt);
    EXPECT_FLOAT_EQ(world.arena.halfSide, 150.0f);
    EXPECT_FLOAT_EQ(world.arena.floorCorners[0].x, -150.0f);  // the floor was rebuilt
    EXPECT_EQ(flow.pending(), Step::Idle);
}

TEST(NewGameFlowOrder, PlayerNumbersRunOverBothTeamsAndRestartEachGame) {
    GameWorld world;
    RecordingHost host;
    for (int game = 0; game < 2; ++game) {
        NewGameFlow flow(world, host);
        flow.start();
        flow.teamDialog()->countText = "2";
        ASSERT_EQ(flow.pressOk(), OkResult::Accepted);
        std::string proposed;
        while (flow.pending() == Step::PlayerDialog) {
            proposed += flow.playerDialog()->name + " ";
            flow.playerDialog()->countText = "2";
            ASSERT_EQ(flow.pressOk(), OkResult::Accepted);
            if (flow.pending() == Step::TeamDialog) {
                flow.teamDialog()->countText = "3";
                ASSERT_EQ(flow.pressOk(), OkResult::Accepted);
            }
        }
        EXPECT_EQ(proposed, "player1 player2 player3 player4 player5 ");
        ASSERT_EQ(flow.pressOk(), OkResult::GameBuilt);
        EXPECT_EQ(world.teamA.tankTotal, 4);
        EXPECT_EQ(world.teamB.tankTotal, 6);
        EXPECT_EQ(world.teamA.firstPlayer->firstTank->serial, 1);
        EXPECT_EQ(world.tankSerialCounter, 10);
    }
}

TEST(NewGameBuild, EveryTankStandsOnItsOwnHalfWithoutOverlaps) {
    for (std::uint32_t seed = 1; seed <= 30; ++seed) {
        SCOPED_TRACE(seed);
        GameWorld world;
        RecordingHost host;
        world.random.seed(seed);
        runNewGame(world, host, GameSetup{{4, 4, 4, 4}, {3, 1}});
        EXPECT_FALSE(world.setupInProgress);
        EXPECT_EQ(world.currentTank(), world.teamA.firstPlayer->firstTank);
        EXPECT_GE(world.arena.barrierHeight, 0.0f);
        EXPECT_LE(world.arena.barrierHeight, 49.0f);
        for (Team* team : {&world.teamA, &world.teamB}) {
            const float side = team->index == 0 ? 1.0f : -1.0f;
            // Overlaps and the floor's edge are checked by the whole-game simulation.
            forEachTank(*team, [&](const Tank& tank) {
                ASSERT_TRUE(tank.placed);
                EXPECT_GE(side * tank.position.x, 13.0f);
                EXPECT_LE(side * tank.position.x, 53.0f);
                EXPECT_LE(std::abs(tank.position.z), 53.0f);
                EXPECT_EQ(tank.corners[3].x, tank.box.xmax);
            });
            ASSERT_NE(team->prize, nullptr);
            EXPECT_GE(side * team->prize->position.x, 9.0f);
        }
        EXPECT_GE(world.prizeCountdown, 20);
        EXPECT_LE(world.prizeCountdown, 40);
    }
}

TEST(NewGameBuild, TanksTakeTheDisplayListsOfTheirCamouflage) {
    GameWorld world;
    RecordingHost host;
    for (unsigned i = 0; i < 5; ++i) {
        world.tankLists.hullLists[i] = 100 + i;
        world.tankLists.deckLists[i] = 200 + i;
        world.tankLists.turretLists[i] = 300 + i;
    }
    NewGameFlow flow(world, host);
    flow.start();
    ASSERT_EQ(flow.pressOk(), OkResult::Accepted);
    flow.playerDialog()->check(29);  // "Blue": texture 1, the third list
    while (flow.pressOk() == OkResult::Accepted) {
    }  // team B keeps "Forest2" checked: the fifth
    ASSERT_EQ(flow.pending(), Step::Idle);
    const Tank& blue = *world.teamA.firstPlayer->firstTank;
    const Tank& forest = *world.teamB.firstPlayer->firstTank;
    EXPECT_EQ((std::array<unsigned, 3>{blue.hull.displayListId, blue.deck.displayListId,
                                       blue.turret.displayListId}),
              (std::array<unsigned, 3>{102, 202, 302}));
    EXPECT_EQ(forest.turret.displayListId, 304u);
    EXPECT_EQ(forest.heading, 180);
}

TEST(NewGameBuild, StartingOverEndsTheOldVolley) {
    GameWorld world;
    RecordingHost host;
    runNewGame(world, host);
    world.shells[0] = std::make_unique<Shell>();
    world.shells[1] = std::make_unique<Shell>();
    world.shellsInFlight = 2;
    world.shotInProgress = true;
    world.currentTank()->weakShields = 1;
    host.buttonStates.clear();

    NewGameFlow flow(world, host);
    flow.start();
    EXPECT_EQ(world.shellsInFlight, 0);
    EXPECT_EQ(world.shells[0], nullptr);
    EXPECT_EQ(world.shells[1], nullptr);
    EXPECT_FALSE(world.shotInProgress);
    EXPECT_EQ(host.buttonStates, std::vector<bool>{true});
    EXPECT_TRUE(world.setupInProgress);
    EXPECT_EQ(world.teamA.firstPlayer, nullptr);  // the old roster is gone
    EXPECT_EQ(world.currentTank(), nullptr);

    for (int i = 0; i < 4; ++i)
        ASSERT_EQ(flow.pressOk(), OkResult::Accepted);
    ASSERT_EQ(flow.pressOk(), OkResult::GameBuilt);
    ASSERT_FALSE(host.shieldsMenuStates.empty());
    EXPECT_FALSE(host.shieldsMenuStates.back());  // the new tank holds no shield
}

}  // namespace
