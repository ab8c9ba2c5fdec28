#include "game/collision.h"
#include "game/placement.h"
#include "game/prizes.h"

#include "fixtures.h"

#include <cmath>
#include <string>

namespace {

using OkResult = NewGameFlow::OkResult;
const std::string retry = "\nPlease re-enter values and try again";

class NewGame : public ::testing::Test {
  protected:
    NewGame() : flow(world, host) { flow.start(); }

    // OK is refused with this message and the same dialog stays up.
    void expectRejected(const std::string& text, const char* caption = "Invalid values in dialog") {
        const NewGameFlow::Step before = flow.pending();
        EXPECT_EQ(flow.pressOk(), OkResult::Rejected);
        ASSERT_FALSE(host.messages.empty());
        EXPECT_EQ(host.messages.back().text + "|" + host.messages.back().caption,
                  text + "|" + caption);
        EXPECT_EQ(flow.pending(), before);
    }

    GameWorld world;
    RecordingHost host;
    NewGameFlow flow;
};

TEST_F(NewGame, EachDialogChecksItsCountBeforeItsNameAndTheFloorItsLimits) {
    TeamDialog& team = *flow.teamDialog();
    EXPECT_EQ(team.name, "Team A");
    team.name = "";
    for (const char* bad : {"0", "5", "abc", "", "2x", "99999999999"}) {
        team.countText = bad;
        expectRejected("Number of players must be 1 to 4." + retry);
    }
    team.countText = " 2 ";
    expectRejected("Team name cannot be blank" + retry);
    team.name = "Red";
    ASSERT_EQ(flow.pressOk(), OkResult::Accepted);
    EXPECT_STREQ(world.teamA.name, "Red");

    PlayerDialog& player = *flow.playerDialog();
    EXPECT_EQ(player.title, "Select player on Team Red");
    player.name = "";
    for (const char* bad : {"0", "5", "four"}) {
        player.countText = bad;
        expectRejected("Number of tanks must be 1 to 4." + retry);
    }
    player.countText = "3";
    expectRejected("Player name cannot be blank" + retry);
    player.name = "Anna";
    player.check(28);  // "Fall"
    player.check(99);  // no such button: ignored
    ASSERT_EQ(flow.pressOk(), OkResult::Accepted);
    const Tank& third = *world.teamA.firstPlayer->firstTank->next->next;
    EXPECT_EQ(third.number, 3);
    EXPECT_EQ(third.cannons[0].camouflage, FallCamouflage);

    while (flow.pending() != NewGameFlow::Step::ArenaSizeDialog)
        ASSERT_EQ(flow.pressOk(), OkResult::Accepted);
    ArenaSizeDialog& floor = *flow.arenaSizeDialog();
    const struct {
        const char* text;
        const char* message;
    } bad[] = {{"119", "Floor size must be greater than or equal to 120.0"},
               {"", "Floor size must be greater than or equal to 120.0"},
               {"301", "Floor size must be less than or equal to 300.0"}};
    for (const auto& b : bad) {
        floor.lengthText = b.text;
        expectRejected(b.message, "Incorrect values entered");
    }
    floor.lengthText = "300";
    EXPECT_EQ(flow.pressOk(), OkResult::GameBuilt);
    EXPECT_FLOAT_EQ(world.arena.floorCorners[1].x, 150.0f);
}

// Steps: p person, c computer, e/n/h a level, x one that does not exist.
TEST(PlayerDialogChoice, OkStoresWhoPlaysAndTheLevelCountsOnlyForTheComputer) {
    using C = PlayerControl;
    const std::pair<const char*, C> cases[] = {{"h", C::Person},
                                               {"c", C::ComputerNormal},
                                               {"ce", C::ComputerEasy},
                                               {"chx", C::ComputerHard},
                                               {"hcp", C::Person}};
    const Team team(0);
    RecordingHost host;
    for (const auto& [steps, control] : cases) {
        Player player;
        player.control = control == C::Person ? C::ComputerHard : C::Person;
        PlayerDialog dialog(team, player);
        for (const char* s = steps; *s != '\0'; ++s) {
            *s == 'p'   ? dialog.playByPerson()
            : *s == 'c' ? dialog.playByComputer()
                        : dialog.chooseLevel(static_cast<int>(std::string("enhx").find(*s)));
        }
        ASSERT_TRUE(dialog.ok(player, host));
        EXPECT_EQ(player.control, control) << steps;
    }
}

TEST(NewGameFlowOrder, PlayerNumbersRunOverBothTeamsAndRestartEachGame) {
    GameWorld world;
    RecordingHost host;
    for (int game = 0; game < 2; ++game) {
        NewGameFlow flow(world, host);
        flow.start();
        std::string proposed;
        for (const char* players : {"2", "3"}) {
            flow.teamDialog()->countText = players;
            ASSERT_EQ(flow.pressOk(), OkResult::Accepted);
            while (flow.pending() == NewGameFlow::Step::PlayerDialog) {
                proposed += flow.playerDialog()->name + " ";
                flow.playerDialog()->countText = "2";
                ASSERT_EQ(flow.pressOk(), OkResult::Accepted);
            }
        }
        EXPECT_EQ(proposed, "player1 player2 player3 player4 player5 ");
        ASSERT_EQ(flow.pressOk(), OkResult::GameBuilt);
        EXPECT_EQ(world.teamA.tankTotal * 10 + world.teamB.tankTotal, 46);
        EXPECT_EQ(world.tankSerialCounter, 10);
        EXPECT_EQ(world.teamB.firstPlayer->firstTank->heading, 180);
    }
}

// Every draw of a new game from a fixed seed: the barrier, the tank spots (team A's first
// player holds two tanks), the prize kinds and spots and the countdown.
TEST(NewGameBuild, SeedOneLaysOutTheWholeGame) {
    GameWorld world;
    RecordingHost host;
    world.random.seed(1);
    runNewGame(world, host, GameSetup{{2, 1}, {1}, 150});
    EXPECT_EQ(world.arena.barrierHeight, 38.0f);
    EXPECT_EQ(world.arena.barrier.bounds.ymax, 38.0f);
    std::string spots;
    for (const Team* team : {&world.teamA, &world.teamB}) {
        forEachTank(*team, [&](const Tank& t) {
            spots +=
                std::to_string(int(t.position.x)) + "," + std::to_string(int(t.position.z)) +
                (t.placed && t.corners[3].x == t.box.xmax && t.box.zmin == t.position.z - 6 ? " "
                                                                                            : "? ");
        });
        const Prize& p = *team->prize;
        spots += "prize" + std::to_string(p.kind) + "@" + std::to_string(int(p.position.x)) + "," +
                 std::to_string(int(p.position.z)) + (p.corners[5].x == p.box.xmax ? " " : "? ");
    }
    EXPECT_EQ(spots, "59,58 40,33 40,-15 prize0@10,25 -18,45 prize3@-39,-14 ");
    EXPECT_EQ(world.prizeCountdown, 36);
    EXPECT_EQ(world.currentTank(), world.teamA.firstPlayer->firstTank);
    EXPECT_FALSE(world.setupInProgress);
}

// On a floor with room for one tank every attempt lands on (13, 0). One budget of 5000
// failures serves the whole team, and the player who exhausts it gives up on the rest of
// its tanks: 5003 attempts of three draws each.
TEST(Placement, FailureBudgetIsSharedAndEndsThePlayersRemainingTanks) {
    CombatScene scene(7.0f);
    Team& team = scene.world.teamA;
    Player& first = scene.addPlayer(team);
    for (int i = 0; i < 3; ++i)
        scene.addTank(team, first, 0, 0).placed = false;
    Player& second = scene.addPlayer(team);
    scene.addTank(team, second, 0, 0).placed = false;
    scene.world.random.seed(5);
    placeTeamTanks(scene.world, team);

    std::string placed;
    forEachTank(team, [&](const Tank& t) { placed += t.placed ? "1" : "0"; });
    EXPECT_EQ(placed, "1000");
    EXPECT_EQ(first.firstTank->position.x, 13.0f);
    GameRandom replay(5);
    for (int i = 0; i < 3 * 5003; ++i)
        replay.next();
    EXPECT_EQ(scene.world.random.next(), replay.next());
}

TEST(Placement, PrizeGivesUpAfter5000RepeatsWithoutItsCorners) {
    CombatScene scene(60.0f);
    Tank& everywhere = scene.addPlayerWithTank(scene.world.teamA, 30, 0);
    everywhere.box = {-100, 100, -100, 100, -100, 100};
    Prize prize(scene.world.random);
    scene.world.random.seed(5);
    placePrize(scene.world, prize, scene.world.teamA);
    EXPECT_EQ(prize.corners[0], Vec3{});
    GameRandom replay(5);
    for (int i = 0; i < 3 * 5001; ++i)
        replay.next();
    EXPECT_EQ(scene.world.random.next(), replay.next());
}

TEST(Prizes, KindAndCountdownFollowTheirDraws) {
    const struct {
        std::uint32_t seed;
        int kind;
    } kinds[] = {{3, CannonPrize},
                 {139, WeakShieldPrize},
                 {21, MediumShieldPrize},
                 {40, MediumShieldPrize},
                 {569, StrongShieldPrize}};  // odd; 49, 50, 84, 85
    for (const auto& k : kinds) {
        GameRandom random(k.seed);
        EXPECT_EQ(Prize(random).kind, k.kind) << k.seed;
    }
    const struct {
        std::uint32_t seed;
        int countdown;
    } countdowns[] = {{7, 20}, {23, 20}, {6, 20}, {10, 33}, {17, 40}};  // drawn 7, 19, 20, 33, 40
    for (const auto& c : countdowns) {
        GameWorld world;
        world.random.seed(c.seed);
        startPrizeCountdown(world);
        EXPECT_EQ(world.prizeCountdown, c.countdown) << c.seed;
    }
}

TEST(Cannons, SpreadEvenlyAboutTheTurretCentre) {
    const std::vector<float> offsets[] = {{0},
                                          {-0.425f, 0.425f},
                                          {-0.85f, 0, 0.85f},
                                          {-1.275f, -0.425f, 0.425f, 1.275f},
                                          {-1.7f, -0.85f, 0, 0.85f, 1.7f}};
    GameWorld world;
    Tank tank(world);
    for (int count = 1; count <= 5; ++count) {
        tank.cannonCount = count;
        tank.layOutCannons();
        for (int i = 0; i < count; ++i)
            EXPECT_NEAR(tank.cannons[i].lateralOffset, offsets[count - 1][i], 1e-6)
                << count << " cannons, slot " << i;
    }
}

TEST(WorldRecords, NamesAreCutToTwentyThreeBytesOnACharacterBoundary) {
    char name[nameCapacity];
    copyName(name, std::string(40, 'x'));
    EXPECT_EQ(std::string(name), std::string(23, 'x'));
    copyName(name, std::string(22, 'a') + "\xC3\xA9" + "b");  // the two-byte letter would need 24
    EXPECT_EQ(std::string(name), std::string(22, 'a'));
}

TEST(WorldRecords, BoxesOverlapOnClosedIntervalsOfEveryAxis) {
    const Box a{0, 2, 0, 2, 0, 2};
    const struct {
        Box b;
        bool overlap;
    } cases[] = {{{2, 4, 0, 2, 0, 2}, true},      {{-2, 0, 0, 2, 0, 2}, true},
                 {{0, 2, 2, 4, 0, 2}, true},      {{0, 2, -2, 0, 0, 2}, true},
                 {{0, 2, 0, 2, 2, 4}, true},      {{0, 2, 0, 2, -2, 0}, true},
                 {{2.01f, 4, 0, 2, 0, 2}, false}, {{-2, -.01f, 0, 2, 0, 2}, false},
                 {{0, 2, 2.01f, 4, 0, 2}, false}, {{0, 2, -2, -.01f, 0, 2}, false},
                 {{0, 2, 0, 2, 2.01f, 4}, false}, {{0, 2, 0, 2, -2, -.01f}, false}};
    for (const auto& c : cases)
        EXPECT_EQ(boxesOverlap(a, c.b), c.overlap)
            << c.b.xmin << " " << c.b.ymin << " " << c.b.zmin;
}

}  // namespace
