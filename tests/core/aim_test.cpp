#include "combat/sounds.h"
#include "game/aim.h"
#include "game/drive.h"

#include "fixtures.h"

namespace {

class Aiming : public HandMadeGame {
  protected:
    Aiming() {
        Player& a = addPlayer(world.teamA);
        tank = &addTank(world.teamA, a, 30, 0);
        enemy = &addPlayerWithTank(world.teamB, -30, 0);
        makeCurrent(world.teamA, a, *tank);
        world.prizeCountdown = 30;
    }
    Tank* tank = nullptr;
    Tank* enemy = nullptr;
};

using Control = void (*)(GameWorld&, GameHost&);

TEST_F(Aiming, ElevationAndPowerStopAtTheirLimitsAndTheTurretWraps) {
    struct IntCase {
        int Tank::*field;
        Control control;
        int from, to;
    };
    const IntCase ints[] = {
        {&Tank::elevation, raiseCannon, -79, -80},  {&Tank::elevation, raiseCannon, -80, -80},
        {&Tank::elevation, lowerCannon, -1, 0},     {&Tank::elevation, lowerCannon, 0, 0},
        {&Tank::turretAngle, turnCannonCounterClockwise, 359, 360},
        {&Tank::turretAngle, turnCannonCounterClockwise, 360, 1},
        {&Tank::turretAngle, turnCannonClockwise, 0, 359},
        {&Tank::turretAngle, turnCannonClockwise, 1, 0}};
    for (const IntCase& c : ints) {
        tank->*c.field = tank->turretYaw = c.from;
        c.control(world, host);
        EXPECT_EQ(tank->*c.field, c.to) << "from " << c.from;
        if (c.field == &Tank::turretAngle) {
            EXPECT_EQ(tank->turretYaw, c.to) << "yaw from " << c.from;
        }
    }
    struct PowerCase {
        Control control;
        float from, to;
    };
    const PowerCase powers[] = {{powerDown, 1.0f, 0.1f},        {powerDownFine, 0.1f, 0.1f},
                                {powerUp, 99.5f, 100.0f},       {powerUpFine, 100.0f, 100.0f},
                                {powerUpFine, 10.0f, 10.1f},    {powerDownFine, 10.0f, 9.9f}};
    for (const PowerCase& c : powers) {
        tank->power = c.from;
        c.control(world, host);
        EXPECT_NEAR(tank->power, c.to, 1e-5) << "from " << c.from;
    }
    EXPECT_EQ(host.readoutChanges, 4 + 6);  // the turret has no readout to refresh
}

TEST_F(Aiming, FiringLaunchesOneShellPerCannonAndEndsTheTanksPart) {
    tank->cannonCount = 3;
    tank->layOutCannons();
    tank->mileage = 7;
    ASSERT_TRUE(fire(world, host));
    EXPECT_EQ(world.shellsInFlight, 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_FLOAT_EQ(world.shells[i]->lateralOffset, tank->cannons[i].lateralOffset);
    EXPECT_EQ(world.shells[3], nullptr);
    EXPECT_EQ(tank->mileage, 0);
    EXPECT_TRUE(world.shotInProgress);
    EXPECT_EQ(host.buttonStates, std::vector<bool>{false});
    EXPECT_EQ(host.sounds, std::vector<std::string>{cannonSoundFile});

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
    EXPECT_TRUE(host.buttonStates.empty());
}

TEST_F(Aiming, AVolleyThatLaunchesNothingStillPassesTheTurn) {
    tank->cannonCount = 0;  // stands in for a volley whose shells could not be made
    ASSERT_TRUE(fire(world, host));
    EXPECT_EQ(world.shellsInFlight, 0);
    EXPECT_FALSE(world.shotInProgress);
    EXPECT_TRUE(host.buttonStates.back());
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
}

}  // namespace
