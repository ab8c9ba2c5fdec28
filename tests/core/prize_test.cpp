#include "game/drive.h"
#include "game/prizes.h"

#include "fixtures.h"

#include <cmath>
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
    struct Case {
        int kind;
        int Tank::*count;
        const char* what;
    };
    const Case cases[] = {{WeakShieldPrize, &Tank::weakShields, "a weak shield"},
                          {MediumShieldPrize, &Tank::mediumShields, "a medium strength shield"},
                          {StrongShieldPrize, &Tank::strongShields, "a strong shield"}};
    for (const Case& c : cases) {
        lay(c.kind, 22.5f, 0);  // xmax 24.5: reached by the next step
        driveForward(world, host);
        EXPECT_EQ(tank.*c.count, 1) << c.what;
        EXPECT_EQ(world.teamA.prize, nullptr);
        EXPECT_EQ(host.messages.back().text,
                  std::string("Congratulations! You just picked up ") + c.what);
        EXPECT_EQ(host.messages.back().caption, "PowerUp");
        EXPECT_TRUE(host.shieldsMenuStates.back());
        CombatScene::moveTank(tank, 30, 0);
    }
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
}

TEST_F(Prizes, PlacementStaysOnTheTeamsHalfAndClearOfItsTanks) {
    addTank(world.teamA, player, 30, 0);
    addPlayerWithTank(world.teamB, -30, 0);
    Prize prize(world.random);
    for (int i = 0; i < 2000; ++i) {
        for (Team* team : {&world.teamA, &world.teamB}) {
            const float side = team == &world.teamA ? 1.0f : -1.0f;
            placePrize(world, prize, *team);
            ASSERT_GE(side * prize.position.x, 9.0f);
            ASSERT_LE(side * prize.position.x, 57.0f);
            ASSERT_LE(std::abs(prize.position.z), 57.0f);
            ASSERT_EQ(findTankOnPrize(prize, *team), nullptr);
            ASSERT_EQ(prize.corners[5].x, prize.box.xmax);
        }
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
    const double share[4] = {0.25, 0.175, 0.075, 0.5};  // weak, medium, strong, cannon
    int counts[4] = {};
    const int total = 40000;
    for (int i = 0; i < total; ++i) {
        const int kind = Prize(random).kind;
        ASSERT_TRUE(kind >= 0 && kind <= 3) << kind;
        ++counts[kind];
    }
    for (int kind = 0; kind < 4; ++kind)
        EXPECT_NEAR(counts[kind] / double(total), share[kind], 0.02) << kind;
}

}  // namespace
