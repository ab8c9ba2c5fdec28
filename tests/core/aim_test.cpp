#include "game/aim.h"
#include "combat/sounds.h"
#include "game/drive.h"

#include "game_fixture.h"

namespace {

class Aiming : public HandMadeGame {
  protected:
    Aiming() {
        Player& a = addPlayer(world.teamA);
        tank = &addTank(world.teamA, a, 30, 0);
        Player& b = addPlayer(world.teamB);
        enemy = &addTank(world.teamB, b, -30, 0);
        makeCurrent(world.teamA, a, *tank);
        world.prizeCountdown = 30;
    }

    Tank* tank = nullptr;
    Tank* enemy = nullptr;
};

TEST_F(Aiming, ElevationStaysBetweenLevelAndEightyUp) {
    tank->elevation = -79;
    raiseCannon(world, host);
    EXPECT_EQ(tank->elevation, -80);
    raiseCannon(world, host);
    EXPECT_EQ(tank->elevation, -80);
    tank->elevation = -1;
    lowerCannon(world, host);
    EXPECT_EQ(tank->elevation, 0);
    lowerCannon(world, host);
    EXPECT_EQ(tank->elevation, 0);
    EXPECT_EQ(host.readoutChanges, 4);
}

TEST_F(Aiming, TurretWrapsAtBothEndsTogetherWithItsYaw) {
    struct Case {
        int from;
        bool counterClockwise;
        int to;
    };
    const Case cases[] = {{359, true, 360}, {360, true, 1}, {0, false, 359}, {1, false, 0}};
    for (const Case& c : cases) {
        tank->turretAngle = tank->turretYaw = c.from;
        if (c.counterClockwise) {
            turnCannonCounterClockwise(world, host);
        } else {
            turnCannonClockwise(world, host);
        }
        EXPECT_EQ(tank->turretAngle, c.to) << "from " << c.from;
        EXPECT_EQ(tank->turretYaw, c.to) << "from " << c.from;
    }
}

TEST_F(Aiming, PowerStaysWithinItsRangeInCoarseAndFineSteps) {
    tank->power = 1.0f;
    powerDown(world, host);
    EXPECT_FLOAT_EQ(tank->power, 0.1f);  // never 0
    powerDownFine(world, host);
    EXPECT_FLOAT_EQ(tank->power, 0.1f);
    tank->power = 99.5f;
    powerUp(world, host);
    EXPECT_FLOAT_EQ(tank->power, 100.0f);
    powerUpFine(world, host);
    EXPECT_FLOAT_EQ(tank->power, 100.0f);
    tank->power = 10.0f;
    for (int i = 0; i < 10; ++i)
        powerDown(world, host);
    EXPECT_FLOAT_EQ(tank->power, 0.1f);
    tank->power = 10.0f;
    powerUpFine(world, host);
    EXPECT_NEAR(tank->power, 10.1f, 1e-5);
    powerDownFine(world, host);
    powerDownFine(world, host);
    EXPECT_NEAR(tank->power, 9.9f, 1e-5);
}

TEST_F(Aiming, FiringLaunchesOneShellPerCannonAndEndsTheTanksPart) {
    tank->cannonCount = 3;
    tank->layOutCannons();
    tank->mileage = 7;
    ASSERT_TRUE(fire(world, host));
    EXPECT_EQ(world.shellsInFlight, 3);
    for (int i = 0; i < 3; ++i) {
        ASSERT_NE(world.shells[i], nullptr);
        EXPECT_FLOAT_EQ(world.shells[i]->lateralOffset, tank->cannons[i].lateralOffset);
    }
    EXPECT_EQ(world.shells[3], nullptr);
    EXPECT_EQ(tank->mileage, 0);
    EXPECT_TRUE(world.shotInProgress);
    ASSERT_EQ(host.buttons.size(), 1u);
    EXPECT_FALSE(host.buttons[0]);
    ASSERT_EQ(host.sounds.size(), 1u);
    EXPECT_EQ(host.sounds[0], cannonSoundFile);

    EXPECT_FALSE(fire(world, host));  // the shells are still flying
    EXPECT_EQ(world.shellsInFlight, 3);
    EXPECT_EQ(host.sounds.size(), 1u);
}

TEST_F(Aiming, FiringIsRefusedWithoutPowerOrWithAFullTable) {
    tank->power = 0.0f;
    EXPECT_FALSE(fire(world, host));
    tank->power = 10.0f;
    world.shellsInFlight = shellSlotCount;
    EXPECT_FALSE(fire(world, host));
    EXPECT_FALSE(world.shotInProgress);
    EXPECT_TRUE(host.sounds.empty());
    EXPECT_TRUE(host.buttons.empty());
}

TEST_F(Aiming, AVolleyThatLaunchesNothingStillPassesTheTurn) {
    tank->cannonCount = 0;  // stands in for a volley whose shells could not be made
    ASSERT_TRUE(fire(world, host));
    EXPECT_EQ(world.shellsInFlight, 0);
    EXPECT_FALSE(world.shotInProgress);
    EXPECT_TRUE(host.buttons.back());
    EXPECT_EQ(world.currentTank(), enemy);
}

TEST_F(Aiming, FiringRestoresTheMileage) {
    for (int i = 0; i < 11; ++i)
        driveBackward(world, host);
    EXPECT_NEAR(tank->position.x, 40.0f, 1e-4);
    ASSERT_TRUE(fire(world, host));
    world.shells = {};
    world.shellsInFlight = 0;
    world.shotInProgress = false;
    for (int i = 0; i < 10; ++i)
        driveBackward(world, host);
    EXPECT_NEAR(tank->position.x, 50.0f, 1e-4);
    EXPECT_EQ(tank->mileage, 10);
}

}  // namespace
