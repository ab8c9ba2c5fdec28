#include <gtest/gtest.h>

#include "combat/launch.h"
#include "tests/core/fixtures.h"

namespace {

// Where the muzzle puts each shell for the tank's heading, turret and cannons.
TEST(LaunchGeometry, ShellsLeaveEachMuzzleInSlotOrderWithTheirBoxesAroundThem) {
    struct Case {
        const char* what;
        bool teamB;
        int heading, turret, elevation, cannons;
        float tankX, tankZ;
        std::vector<Vec3> expected;
    };
    const Case cases[] = {
        {"level barrel fires flat from pivot height", false, 0, 0, 0, 1, 30, 0, {{21, 4.25f, 0}}},
        {"raised barrel", false, 0, 0, -45, 1, 30, 0, {{22.757f, 8.493f, 0}}},
        {"cannons side by side", false, 0, 0, -45, 2, 30, 10,
         {{22.757f, 8.493f, 10.425f}, {22.757f, 8.493f, 9.575f}}},
        {"team B fires towards +x", true, 180, 0, -45, 1, -30, 0, {{-22.757f, 8.493f, 0}}},
        // Heading 270 plus turret 180 is azimuth 450, the same direction as 90: towards +z.
        {"unreduced azimuth", false, 270, 180, 0, 1, 30, 0, {{30, 4.25f, 9}}},
    };
    for (const Case& c : cases) {
        CombatScene scene;
        Team& team = c.teamB ? scene.world.teamB : scene.world.teamA;
        Tank& t = scene.addPlayerWithTank(team, c.tankX, c.tankZ);
        scene.world.currentTeam = &team;
        t.heading = c.heading;
        t.turretAngle = c.turret;
        t.elevation = c.elevation;
        t.cannonCount = c.cannons;
        t.layOutCannons();
        ASSERT_EQ(launchVolley(scene.world), c.cannons) << c.what;
        for (int i = 0; i < c.cannons; ++i) {
            const Shell& s = *scene.world.shells[i];
            EXPECT_NEAR(s.position.x, c.expected[i].x, 1e-3) << c.what << " slot " << i;
            EXPECT_NEAR(s.position.y, c.expected[i].y, 1e-3) << c.what << " slot " << i;
            EXPECT_NEAR(s.position.z, c.expected[i].z, 1e-3) << c.what << " slot " << i;
            EXPECT_EQ(s.heading, c.heading);
            EXPECT_NEAR(s.horizontalSpeed, c.elevation ? 7.0711 : 10.0, 1e-4) << c.what;
            EXPECT_NEAR(s.verticalSpeed, c.elevation ? 7.0711 : 0.0, 1e-4) << c.what;
            EXPECT_DOUBLE_EQ(s.launchY, s.position.y) << c.what;
            EXPECT_EQ(s.lateralOffset, t.cannons[i].lateralOffset);
            EXPECT_NEAR(s.box.xmin, s.position.x - 0.24, 1e-4) << c.what;
            EXPECT_NEAR(s.box.zmax, s.position.z + 0.24, 1e-4) << c.what;
            EXPECT_EQ(s.corners[6], shellLayoutCorners(s.box)[6]) << c.what;
        }
    }
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
