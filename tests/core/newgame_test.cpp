#include "game/collision.h"
#include "game/new_game.h"

#include "game_fixture.h"

#include <memory>
#include <string>

namespace {

using OkResult = NewGameFlow::OkResult;
using Step = NewGameFlow::Step;

const char* const playersMessage =
    "Number of players must be 1 to 4.\nPlease re-enter values and try again";
const char* const tanksMessage =
    "Number of tanks must be 1 to 4.\nPlease re-enter values and try again";

class NewGame : public ::testing::Test {
  protected:
    NewGame() : flow(world, host) { flow.start(); }

    void expectLastMessage(const std::string& text, const std::string& caption) {
        ASSERT_FALSE(host.messages.empty());
        EXPECT_EQ(host.messages.back().text, text);
        EXPECT_EQ(host.messages.back().caption, caption);
    }

    GameWorld world;
    RecordingGameHost host;
    NewGameFlow flow;
};

TEST_F(NewGame, DialogsOpenWithTheirProposals) {
    ASSERT_EQ(flow.pending(), Step::TeamDialog);
    TeamDialog& teamA = *flow.teamDialog();
    EXPECT_STREQ(TeamDialog::title, "Select Team");
    EXPECT_EQ(teamA.name, "Team A");
    EXPECT_EQ(teamA.countText, "1");
    EXPECT_EQ(teamA.rangeText, "(1 to 4)");
    teamA.name = "Red";
    ASSERT_EQ(flow.pressOk(), OkResult::Accepted);

    PlayerDialog& player = *flow.playerDialog();
    EXPECT_EQ(player.title, "Select player on Team Red");
    EXPECT_EQ(player.name, "player1");
    EXPECT_EQ(player.countText, "1");
    EXPECT_EQ(player.rangeText, "(1 to 4)");
    EXPECT_EQ(player.checkedButton, 31);
    ASSERT_EQ(flow.pressOk(), OkResult::Accepted);

    EXPECT_EQ(flow.teamDialog()->name, "Team B");
    ASSERT_EQ(flow.pressOk(), OkResult::Accepted);
    ASSERT_EQ(flow.pressOk(), OkResult::Accepted);

    ArenaSizeDialog& arena = *flow.arenaSizeDialog();
    EXPECT_EQ(arena.lengthText, "120");
    EXPECT_EQ(arena.limitsText, "(Minimum floor length is 120.0. Maximum floor length is 300.0)");
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(NewGame, TeamDialogChecksTheCountBeforeTheName) {
    TeamDialog& dialog = *flow.teamDialog();
    for (const char* bad : {"0", "5", "abc", "", "-1", "2x", "99999999999"}) {
        dialog.countText = bad;
        EXPECT_EQ(flow.pressOk(), OkResult::Rejected) << bad;
        expectLastMessage(playersMessage, "Invalid values in dialog");
        EXPECT_EQ(flow.pending(), Step::TeamDialog);
    }
    dialog.name = "";  // both wrong: the count is reported
    EXPECT_EQ(flow.pressOk(), OkResult::Rejected);
    expectLastMessage(playersMessage, "Invalid values in dialog");

    dialog.countText = "2";
    EXPECT_EQ(flow.pressOk(), OkResult::Rejected);
    expectLastMessage("Team name cannot be blank\nPlease re-enter values and try again",
                      "Invalid values in dialog");
    EXPECT_EQ(world.teamA.playerCount, 2);  // typed values stay in the record

    dialog.name = "Red";
    dialog.countText = " 4 ";
    EXPECT_EQ(flow.pressOk(), OkResult::Accepted);
    EXPECT_EQ(world.teamA.playerCount, 4);
    EXPECT_STREQ(world.teamA.name, "Red");
}

TEST_F(NewGame, PlayerDialogChecksTheCountBeforeTheName) {
    ASSERT_EQ(flow.pressOk(), OkResult::Accepted);
    PlayerDialog& dialog = *flow.playerDialog();
    for (const char* bad : {"0", "5", "four"}) {
        dialog.countText = bad;
        EXPECT_EQ(flow.pressOk(), OkResult::Rejected) << bad;
        expectLastMessage(tanksMessage, "Invalid values in dialog");
    }
    dialog.countText = "3";
    dialog.name = "";
    EXPECT_EQ(flow.pressOk(), OkResult::Rejected);
    expectLastMessage("Player name cannot be blank\nPlease re-enter values and try again",
                      "Invalid values in dialog");
    EXPECT_EQ(flow.pending(), Step::PlayerDialog);

    dialog.name = "Anna";
    dialog.check(28);  // "Fall"
    dialog.check(99);  // no such button: ignored
    EXPECT_EQ(flow.pressOk(), OkResult::Accepted);
    const Player& anna = *world.teamA.firstPlayer;
    EXPECT_STREQ(anna.name, "Anna");
    EXPECT_EQ(anna.camouflage, FallCamouflage);
    int tanks = 0;
    for (const Tank* t = anna.firstTank; t != nullptr; t = t->next) {
        EXPECT_EQ(t->number, ++tanks);
        EXPECT_EQ(t->heading, 0);
        EXPECT_EQ(t->cannons[0].camouflage, FallCamouflage);
    }
    EXPECT_EQ(tanks, 3);
    EXPECT_EQ(anna.currentTank, anna.firstTank);
}

TEST_F(NewGame, LongNamesAreCutNotOverflowed) {
    flow.teamDialog()->name = std::string(100, 'T');
    ASSERT_EQ(flow.pressOk(), OkResult::Accepted);
    EXPECT_EQ(std::string(world.teamA.name), std::string(23, 'T'));
    EXPECT_EQ(flow.playerDialog()->title, "Select player on Team " + std::string(23, 'T'));
    flow.playerDialog()->name = std::string(30, 'p');
    ASSERT_EQ(flow.pressOk(), OkResult::Accepted);
    EXPECT_EQ(std::string(world.teamA.firstPlayer->name), std::string(23, 'p'));
}

TEST_F(NewGame, FloorLengthMustLieBetween120And300) {
    for (int i = 0; i < 4; ++i)
        ASSERT_EQ(flow.pressOk(), OkResult::Accepted);
    ArenaSizeDialog& dialog = *flow.arenaSizeDialog();
    dialog.lengthText = "119";
    EXPECT_EQ(flow.pressOk(), OkResult::Rejected);
    expectLastMessage("Floor size must be greater than or equal to 120.0",
                      "Incorrect values entered");
    dialog.lengthText = "";
    EXPECT_EQ(flow.pressOk(), OkResult::Rejected);
    expectLastMessage("Floor size must be greater than or equal to 120.0",
                      "Incorrect values entered");
    dialog.lengthText = "301";
    EXPECT_EQ(flow.pressOk(), OkResult::Rejected);
    expectLastMessage("Floor size must be less than or equal to 300.0", "Incorrect values entered");
    EXPECT_EQ(flow.pending(), Step::ArenaSizeDialog);
    dialog.lengthText = "300";
    EXPECT_EQ(flow.pressOk(), OkResult::GameBuilt);
    EXPECT_FLOAT_EQ(world.arena.halfSide, 150.0f);
    EXPECT_FLOAT_EQ(world.arena.divider.bounds.zmax, 150.0f);
    EXPECT_FLOAT_EQ(world.arena.floorCorners[0].x, -150.0f);
    EXPECT_EQ(flow.pending(), Step::Idle);
}

TEST(NewGameFlowOrder, PlayerNumbersRunOverBothTeamsAndRestartEachGame) {
    GameWorld world;
    RecordingGameHost host;
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
        GameWorld world;
        RecordingGameHost host;
        world.random.seed(seed);
        GameSetup setup;
        setup.tanksPerPlayerA = {4, 4, 4, 4};
        setup.tanksPerPlayerB = {3, 1};
        runNewGame(world, host, setup);
        EXPECT_FALSE(world.setupInProgress);
        EXPECT_FALSE(world.firstGame);
        EXPECT_EQ(world.currentTeam, &world.teamA);
        EXPECT_EQ(world.currentTank(), world.teamA.firstPlayer->firstTank);
        EXPECT_GE(world.arena.barrierHeight, 0.0f);
        EXPECT_LE(world.arena.barrierHeight, 49.0f);
        for (Team* team : {&world.teamA, &world.teamB}) {
            const float side = team->index == 0 ? 1.0f : -1.0f;
            forEachTank(*team, [&](const Tank& tank) {
                ASSERT_TRUE(tank.placed) << "seed " << seed;
                EXPECT_GE(side * tank.position.x, 13.0f);
                EXPECT_LE(side * tank.position.x, 53.0f);
                EXPECT_GE(tank.position.z, -53.0f);
                EXPECT_LE(tank.position.z, 53.0f);
                EXPECT_EQ(tank.position.y, 0.0f);
                EXPECT_FLOAT_EQ(tank.box.xmax - tank.box.xmin, 12.0f);
                EXPECT_FLOAT_EQ(tank.box.zmax - tank.box.zmin, 12.0f);
                EXPECT_EQ(tank.corners[3].x, tank.box.xmax);
                forEachTank(*team, [&](const Tank& other) {
                    if (&other != &tank) {
                        EXPECT_FALSE(boxesOverlap(tank.box, other.box));
                    }
                });
            });
            ASSERT_NE(team->prize, nullptr);
            EXPECT_GE(side * team->prize->position.x, 9.0f);
        }
        EXPECT_GE(world.prizeCountdown, 20);
        EXPECT_LE(world.prizeCountdown, 40);
    }
}

TEST(NewGameBuild, AFixedSeedReplaysTheSameGame) {
    GameSetup setup;
    setup.tanksPerPlayerA = {2, 3};
    setup.tanksPerPlayerB = {4};
    setup.floorLength = 200;
    GameWorld first, second;
    RecordingGameHost host;
    first.random.seed(2024);
    second.random.seed(2024);
    runNewGame(first, host, setup);
    runNewGame(second, host, setup);
    EXPECT_EQ(first.arena.barrierHeight, second.arena.barrierHeight);
    EXPECT_EQ(first.prizeCountdown, second.prizeCountdown);
    for (Team* team : {&first.teamA, &first.teamB}) {
        Team& twin = &first.teamA == team ? second.teamA : second.teamB;
        std::vector<Vec3> mine, theirs;
        forEachTank(*team, [&](const Tank& t) { mine.push_back(t.position); });
        forEachTank(twin, [&](const Tank& t) { theirs.push_back(t.position); });
        EXPECT_EQ(mine, theirs);
        EXPECT_EQ(team->prize->position, twin.prize->position);
        EXPECT_EQ(team->prize->kind, twin.prize->kind);
    }
}

TEST(NewGameBuild, TanksTakeTheDisplayListsOfTheirCamouflage) {
    GameWorld world;
    RecordingGameHost host;
    for (int i = 0; i < 5; ++i) {
        world.tankLists.hullLists[i] = 100 + i;
        world.tankLists.deckLists[i] = 200 + i;
        world.tankLists.turretLists[i] = 300 + i;
    }
    NewGameFlow flow(world, host);
    flow.start();
    ASSERT_EQ(flow.pressOk(), OkResult::Accepted);
    flow.playerDialog()->check(29);  // "Blue": texture 1, the third list
    ASSERT_EQ(flow.pressOk(), OkResult::Accepted);
    ASSERT_EQ(flow.pressOk(), OkResult::Accepted);
    ASSERT_EQ(flow.pressOk(), OkResult::Accepted);  // "Forest2" stays checked: the fifth
    ASSERT_EQ(flow.pressOk(), OkResult::GameBuilt);
    const Tank& blue = *world.teamA.firstPlayer->firstTank;
    EXPECT_EQ(blue.hull.displayListId, 102u);
    EXPECT_EQ(blue.deck.displayListId, 202u);
    EXPECT_EQ(blue.turret.displayListId, 302u);
    EXPECT_EQ(world.teamB.firstPlayer->firstTank->hull.displayListId, 104u);
    EXPECT_EQ(world.teamB.firstPlayer->firstTank->heading, 180);
}

TEST(NewGameBuild, StartingOverEndsTheOldVolley) {
    GameWorld world;
    RecordingGameHost host;
    runNewGame(world, host, GameSetup{});
    world.shells[0] = std::make_unique<Shell>();
    world.shells[1] = std::make_unique<Shell>();
    world.shellsInFlight = 2;
    world.shotInProgress = true;
    world.currentTank()->weakShields = 1;
    host.buttons.clear();

    NewGameFlow flow(world, host);
    flow.start();
    EXPECT_EQ(world.shellsInFlight, 0);
    EXPECT_EQ(world.shells[0], nullptr);
    EXPECT_EQ(world.shells[1], nullptr);
    EXPECT_FALSE(world.shotInProgress);
    ASSERT_EQ(host.buttons.size(), 1u);
    EXPECT_TRUE(host.buttons[0]);
    EXPECT_TRUE(world.setupInProgress);
    EXPECT_EQ(world.teamA.firstPlayer, nullptr);  // the old roster is gone
    EXPECT_EQ(world.currentTank(), nullptr);

    for (int i = 0; i < 4; ++i)
        ASSERT_EQ(flow.pressOk(), OkResult::Accepted);
    ASSERT_EQ(flow.pressOk(), OkResult::GameBuilt);
    ASSERT_FALSE(host.shieldsMenu.empty());
    EXPECT_FALSE(host.shieldsMenu.back());  // the new tank holds no shield
}

}  // namespace
