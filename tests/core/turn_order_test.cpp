#include "game/prizes.h"
#include "game/turns.h"

#include "fixtures.h"

#include <string>

namespace {

class TurnOrder : public HandMadeGame {
  protected:
    // Who holds the turn, e.g. "A1": the tank's number, or the player's number.
    std::string holder(bool byPlayer = false) {
        return (world.currentTeam == &world.teamA ? "A" : "B") +
               std::to_string(byPlayer ? world.currentPlayer()->number
                                       : world.currentTank()->number);
    }
    std::string pass(int n, bool byPlayer = false) {
        std::string out;
        for (int i = 0; i < n; ++i) {
            passTurn(world, host);
            out += (i ? " " : "") + holder(byPlayer);
        }
        return out;
    }
    // Team A holds a1 and the turn; team B's players hold the tanks given.
    void rosters(std::initializer_list<int> tanksPerBPlayer) {
        a1 = &addPlayerWithTank(world.teamA, 30, 0);
        makeCurrent(world.teamA, *world.teamA.firstPlayer, *a1);
        float z = -40;
        for (int tanks : tanksPerBPlayer) {
            Player& p = addPlayer(world.teamB);
            for (int i = 0; i < tanks; ++i, z += 20)
                addTank(world.teamB, p, -30, z);
        }
        world.prizeCountdown = 30;
    }
    Tank* a1 = nullptr;
};

TEST_F(TurnOrder, TeamsAlternateAndEachPlayersTanksTakeTurnsInOrder) {
    runNewGame(world, host, GameSetup{{2}, {2}});
    const std::string opening = holder();
    EXPECT_EQ(opening + " " + pass(5), "A1 B2 A2 B1 A1 B2");
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(TurnOrder, PlayersRotateWithinATeam) {
    runNewGame(world, host, GameSetup{{1}, {1, 1, 1}});
    // Every visit first moves on: B's first turn goes to its second player.
    EXPECT_EQ(pass(6, true), "B3 A1 B4 A1 B2 A1");
}

TEST_F(TurnOrder, DestroyedTanksAreSteppedOver) {
    rosters({1, 1});
    world.teamB.firstPlayer->firstTank->destroyed = true;
    Player& p2 = *world.teamB.firstPlayer->next;
    world.teamB.currentPlayer = &p2;  // the search starts by moving on to P1
    EXPECT_EQ(pass(6, true), "B3 A1 B3 A1 B3 A1");
}

TEST_F(TurnOrder, ALiveTankIsFoundWhenPlayersHoldDifferentNumbersOfTanks) {
    rosters({1, 3, 1});
    Player& big = *world.teamB.firstPlayer->next;
    Tank* survivor = big.firstTank->next->next;
    forEachTank(world.teamB, [&](Tank& t) { t.destroyed = (&t != survivor); });
    world.teamB.currentPlayer = &big;
    big.currentTank = survivor;  // the next visits of this player start past it
    // Advances bounded by the team's tank total never reach the survivor; the search must
    // go on until every tank has been looked at.
    passTurn(world, host);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(world.currentTank(), survivor);
}

TEST_F(TurnOrder, GameOverOnlyWhenTheOtherTeamHasNoLiveTank) {
    rosters({2});
    Tank& b1 = *world.teamB.firstPlayer->firstTank;
    Tank& b2 = *b1.next;
    b1.destroyed = true;
    world.shotInProgress = true;
    passTurn(world, host);
    EXPECT_EQ(world.currentTank(), &b2);
    EXPECT_TRUE(host.messages.empty());
    passTurn(world, host);

    b2.destroyed = true;
    for (int shot = 1; shot <= 2; ++shot) {  // each further shot ends the same way
        world.shotInProgress = true;
        passTurn(world, host);
        EXPECT_EQ(host.countMessages("Game Over"), shot);
        EXPECT_EQ(host.messages.back().text, "Game Over");
        EXPECT_EQ(world.currentTank(), a1);  // the shooter keeps the turn
        EXPECT_FALSE(world.shotInProgress);
        EXPECT_TRUE(host.buttonStates.back());
    }
    EXPECT_EQ(world.prizeCountdown, 28);  // no turn passed, no countdown
}

TEST_F(TurnOrder, PassingEndsTheShotAndUpdatesTheShieldsItem) {
    rosters({1});
    world.teamB.firstPlayer->firstTank->mediumShields = 1;
    world.shotInProgress = true;
    passTurn(world, host);
    EXPECT_FALSE(world.shotInProgress);
    EXPECT_EQ(host.buttonStates, std::vector<bool>{true});
    EXPECT_GT(host.readoutChanges, 0);
    EXPECT_EQ(host.shieldsMenuStates, std::vector<bool>{true});
    passTurn(world, host);  // a1 has nothing
    EXPECT_FALSE(host.shieldsMenuStates.back());
    a1->shieldActive = true;
    passTurn(world, host);
    passTurn(world, host);
    EXPECT_TRUE(host.shieldsMenuStates.back());
}

TEST_F(TurnOrder, MissingPrizesReturnWhenTheCountdownRunsOutAndLyingOnesStay) {
    runNewGame(world, host);
    const Prize* lying = world.teamA.prize.get();
    const Vec3 where = lying->position;
    world.teamB.prize.reset();
    world.prizeCountdown = 3;
    pass(2);
    EXPECT_EQ(world.teamB.prize, nullptr);
    pass(1);
    ASSERT_NE(world.teamB.prize, nullptr);
    EXPECT_LT(world.teamB.prize->position.x, 0.0f);
    EXPECT_EQ(world.teamA.prize.get(), lying);
    EXPECT_EQ(world.teamA.prize->position, where);
    EXPECT_GE(world.prizeCountdown, 20);
    EXPECT_LE(world.prizeCountdown, 40);
}

}  // namespace
