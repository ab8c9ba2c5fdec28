// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of setting up a game: the player dialog's choices, placement budgets, prize draws and
// names.
#include "game/controllers_dialog.h"
#include "game/placement.h"
#include "game/prizes.h"

#include "fixtures.h"

#include <string>

namespace {

// Steps: p person, c computer, e/n/h a level, x one that does not exist. Each case also
// takes the next camouflage button and its steps as the (one-letter or longer) name.
TEST(PlayerDialogChoice, OkStoresWhoPlaysAndTheLevelCountsOnlyForTheComputer) {
    using C = PlayerControl;
    const std::pair<const char*, C> cases[] = {{"h", C::Person},
                                               {"c", C::ComputerNormal},
                                               {"ce", C::ComputerEasy},
                                               {"chx", C::ComputerHard},
                                               {"hcp", C::Person}};
    const Team team(0);
    RecordingHost host;
    const int looks[] = {CityCamouflage, FallCamouflage, BlueCamouflage, ForestCamouflage,
                         Forest2Camouflage};  // the buttons left to right
    int i = 0;
    for (const auto& [steps, control] : cases) {
        Player player;
        player.control = control == C::Person ? C::ComputerHard : C::Person;
        PlayerDialog dialog(team, player);
        for (const char* s = steps; *s != '\0'; ++s)
            *s == 'p'   ? dialog.playByPerson()
            : *s == 'c' ? dialog.playByComputer()
                        : dialog.chooseLevel(static_cast<int>(std::string("enhx").find(*s)));
        dialog.check(camouflageButtonId(i));
        dialog.name = steps;
        ASSERT_TRUE(dialog.ok(player, host));
        EXPECT_EQ(player.control, control) << steps;
        EXPECT_EQ(player.camouflage, looks[i++]) << steps;
    }
}

// Team A's two people may not take one controller: the second is refused, naming who has it,
// and takes another. A computer player's choice is no choice; keyboard players take none.
TEST(PlayerDialogChoice, EachControllerGoesToOnePersonAtMost) {
    GameWorld world;
    RecordingHost host;
    NewGameFlow flow(world, host);
    flow.start();
    flow.teamDialog()->countText = "2";
    ASSERT_EQ(flow.pressOk(), NewGameFlow::OkResult::Accepted);
    flow.playerDialog()->chooseController(1);
    ASSERT_EQ(flow.pressOk(), NewGameFlow::OkResult::Accepted);
    PlayerDialog& second = *flow.playerDialog();
    second.chooseController(1);
    EXPECT_EQ(flow.pressOk(), NewGameFlow::OkResult::Rejected);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text,
              "Controller 2 is already taken by player1.\nPlease choose another and try again");
    second.chooseController(7);  // no such controller: the choice stands
    second.playByComputer();     // the computer takes none, so nothing is in the way
    ASSERT_EQ(flow.pressOk(), NewGameFlow::OkResult::Accepted);
    ASSERT_EQ(flow.pressOk(), NewGameFlow::OkResult::Accepted);  // team B
    flow.playerDialog()->chooseController(0);
    flow.playerDialog()->chooseController(-1);  // back to the keyboard and mouse
    ASSERT_EQ(flow.pressOk(), NewGameFlow::OkResult::Accepted);
    ASSERT_EQ(flow.pressOk(), NewGameFlow::OkResult::GameBuilt);
    ASSERT_EQ(flow.controllerChoices().size(), 1u);
    const ControllerChoice& taken = flow.controllerChoices()[0];
    EXPECT_EQ(taken.slot, 1);
    EXPECT_EQ(taken.team, 0);
    EXPECT_EQ(taken.player, world.teamA.firstPlayer->number);
    flow.start();
    EXPECT_TRUE(flow.controllerChoices().empty()) << "a new game gives the controllers anew";
}

// The Options menu's list: the people of the game (no computer), each slot given to one of them
// or to whoever has the turn; what is not among them changes nothing or falls to whoever. People
// at other machines are left out.
TEST(ControllersDialogHolders, ListThePeopleAndKeepEachSlotInRange) {
    GameWorld world;
    RecordingHost host;
    runNewGame(world, host);
    world.teamA.firstPlayer->control = PlayerControl::ComputerEasy;
    ControllersDialog dialog(world);
    const Player& person = *world.teamB.firstPlayer;
    ASSERT_EQ(dialog.people().size(), 1u);
    EXPECT_EQ(dialog.people()[0].name, person.name);
    EXPECT_EQ(dialog.holderLabel(dialog.holder(3)), "Whoever has the turn");
    dialog.giveTo(3, 1, person.number);
    EXPECT_EQ(dialog.holder(3), 0);
    dialog.give(3, 1);   // nobody there
    dialog.give(4, 0);   // no such slot
    dialog.give(-1, 0);  // nor this
    EXPECT_EQ(dialog.holder(3), 0);
    EXPECT_EQ(dialog.holder(0), -1);
    dialog.giveTo(3, 0, world.teamA.firstPlayer->number);  // the computer's: to whoever
    EXPECT_EQ(dialog.holder(3), -1);
    // A person at another machine is not listed either.
    world.teamA.firstPlayer->control = PlayerControl::Person;
    const ControllersDialog here(world, [&](const Player& p) { return &p != &person; });
    ASSERT_EQ(here.people().size(), 1u);
    EXPECT_EQ(here.people()[0].name, std::string(world.teamA.firstPlayer->name));
}

// On a floor with room for one tank every attempt lands on (13, 0). One budget of 5000
// failures serves the whole team, and the player who exhausts it gives up on the rest of
// its tanks; a prize gives up after 5000 repeats, without corners. Each attempt draws three
// numbers: seeded with 5, the next draw after 5003 attempts is 2334, after 5001 27427.
TEST(Placement, FailureBudgetsAreSharedAndEndThePlayersRemainingTanks) {
    CombatScene scene(7.0f);
    Team& team = scene.world.teamA;
    Player& first = scene.addPlayer(team);
    for (int i = 0; i < 3; ++i)
        scene.addTank(team, first, 0, 0).placed = false;
    scene.addTank(team, scene.addPlayer(team), 0, 0).placed = false;
    scene.world.random.seed(5);
    placeTeamTanks(scene.world, team);
    std::string placed;
    forEachTank(team, [&](const Tank& t) { placed += t.placed ? "1" : "0"; });
    EXPECT_EQ(placed, "1000");
    EXPECT_EQ(first.firstTank->position.x, 13.0f);
    EXPECT_EQ(scene.world.random.next(), 2334u);

    CombatScene wide(60.0f);
    wide.addPlayerWithTank(wide.world.teamA, 30, 0).box = {-100, 100, -100, 100, -100, 100};
    Prize prize(wide.world.random);
    wide.world.random.seed(5);
    placePrize(wide.world, prize, wide.world.teamA);
    EXPECT_EQ(prize.corners[0], Vec3{});
    EXPECT_EQ(wide.world.random.next(), 27427u);
}

TEST(Prizes, CountdownAndCannonSpreadFollowTheirDraws) {
    // Drawn 7, 19, 20, 33, 40: below 20 becomes 20.
    const std::uint32_t countdowns[][2] = {{7, 20}, {23, 20}, {6, 20}, {10, 33}, {17, 40}};
    for (const auto& c : countdowns) {
        GameWorld world;
        world.random.seed(c[0]);
        startPrizeCountdown(world);
        EXPECT_EQ(world.prizeCountdown, int(c[1])) << c[0];
    }
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
            EXPECT_NEAR(tank.cannons[i].lateralOffset, offsets[count - 1][i], 1e-6) << count << i;
    }
}

TEST(WorldRecords, NamesAreCutToTwentyThreeBytesOnACharacterBoundary) {
    char name[nameCapacity];
    copyName(name, std::string(40, 'x'));
    EXPECT_EQ(std::string(name), std::string(23, 'x'));
    copyName(name, std::string(22, 'a') + "\xC3\xA9" + "b");  // the two-byte letter would need 24
    EXPECT_EQ(std::string(name), std::string(22, 'a'));
}

}  // namespace
