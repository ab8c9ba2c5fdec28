#include <gtest/gtest.h>

#include "combat/launch.h"
#include "tests/core/combat_fixtures.h"

namespace {

void expectNear(const Vec3& p, double x, double y, double z, double tolerance = 1e-3) {
    EXPECT_NEAR(p.x, x, tolerance);
    EXPECT_NEAR(p.y, y, tolerance);
    EXPECT_NEAR(p.z, z, tolerance);
}

// The box is always the 0.24 cube about the position, and the corners follow it.
void expectBoxAroundPosition(const Shell& s) {
    EXPECT_NEAR(s.box.xmin, s.position.x - 0.24, 1e-4);
    EXPECT_NEAR(s.box.xmax, s.position.x + 0.24, 1e-4);
    EXPECT_NEAR(s.box.ymin, s.position.y - 0.24, 1e-4);
    EXPECT_NEAR(s.box.ymax, s.position.y + 0.24, 1e-4);
    EXPECT_NEAR(s.box.zmin, s.position.z - 0.24, 1e-4);
    EXPECT_NEAR(s.box.zmax, s.position.z + 0.24, 1e-4);
    const Corners expected = shellLayoutCorners(s.box);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(s.corners[i].x, expected[i].x);
        EXPECT_EQ(s.corners[i].y, expected[i].y);
        EXPECT_EQ(s.corners[i].z, expected[i].z);
    }
}

class LaunchGeometry : public ::testing::Test {
  protected:
    Tank& shooterA(float x = 30.0f, float z = 0.0f) {
        Tank& t = scene.addPlayerWithTank(scene.world.teamA, x, z);
        scene.world.currentTeam = &scene.world.teamA;
        return t;
    }
    CombatScene scene;
};

TEST_F(LaunchGeometry, RaisedBarrelLeavesFromTheMuzzleWithPowerSplitByElevation) {
    shooterA();
    ASSERT_EQ(launchVolley(scene.world), 1);
    const Shell& s = *scene.world.shells[0];
    expectNear(s.position, 22.757, 8.493, 0.0);
    EXPECT_NEAR(s.verticalSpeed, 7.0711, 1e-4);
    EXPECT_NEAR(s.horizontalSpeed, 7.0711, 1e-4);
    EXPECT_DOUBLE_EQ(s.launchX, s.position.x);
    EXPECT_DOUBLE_EQ(s.launchY, s.position.y);
    EXPECT_DOUBLE_EQ(s.launchZ, s.position.z);
    EXPECT_EQ(s.launchDistance, 0.0);
    EXPECT_EQ(s.flightTime, 0.0);
    EXPECT_EQ(s.timeStep, 0.04);
    EXPECT_EQ(s.power, 10.0f);
    EXPECT_EQ(s.faces, shellFaces);
    expectBoxAroundPosition(s);
}

TEST_F(LaunchGeometry, LevelBarrelShootsFlatFromPivotHeight) {
    shooterA().elevation = 0;
    launchVolley(scene.world);
    const Shell& s = *scene.world.shells[0];
    expectNear(s.position, 21.0, 4.25, 0.0);
    EXPECT_NEAR(s.verticalSpeed, 0.0, 1e-12);
    EXPECT_NEAR(s.horizontalSpeed, 10.0, 1e-12);
    expectBoxAroundPosition(s);
}

TEST_F(LaunchGeometry, CannonsSitSideBySideInSlotOrder) {
    Tank& t = shooterA(30.0f, 10.0f);
    t.cannonCount = 2;
    t.layOutCannons();
    ASSERT_EQ(launchVolley(scene.world), 2);
    EXPECT_EQ(scene.world.shellsInFlight, 2);
    EXPECT_NEAR(scene.world.shells[0]->position.z, 10.425, 1e-4);
    EXPECT_NEAR(scene.world.shells[1]->position.z, 9.575, 1e-4);
    EXPECT_EQ(scene.world.shells[0]->lateralOffset, t.cannons[0].lateralOffset);
    for (int i = 0; i < 2; ++i)
        expectBoxAroundPosition(*scene.world.shells[i]);
}

TEST_F(LaunchGeometry, TeamBFiresTowardsPositiveX) {
    scene.addPlayerWithTank(scene.world.teamB, -30.0f, 0.0f);
    scene.world.currentTeam = &scene.world.teamB;
    launchVolley(scene.world);
    expectNear(scene.world.shells[0]->position, -22.757, 8.493, 0.0);
    EXPECT_EQ(scene.world.shells[0]->heading, 180);
}

TEST_F(LaunchGeometry, TurnedTurretUsesTheUnreducedAzimuth) {
    // Heading 270 plus turret 180 is azimuth 450, the same direction as 90: towards +z.
    Tank& t = shooterA();
    t.heading = 270;
    t.turretAngle = 180;
    t.elevation = 0;
    launchVolley(scene.world);
    const Shell& s = *scene.world.shells[0];
    expectNear(s.position, 30.0, 4.25, 9.0);
    EXPECT_EQ(s.heading, 270);
    EXPECT_EQ(s.turretAngle, 180);
}

TEST(LaunchVolley, AllocationFailureLaunchesWhatItCouldAndKeepsTheTableConsistent) {
    CombatScene scene;
    Tank& t = scene.addPlayerWithTank(scene.world.teamA, 30.0f, 0.0f);
    t.cannonCount = 4;
    t.layOutCannons();
    int allowed = 2;
    const ShellAllocator scarce = [&]() -> std::unique_ptr<Shell> {
        return allowed-- > 0 ? std::make_unique<Shell>() : nullptr;
    };
    EXPECT_EQ(launchVolley(scene.world, scarce), 2);
    EXPECT_EQ(scene.world.shellsInFlight, 2);
    EXPECT_TRUE(scene.world.shells[0] && scene.world.shells[1]);
    EXPECT_FALSE(scene.world.shells[2]);
    // The launched shells still fly and end, and the turn passes once.
    scene.addPlayerWithTank(scene.world.teamB, -30.0f, 0.0f);
    scene.runVolley();
    EXPECT_EQ(scene.world.shellsInFlight, 0);
    EXPECT_EQ(scene.turnsPassed(), 1);
}

TEST(LaunchVolley, NeverOverfillsTheTableNorLaunchesWithoutATank) {
    CombatScene scene;
    EXPECT_EQ(launchVolley(scene.world), 0);  // no game yet
    Tank& t = scene.addPlayerWithTank(scene.world.teamA, 30.0f, 0.0f);
    t.cannonCount = 5;
    t.layOutCannons();
    scene.world.shells[0] = std::make_unique<Shell>();
    scene.world.shells[1] = std::make_unique<Shell>();
    scene.world.shellsInFlight = 2;
    EXPECT_EQ(launchVolley(scene.world), 3);
    EXPECT_EQ(scene.world.shellsInFlight, 5);
    EXPECT_EQ(launchVolley(scene.world), 0);
    EXPECT_EQ(scene.world.shellsInFlight, 5);
}

}  // namespace
