#include "game/prizes.h"
#include "game/turns.h"

#include "game_fixture.h"

#include <string>

namespace {

std::string describe(const GameWorld& world) {
    const Tank* tank = world.currentTank();
    return std::string(world.currentTeam == &world.teamA ? "A" : "B") +
           std::to_string(tank->number);
}

class TurnOrder : public HandMadeGame {};

TEST_F(TurnOrder, TeamsAlternateAndEachPlayersTanksTakeTurnsInOrder) {
    GameSetup setup;
    setup.tanksPerPlayerA = {2};
    setup.tanksPerPlayerB = {2};
    runNewGame(world, host, setup);
    std::string order = describe(world);
    for (int i = 0; i < 5; ++i) {
        passTurn(world, host);
        order += " " + describe(world);
    }
    EXPECT_EQ(order, "A1 B2 A2 B1 A1 B2");
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(TurnOrder, PlayersRotateWithinATeam) {
    GameSetup setup;
    setup.tanksPerPlayerA = {1};
    setup.tanksPerPlayerB = {1, 1, 1};
    runNewGame(world, host, setup);
    std::string players;
    for (int i = 0; i < 3; ++i) {
        passTurn(world, host);  // to B
        players += std::to_string(world.currentPlayer()->number);
        passTurn(world, host);  // back to A
    }
    // Every visit first moves on: B's first turn goes to its second player.
    EXPECT_EQ(players, "342");
}

TEST_F(TurnOrder, DestroyedTanksAreSteppedOver) {
    Player& a = addPlayer(world.teamA);
    Tank& a1 = addTank(world.teamA, a, 30, 0);
    Player& p1 = addPlayer(world.teamB);
    Tank& p1Tank = addTank(world.teamB, p1, -30, 20);
    Player& p2 = addPlayer(world.teamB);
    Tank& p2Tank = addTank(world.teamB, p2, -30, -20);
    p1Tank.destroyed = true;
    makeCurrent(world.teamA, a, a1);
    world.teamB.currentPlayer = &p2;  // the search starts by moving on to P1
    for (int i = 0; i < 3; ++i) {
        passTurn(world, host);
        EXPECT_EQ(world.currentTank(), &p2Tank);
        passTurn(world, host);
        EXPECT_EQ(world.currentTank(), &a1);
    }
}

TEST_F(TurnOrder, ALiveTankIsFoundWhenPlayersHoldDifferentNumbersOfTanks) {
    Player& a = addPlayer(world.teamA);
    Tank& a1 = addTank(world.teamA, a, 30, 0);
    Player& p1 = addPlayer(world.teamB);
    addTank(world.teamB, p1, -30, 40).destroyed = true;
    Player& p2 = addPlayer(world.teamB);
    addTank(world.teamB, p2, -30, 20).destroyed = true;
    addTank(world.teamB, p2, -30, 0).destroyed = true;
    Tank& survivor = addTank(world.teamB, p2, -30, -20);
    makeCurrent(world.teamA, a, a1);
    world.teamB.currentPlayer = &p2;
    p2.currentTank = &survivor;  // P2's next visit starts again from its first tank
    // Four advances (the team's tank total) visit P2 only twice and never reach the
    // survivor; the search must go on until every tank has been looked at.
    passTurn(world, host);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(world.currentTank(), &survivor);
}

TEST_F(TurnOrder, GameOverOnlyWhenTheOtherTeamHasNoLiveTank) {
    Player& a = addPlayer(world.teamA);
    Tank& a1 = addTank(world.teamA, a, 30, 0);
    Player& b = addPlayer(world.teamB);
    Tank& b1 = addTank(world.teamB, b, -30, 20);
    Tank& b2 = addTank(world.teamB, b, -30, -20);
    makeCurrent(world.teamA, a, a1);
    world.prizeCountdown = 30;

    b1.destroyed = true;
    world.shotInProgress = true;
    passTurn(world, host);
    EXPECT_EQ(world.currentTank(), &b2);
    EXPECT_TRUE(host.messages.empty());
    passTurn(world, host);

    b2.destroyed = true;
    for (int shot = 0; shot < 2; ++shot) {  // each further shot ends the same way
        world.shotInProgress = true;
        passTurn(world, host);
        ASSERT_EQ(host.messages.size(), static_cast<size_t>(shot + 1));
        EXPECT_EQ(host.messages.back().text, "Game Over");
        EXPECT_EQ(host.messages.back().caption, "Game Over");
        EXPECT_EQ(world.currentTank(), &a1);  // the shooter keeps the turn
        EXPECT_FALSE(world.shotInProgress);
        EXPECT_TRUE(host.buttons.back());
    }
    EXPECT_EQ(world.prizeCountdown, 28);  // no turn passed, no countdown
}

TEST_F(TurnOrder, PassingEndsTheShotAndUpdatesTheShieldsItem) {
    Player& a = addPlayer(world.teamA);
    Tank& a1 = addTank(world.teamA, a, 30, 0);
    Player& b = addPlayer(world.teamB);
    Tank& b1 = addTank(world.teamB, b, -30, 0);
    makeCurrent(world.teamA, a, a1);
    world.prizeCountdown = 30;
    b1.mediumShields = 1;

    world.shotInProgress = true;
    const int redraws = host.readoutChanges;
    passTurn(world, host);
    EXPECT_FALSE(world.shotInProgress);
    ASSERT_FALSE(host.buttons.empty());
    EXPECT_TRUE(host.buttons.back());
    EXPECT_GT(host.readoutChanges, redraws);
    ASSERT_FALSE(host.shieldsMenu.empty());
    EXPECT_TRUE(host.shieldsMenu.back());

    passTurn(world, host);  // a1 has nothing
    EXPECT_FALSE(host.shieldsMenu.back());
    a1.shieldActive = true;
    passTurn(world, host);
    passTurn(world, host);
    EXPECT_TRUE(host.shieldsMenu.back());
}

TEST_F(TurnOrder, MissingPrizesReturnWhenTheCountdownRunsOut) {
    GameSetup setup;
    runNewGame(world, host, setup);
    EXPECT_GE(world.prizeCountdown, 20);
    EXPECT_LE(world.prizeCountdown, 40);
    world.teamA.prize.reset();
    world.teamB.prize.reset();
    world.prizeCountdown = 3;
    passTurn(world, host);
    passTurn(world, host);
    EXPECT_EQ(world.teamA.prize, nullptr);
    passTurn(world, host);
    ASSERT_NE(world.teamA.prize, nullptr);
    ASSERT_NE(world.teamB.prize, nullptr);
    EXPECT_GT(world.teamA.prize->position.x, 0.0f);
    EXPECT_LT(world.teamB.prize->position.x, 0.0f);
    EXPECT_GE(world.prizeCountdown, 20);
    EXPECT_LE(world.prizeCountdown, 40);
}

TEST_F(TurnOrder, APrizeStillLyingStaysWhereItIs) {
    GameSetup setup;
    runNewGame(world, host, setup);
    const Prize* lying = world.teamA.prize.get();
    const Vec3 where = lying->position;
    world.teamB.prize.reset();
    world.prizeCountdown = 1;
    passTurn(world, host);
    EXPECT_EQ(world.teamA.prize.get(), lying);
    EXPECT_EQ(world.teamA.prize->position, where);
    EXPECT_NE(world.teamB.prize, nullptr);
}

}  // namespace
