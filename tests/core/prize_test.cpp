#include "game/drive.h"
#include "game/prizes.h"

#include "game_fixture.h"

#include <memory>

namespace {

class Prizes : public HandMadeGame {
  protected:
    Prizes() : player(addPlayer(world.teamA)) {}

    // A prize of the given kind lying at (x, z) on team A's half.
    Prize& lay(int kind, float x, float z) {
        world.teamA.prize = std::make_unique<Prize>(world.random);
        Prize& prize = *world.teamA.prize;
        prize.kind = kind;
        prize.position = {x, 0, z};
        prize.box = {x - 2, x + 2, -2, 2, z - 2, z + 2};
        prize.syncCorners();
        return prize;
    }

    Tank& current(float x, float z) {
        Tank& tank = addTank(world.teamA, player, x, z);
        makeCurrent(world.teamA, player, tank);
        return tank;
    }

    Player& player;
};

TEST_F(Prizes, DrivingForwardOntoAShieldPrizeTakesIt) {
    Tank& tank = current(30, 0);
    lay(WeakShieldPrize, 22.5f, 0);  // xmax 24.5: reached by the first step
    driveForward(world, host);
    EXPECT_EQ(tank.weakShields, 1);
    EXPECT_EQ(world.teamA.prize, nullptr);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Congratulations! You just picked up a weak shield");
    EXPECT_EQ(host.messages[0].caption, "PowerUp");
    ASSERT_EQ(host.shieldsMenu.size(), 1u);
    EXPECT_TRUE(host.shieldsMenu[0]);

    lay(MediumShieldPrize, 22.5f, 0);
    driveForward(world, host);
    lay(StrongShieldPrize, 22.5f, 0);
    driveForward(world, host);
    EXPECT_EQ(tank.mediumShields, 1);
    EXPECT_EQ(tank.strongShields, 1);
    EXPECT_EQ(host.messages[1].text,
              "Congratulations! You just picked up a medium strength shield");
    EXPECT_EQ(host.messages[2].text, "Congratulations! You just picked up a strong shield");
}

TEST_F(Prizes, ACannonPrizeAddsACannonUpToFive) {
    Tank& tank = current(30, 0);
    tank.cannons[0].camouflage = FallCamouflage;
    lay(CannonPrize, 26, 0);
    driveForward(world, host);
    ASSERT_EQ(tank.cannonCount, 2);
    EXPECT_FLOAT_EQ(tank.cannons[0].lateralOffset, -0.425f);
    EXPECT_FLOAT_EQ(tank.cannons[1].lateralOffset, 0.425f);
    EXPECT_EQ(tank.cannons[1].camouflage, FallCamouflage);
    EXPECT_EQ(host.messages.back().text,
              "Congratulations! You just received another cannon for your tank.");

    tank.cannonCount = 5;
    lay(CannonPrize, 26, 0);
    driveForward(world, host);
    EXPECT_EQ(tank.cannonCount, 5);
    EXPECT_EQ(host.messages.back().text, "Sorry. Your tank can't hold any more cannons.");
    EXPECT_EQ(host.messages.back().caption, "PowerUp");
    EXPECT_EQ(world.teamA.prize, nullptr);  // used up all the same
}

TEST_F(Prizes, BackingOntoAPrizeLeavesItForTheNextForwardStep) {
    Tank& first = addTank(world.teamA, player, 40, 30);
    Tank& mover = current(30, -10);
    lay(StrongShieldPrize, 49, 30);  // xmin 47: clear of first (xmax 46) until it backs
    makeCurrent(world.teamA, player, first);
    EXPECT_EQ(findTankOnPrize(*world.teamA.prize, world.teamA), nullptr);
    driveBackward(world, host);
    EXPECT_EQ(findTankOnPrize(*world.teamA.prize, world.teamA), &first);
    EXPECT_NE(world.teamA.prize, nullptr);
    EXPECT_TRUE(host.messages.empty());

    // Any forward step of the team hands it to the first tank in roster order on it.
    makeCurrent(world.teamA, player, mover);
    driveForward(world, host);
    EXPECT_EQ(world.teamA.prize, nullptr);
    EXPECT_EQ(first.strongShields, 1);
    EXPECT_EQ(mover.strongShields, 0);
}

TEST_F(Prizes, DestroyedAndUnplacedTanksCannotStandOnAPrize) {
    Tank& wreck = addTank(world.teamA, player, 30, 0);
    Prize& prize = lay(WeakShieldPrize, 30, 0);
    wreck.destroyed = true;
    EXPECT_EQ(findTankOnPrize(prize, world.teamA), nullptr);
    wreck.destroyed = false;
    wreck.placed = false;
    EXPECT_EQ(findTankOnPrize(prize, world.teamA), nullptr);
    wreck.placed = true;
    EXPECT_EQ(findTankOnPrize(prize, world.teamA), &wreck);
}

TEST_F(Prizes, PlacementStaysOnTheTeamsHalfAndClearOfItsTanks) {
    addTank(world.teamA, player, 30, 0);
    Player& b = addPlayer(world.teamB);
    addTank(world.teamB, b, -30, 0);
    Prize prize(world.random);
    for (int i = 0; i < 2000; ++i) {
        placePrize(world, prize, world.teamA);
        ASSERT_GE(prize.position.x, 9.0f);
        ASSERT_LE(prize.position.x, 57.0f);
        ASSERT_GE(prize.position.z, -57.0f);
        ASSERT_LE(prize.position.z, 57.0f);
        ASSERT_EQ(findTankOnPrize(prize, world.teamA), nullptr);
        ASSERT_EQ(prize.corners[5].x, prize.box.xmax);
        placePrize(world, prize, world.teamB);
        ASSERT_LE(prize.position.x, -9.0f);
        ASSERT_GE(prize.position.x, -57.0f);
        ASSERT_EQ(findTankOnPrize(prize, world.teamB), nullptr);
    }
}

TEST_F(Prizes, PlacementGivesUpWhenNoPlaceIsFree) {
    Tank& everywhere = addTank(world.teamA, player, 30, 0);
    everywhere.box = {-100, 100, -100, 100, -100, 100};
    Prize prize(world.random);
    placePrize(world, prize, world.teamA);  // must end
    EXPECT_EQ(prize.corners[0], Vec3{});    // corners are only written for a clear place
}

TEST(PrizeKinds, HalfAreCannonsAndShieldsFollowTheirShares) {
    GameRandom random(99);
    int counts[4] = {};
    const int total = 40000;
    for (int i = 0; i < total; ++i) {
        Prize prize(random);
        ASSERT_GE(prize.kind, 0);
        ASSERT_LE(prize.kind, 3);
        ++counts[prize.kind];
    }
    EXPECT_NEAR(counts[CannonPrize] / double(total), 0.5, 0.02);
    EXPECT_NEAR(counts[WeakShieldPrize] / double(total), 0.25, 0.02);
    EXPECT_NEAR(counts[MediumShieldPrize] / double(total), 0.175, 0.02);
    EXPECT_NEAR(counts[StrongShieldPrize] / double(total), 0.075, 0.02);
}

}  // namespace
