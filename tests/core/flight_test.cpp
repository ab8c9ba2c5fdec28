#include <gtest/gtest.h>

#include <cmath>

#include "combat/flight.h"
#include "combat/launch.h"
#include "combat/sounds.h"
#include "game/aim.h"
#include "tests/core/fixtures.h"

namespace {

// Team A fires from (30, 0, 0) towards -x; team B has a tank far away to take the turn.
class ShellFlight : public ::testing::Test {
  protected:
    void SetUp() override {
        shooter = &scene.addPlayerWithTank(scene.world.teamA, 30.0f, 0.0f);
        scene.addPlayerWithTank(scene.world.teamB, -100.0f, 100.0f);
        scene.world.currentTeam = &scene.world.teamA;
        scene.world.shotInProgress = true;
    }
    void fire(int cannons = 1) {
        shooter->cannonCount = cannons;
        shooter->layOutCannons();
        ASSERT_EQ(launchVolley(scene.world), cannons);
    }
    CombatScene scene;
    Tank* shooter = nullptr;
};

// The shell is first drawn one step after launch and once more where it sank.
TEST_F(ShellFlight, RaisedShotEndsInFrame56AndFlatShotInFrame24) {
    const struct {
        int elevation, frames;
        double lastX;
    } cases[] = {{-45, 56, 6.918}, {0, 24, 11.4}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.elevation);
        scene.painter.clear();
        scene.world.currentTeam = &scene.world.teamA;
        shooter->elevation = c.elevation;
        fire();
        const Shell* shell = scene.world.shells[0].get();
        updateShells(scene.world, scene.host, scene.painter);
        EXPECT_DOUBLE_EQ(shell->flightTime, 0.04);
        EXPECT_EQ(1 + scene.runVolley(), c.frames);
        ASSERT_EQ(scene.painter.positions.size(), static_cast<size_t>(c.frames));
        const Vec3 last = scene.painter.positions.back();
        EXPECT_NEAR(last.x, c.lastX, 1e-3);
        EXPECT_EQ(last.z, 0.0f);
        EXPECT_LE(last.y, 0.0f);
        EXPECT_GT(scene.painter.positions[c.frames - 2].y, 0.0f);
        EXPECT_FALSE(scene.world.shells[0]);
    }
    EXPECT_LT(scene.painter.positions[0].x, 22.757f);  // not drawn at the muzzle
}

TEST_F(ShellFlight, PathIsClosedFormSoItDoesNotDependOnHowOftenItIsEvaluated) {
    fire();
    Shell once = *scene.world.shells[0];
    once.flightTime = 1.0;
    updatePosition(once);
    Shell stepped = *scene.world.shells[0];
    for (int i = 0; i < 25; ++i) {
        stepped.flightTime += 0.04;
        updatePosition(stepped);
    }
    EXPECT_NEAR(stepped.position.x, once.position.x, 1e-4);
    EXPECT_NEAR(stepped.position.y, once.position.y, 1e-4);
    EXPECT_NEAR(once.position.y, 8.4926 + 7.0711 - 4.905, 1e-3);
    EXPECT_NEAR(once.box.ymin, once.position.y - 0.24, 1e-4);  // the box moves with it
    EXPECT_EQ(once.corners[0].y, shellLayoutCorners(once.box)[0].y);
}

TEST_F(ShellFlight, LaterShellMovesDownAndStillFliesInTheFrameTheFirstEnds) {
    fire(2);
    Shell* second = scene.world.shells[1].get();
    scene.world.shells[0]->verticalSpeed = 0.0;  // slot 0 lands long before slot 1
    int frames = 0;
    for (; scene.world.shellsInFlight == 2; ++frames) {
        scene.painter.clear();
        updateShells(scene.world, scene.host, scene.painter);
    }
    ASSERT_EQ(scene.world.shellsInFlight, 1);
    EXPECT_EQ(scene.world.shells[0].get(), second);
    EXPECT_FALSE(scene.world.shells[1]);
    ASSERT_EQ(scene.painter.painted.size(), 2u);  // both drawn in that frame
    EXPECT_EQ(scene.painter.painted[1], second);
    EXPECT_NEAR(second->flightTime, frames * 0.04, 1e-9);
    EXPECT_EQ(scene.turnsPassed(), 0);
}

TEST_F(ShellFlight, FiveShellVolleyEndingInOneFrameSoundsOnceAndPassesTheTurnOnce) {
    shooter->cannonCount = 5;
    shooter->layOutCannons();
    scene.world.shotInProgress = false;
    ASSERT_TRUE(::fire(scene.world, scene.host));
    EXPECT_EQ(scene.world.shellsInFlight, 5);
    EXPECT_EQ(scene.runVolley(), 56);
    EXPECT_EQ(scene.turnsPassed(), 1);
    EXPECT_EQ(scene.world.currentTeam, &scene.world.teamB);
    EXPECT_FALSE(scene.world.shotInProgress);
    // The cannon once for the volley; the floor ends shells silently.
    EXPECT_EQ(scene.host.sounds, std::vector<std::string>{cannonSoundFile});
}

TEST_F(ShellFlight, BarrierStopsAShellTouchingItsTopButNotOnePassingAbove) {
    shooter->power = 20.0f;
    fire();
    // The lowest the shell's box comes while it spans the barrier's x range.
    Shell probe = *scene.world.shells[0];
    float lowest = 1e9f;
    int frameOver = 0;
    for (int f = 1; f < 1000; ++f) {
        probe.flightTime = f * 0.04;
        updatePosition(probe);
        if (probe.box.xmin <= 0.5f && probe.box.xmax >= -0.5f && probe.box.ymin < lowest) {
            lowest = probe.box.ymin;
            frameOver = f;
        }
    }
    ASSERT_GT(lowest, 1.0f);

    scene.setBarrierHeight(std::nextafter(lowest, 0.0f));
    EXPECT_GT(scene.runVolley(), frameOver);  // flew over and on

    scene.world.currentTeam = &scene.world.teamA;
    scene.painter.clear();
    fire();
    scene.setBarrierHeight(lowest);  // touches the top face
    EXPECT_EQ(scene.runVolley(), frameOver);
    EXPECT_EQ(static_cast<int>(scene.painter.positions.size()), frameOver);
    EXPECT_TRUE(scene.host.sounds.empty());
    EXPECT_EQ(scene.turnsPassed(), 2);
}

TEST_F(ShellFlight, ShellBeyondTheFloorEdgeFliesOnUntilItSinks) {
    scene.world.arena.halfSide = 60.0f;
    scene.world.arena.rebuild();
    shooter->heading = 90;  // towards +z, off the floor after 30 units
    shooter->power = 30.0f;
    fire();
    scene.runVolley();
    EXPECT_GT(scene.painter.positions.back().z, 60.0f);
    EXPECT_LE(scene.painter.positions.back().y, 0.0f);
}

TEST_F(ShellFlight, PausedPaintingDrawsEveryShellWithoutMovingIt) {
    fire(3);
    updateShells(scene.world, scene.host, scene.painter);
    const Vec3 before = scene.world.shells[2]->position;
    scene.painter.clear();
    for (int i = 0; i < 10; ++i)
        paintShellsPaused(scene.world, scene.painter);
    EXPECT_EQ(scene.painter.painted.size(), 30u);
    EXPECT_EQ(scene.world.shells[2]->position, before);
    EXPECT_EQ(scene.world.shellsInFlight, 3);
}

TEST(RemoveShell, ClosesTheGapAndIgnoresSlotsOutOfUse) {
    GameWorld world;
    Shell* kept[3];
    for (int i = 0; i < 3; ++i)
        kept[i] = (world.shells[i] = std::make_unique<Shell>()).get();
    world.shellsInFlight = 3;
    removeShell(world, 3);
    removeShell(world, -1);
    removeShell(world, 1);
    EXPECT_EQ(world.shellsInFlight, 2);
    EXPECT_EQ(world.shells[0].get(), kept[0]);
    EXPECT_EQ(world.shells[1].get(), kept[2]);
    for (int i = 0; i < 3; ++i)
        removeShell(world, 0);
    EXPECT_EQ(world.shellsInFlight, 0);
    for (const auto& slot : world.shells)
        EXPECT_FALSE(slot);
}

}  // namespace
