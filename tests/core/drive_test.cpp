#include "game/drive.h"
#include "game/collision.h"

#include "game_fixture.h"

namespace {

class Driving : public HandMadeGame {
  protected:
    Driving() : player(addPlayer(world.teamA)) {}

    Tank& current(float x, float z) {
        Tank& tank = addTank(world.teamA, player, x, z);
        makeCurrent(world.teamA, player, tank);
        return tank;
    }

    static void expectFootprintAt(const Tank& tank, float x, float z) {
        EXPECT_NEAR(tank.position.x, x, 1e-4);
        EXPECT_NEAR(tank.position.z, z, 1e-4);
        EXPECT_NEAR(tank.box.xmin, x - 6, 1e-4);
        EXPECT_NEAR(tank.box.xmax, x + 6, 1e-4);
        EXPECT_NEAR(tank.box.zmin, z - 6, 1e-4);
        EXPECT_NEAR(tank.box.zmax, z + 6, 1e-4);
        // The corners follow the box.
        EXPECT_NEAR(tank.corners[0].x, tank.box.xmin, 1e-4);
        EXPECT_NEAR(tank.corners[0].z, tank.box.zmax, 1e-4);
        EXPECT_NEAR(tank.corners[6].x, tank.box.xmax, 1e-4);
        EXPECT_NEAR(tank.corners[6].z, tank.box.zmin, 1e-4);
    }

    Player& player;
};

TEST_F(Driving, StepsFollowTheHeadingAndMileageCapsAtTen) {
    Tank& tank = current(30, 0);
    driveForward(world, host);
    expectFootprintAt(tank, 29, 0);  // team A faces -x
    driveBackward(world, host);
    expectFootprintAt(tank, 30, 0);
    tank.heading = 90;
    driveForward(world, host);
    expectFootprintAt(tank, 30, 1);
    tank.heading = 270;
    driveForward(world, host);
    expectFootprintAt(tank, 30, 0);
    tank.heading = 180;
    driveForward(world, host);
    expectFootprintAt(tank, 31, 0);
    tank.heading = 360;
    driveBackward(world, host);
    expectFootprintAt(tank, 32, 0);
    EXPECT_EQ(tank.mileage, 6);

    for (int i = 0; i < 4; ++i)
        driveForward(world, host);
    EXPECT_EQ(tank.mileage, 10);
    const int redraws = host.readoutChanges;
    driveForward(world, host);  // the eleventh attempt
    expectFootprintAt(tank, 28, 0);
    EXPECT_EQ(tank.mileage, 10);
    EXPECT_EQ(host.readoutChanges, redraws + 1);
}

TEST_F(Driving, StopsJustShortOfTheDivider) {
    Tank& tank = current(13.5f, 0);
    driveForward(world, host);
    expectFootprintAt(tank, 13.01f, 0);
    driveForward(world, host);  // the gap is now 0.01: no move, still costs mileage
    expectFootprintAt(tank, 13.01f, 0);
    EXPECT_EQ(tank.mileage, 2);
}

TEST_F(Driving, TeamBStopsShortOfTheDividerFromTheOtherSide) {
    Player& bPlayer = addPlayer(world.teamB);
    Tank& tank = addTank(world.teamB, bPlayer, -13.5f, 5);
    makeCurrent(world.teamB, bPlayer, tank);
    ASSERT_EQ(tank.heading, 180);
    driveForward(world, host);
    expectFootprintAt(tank, -13.01f, 5);
}

TEST_F(Driving, ATankTouchingTheDividerStillDrivesAlongIt) {
    // Placement may leave a footprint flush with the divider's face.
    Tank& tank = current(13, 0);
    tank.heading = 90;
    driveForward(world, host);
    expectFootprintAt(tank, 13, 1);
    driveBackward(world, host);
    driveBackward(world, host);
    expectFootprintAt(tank, 13, -1);
}

TEST_F(Driving, StepsOverTheEdgeArePulledBackFlush) {
    Tank& tank = current(30, 53.5f);
    tank.heading = 90;
    driveForward(world, host);
    expectFootprintAt(tank, 30, 54);
    EXPECT_FLOAT_EQ(tank.box.zmax, 60);

    Tank& other = current(53.5f, -53.5f);
    driveBackward(world, host);  // heading 0: backward is +x
    expectFootprintAt(other, 54, -53.5f);
    other.heading = 270;
    driveForward(world, host);
    expectFootprintAt(other, 54, -54);
    EXPECT_FLOAT_EQ(other.box.zmin, -60);
}

TEST_F(Driving, StopsJustShortOfATeamMate) {
    Tank& mate = addTank(world.teamA, player, 17.5f, 3);  // xmax 23.5
    Tank& tank = current(30, 0);                          // xmin 24
    driveForward(world, host);
    EXPECT_NEAR(tank.box.xmin, mate.box.xmax + 0.01f, 1e-4);
    EXPECT_FALSE(boxesOverlap(tank.box, mate.box));

    // Backing into a team mate behind works the same way.
    Tank& behind = addTank(world.teamA, player, 42, 0);  // xmin 36, tank xmax 35.51
    driveBackward(world, host);
    EXPECT_NEAR(tank.box.xmax, behind.box.xmin - 0.01f, 1e-4);
}

TEST_F(Driving, DestroyedUnplacedAndEnemyTanksDoNotBlock) {
    Tank& wreck = addTank(world.teamA, player, 17.5f, 0);
    wreck.destroyed = true;
    Tank& stray = addTank(world.teamA, player, 16.5f, 0);
    stray.placed = false;
    Player& enemy = addPlayer(world.teamB);
    addTank(world.teamB, enemy, 17.5f, 0);  // never where it could be, but never looked at
    Tank& tank = current(30, 0);
    driveForward(world, host);
    expectFootprintAt(tank, 29, 0);
}

TEST_F(Driving, ApproachesTheNearestOfTwoTeamMatesSideBySide) {
    // The first mate in roster order lies farther ahead than the second one.
    Tank& farther = addTank(world.teamA, player, 17.2f, 8);  // xmax 23.2
    Tank& nearer = addTank(world.teamA, player, 17.6f, -8);  // xmax 23.6
    Tank& tank = current(30, 0);                             // xmin 24
    EXPECT_EQ(findBlockingTeamMate(
                  [&] {
                      Tank trial = tank;
                      moveBy(trial, Forward, 1.0f);
                      return trial;
                  }(),
                  world.teamA),
              &farther);
    driveForward(world, host);
    EXPECT_FALSE(boxesOverlap(tank.box, farther.box));
    EXPECT_FALSE(boxesOverlap(tank.box, nearer.box));
    EXPECT_NEAR(tank.box.xmin, 23.61f, 1e-4);
}

TEST(Turning, QuarterTurnsWrapRound) {
    GameWorld world;
    Tank tank(world);
    const int clockwise[] = {270, 180, 90, 0, 270};
    for (int expected : clockwise) {
        turnClockwise(tank);
        EXPECT_EQ(tank.heading, expected);
    }
    tank.heading = 0;
    const int counter[] = {90, 180, 270, 360, 90};
    for (int expected : counter) {
        turnCounterClockwise(tank);
        EXPECT_EQ(tank.heading, expected);
    }
    tank.heading = 360;
    turnClockwise(tank);
    EXPECT_EQ(tank.heading, 270);
    EXPECT_FLOAT_EQ(tank.box.xmin, -6.0f);  // turning leaves the footprint alone
}

}  // namespace
