#include "game/collision.h"
#include "game/drive.h"

#include "fixtures.h"

namespace {

class Driving : public HandMadeGame {
  protected:
    Driving() : player(addPlayer(world.teamA)) {}

    Tank& current(float x, float z) {
        Tank& tank = addTank(world.teamA, player, x, z);
        makeCurrent(world.teamA, player, tank);
        return tank;
    }

    // The position, the 12-unit footprint and its corners all moved together.
    static void expectAt(const Tank& tank, float x, float z) {
        EXPECT_NEAR(tank.position.x, x, 1e-4);
        EXPECT_NEAR(tank.position.z, z, 1e-4);
        EXPECT_NEAR(tank.box.xmin, x - 6, 1e-4);
        EXPECT_NEAR(tank.box.zmax, z + 6, 1e-4);
        EXPECT_NEAR(tank.corners[6].x, x + 6, 1e-4);
        EXPECT_NEAR(tank.corners[6].z, z - 6, 1e-4);
    }

    Player& player;
};

TEST_F(Driving, StepsFollowTheHeadingAndMileageCapsAtTen) {
    Tank& tank = current(30, 0);
    struct Step {
        int heading;
        bool forward;
        float x, z;
    };
    // Team A starts facing -x; 360 faces the same way as 0.
    const Step steps[] = {{0, true, 29, 0},    {0, false, 30, 0},   {90, true, 30, 1},
                          {270, true, 30, 0},  {180, true, 31, 0},  {360, false, 32, 0},
                          {0, true, 31, 0},    {0, true, 30, 0},    {0, true, 29, 0},
                          {0, true, 28, 0},    {0, true, 28, 0}};  // the eleventh step is refused
    for (const Step& s : steps) {
        tank.heading = s.heading;
        s.forward ? driveForward(world, host) : driveBackward(world, host);
        expectAt(tank, s.x, s.z);
    }
    EXPECT_EQ(tank.mileage, 10);
    EXPECT_EQ(host.readoutChanges, 11);
}

TEST_F(Driving, BothTeamsStopJustShortOfTheDivider) {
    Tank& tank = current(13.5f, 0);
    driveForward(world, host);
    expectAt(tank, 13.01f, 0);
    driveForward(world, host);  // the gap is now 0.01: no move, still costs mileage
    expectAt(tank, 13.01f, 0);
    EXPECT_EQ(tank.mileage, 2);

    Tank& b = addPlayerWithTank(world.teamB, -13.5f, 5);
    makeCurrent(world.teamB, *world.teamB.firstPlayer, b);
    driveForward(world, host);
    expectAt(b, -13.01f, 5);
}

TEST_F(Driving, ATankTouchingTheDividerStillDrivesAlongIt) {
    Tank& tank = current(13, 0);  // placement may leave a footprint flush with the divider
    tank.heading = 90;
    driveForward(world, host);
    expectAt(tank, 13, 1);
    driveBackward(world, host);
    driveBackward(world, host);
    expectAt(tank, 13, -1);
}

TEST_F(Driving, StepsOverTheEdgeArePulledBackFlush) {
    Tank& tank = current(30, 53.5f);
    tank.heading = 90;
    driveForward(world, host);
    expectAt(tank, 30, 54);

    Tank& other = current(53.5f, -53.5f);
    driveBackward(world, host);  // heading 0: backward is +x
    expectAt(other, 54, -53.5f);
    other.heading = 270;
    driveForward(world, host);
    expectAt(other, 54, -54);
}

TEST_F(Driving, StopsJustShortOfATeamMateAheadOrBehind) {
    Tank& mate = addTank(world.teamA, player, 17.5f, 3);  // xmax 23.5
    Tank& tank = current(30, 0);                          // xmin 24
    driveForward(world, host);
    EXPECT_NEAR(tank.box.xmin, mate.box.xmax + 0.01f, 1e-4);
    Tank& behind = addTank(world.teamA, player, 42, 0);  // xmin 36, tank xmax 35.51
    driveBackward(world, host);
    EXPECT_NEAR(tank.box.xmax, behind.box.xmin - 0.01f, 1e-4);
}

TEST_F(Driving, DestroyedUnplacedAndEnemyTanksDoNotBlock) {
    addTank(world.teamA, player, 17.5f, 0).destroyed = true;
    addTank(world.teamA, player, 16.5f, 0).placed = false;
    addPlayerWithTank(world.teamB, 17.5f, 0);  // never where it could be, but never looked at
    Tank& tank = current(30, 0);
    driveForward(world, host);
    expectAt(tank, 29, 0);
}

TEST_F(Driving, ApproachesTheNearestOfTwoTeamMatesSideBySide) {
    // The first mate in roster order lies farther ahead than the second one.
    Tank& farther = addTank(world.teamA, player, 17.2f, 8);  // xmax 23.2
    Tank& nearer = addTank(world.teamA, player, 17.6f, -8);  // xmax 23.6
    Tank& tank = current(30, 0);                             // xmin 24
    Tank trial = tank;
    moveBy(trial, Forward, 1.0f);
    EXPECT_EQ(findBlockingTeamMate(trial, world.teamA), &farther);
    driveForward(world, host);
    EXPECT_FALSE(boxesOverlap(tank.box, farther.box));
    EXPECT_FALSE(boxesOverlap(tank.box, nearer.box));
    EXPECT_NEAR(tank.box.xmin, 23.61f, 1e-4);
}

TEST(Turning, QuarterTurnsWrapRoundAndLeaveTheFootprint) {
    GameWorld world;
    Tank tank(world);
    for (int expected : {270, 180, 90, 0, 270}) {
        turnClockwise(tank);
        EXPECT_EQ(tank.heading, expected);
    }
    tank.heading = 0;
    for (int expected : {90, 180, 270, 360, 90}) {
        turnCounterClockwise(tank);
        EXPECT_EQ(tank.heading, expected);
    }
    tank.heading = 360;
    turnClockwise(tank);
    EXPECT_EQ(tank.heading, 270);
    EXPECT_FLOAT_EQ(tank.box.xmin, -6.0f);
}

}  // namespace
