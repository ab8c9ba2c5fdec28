#include "combat/flight.h"
#include "combat/hits.h"
#include "combat/launch.h"
#include "combat/shields.h"
#include "combat/sounds.h"
#include "game/aim.h"

#include "fixtures.h"

#include <cmath>
#include <string>

namespace {

// A shell hanging still at (x, y, z): no speed, no time step.
Shell& hang(GameWorld& world, float x, float y, float z) {
    auto shell = std::make_unique<Shell>();
    shell->launchX = x;
    shell->launchY = y;
    shell->launchZ = z;
    updatePosition(*shell);
    Shell& added = *shell;
    world.shells[world.shellsInFlight++] = std::move(shell);
    return added;
}

// Both teams' tanks and prizes stacked on one spot: each shell takes the first target in
// the order team A's tanks, team B's tanks, team A's prize, team B's prize.
TEST(HitOrder, OneShellOnManyTargetsTakesTheFirstInTurnOrder) {
    CombatScene scene;
    GameWorld& w = scene.world;
    Tank& a = scene.addPlayerWithTank(w.teamA, 30, 0);
    Tank& b = scene.addPlayerWithTank(w.teamB, 30, 0);
    for (Team* team : {&w.teamA, &w.teamB}) {
        team->prize = std::make_unique<Prize>(w.random);
        team->prize->box = {28, 32, -2, 2, -2, 2};
    }
    std::string hits;
    for (int shot = 0; shot < 5; ++shot) {
        hang(w, 30, 1.5f, 0);
        scene.host.sounds.clear();
        updateShells(w, scene.host, scene.painter);
        hits += std::string(a.destroyed ? "A" : "-") + (b.destroyed ? "B" : "-") +
                (w.teamA.prize ? "-" : "a") + (w.teamB.prize ? "-" : "b") +
                std::to_string(scene.host.sounds.size()) + " ";
    }
    EXPECT_EQ(hits, "A---1 AB--1 ABa-1 ABab1 ABab0 ");
    EXPECT_EQ(w.shellsInFlight, 1);  // the last one found nothing and hangs on
}

TEST(HitTests, BoxThatOnlyTouchesATankDestroysItAndAShieldIsASphere) {
    CombatScene scene;
    Team& team = scene.world.teamA;
    Tank& t = scene.addPlayerWithTank(team, 0, 0);
    Shell shell;
    auto at = [&](float x, float y, float z) -> Shell& {
        shell.position = {x, y, z};
        shell.box = {x - 0.24f, x + 0.24f, y - 0.24f, y + 0.24f, z - 0.24f, z + 0.24f};
        return shell;
    };
    t.strongShields = 1;
    ASSERT_TRUE(activateShield(t, StrongShield));
    EXPECT_EQ(testTeamHit(at(0, 9.3f, 0), team), NoHit);
    EXPECT_EQ(testTeamHit(at(0, 9.2f, 0), team), ShieldHit);
    EXPECT_EQ(t.shieldStrength, 75.0f);
    EXPECT_EQ(testTeamHit(at(6, 5, 6), team), NoHit);  // in the box's corner, outside the bubble
    t.shieldActive = false;
    EXPECT_EQ(testTeamHit(at(-6.3f, 3, 0), team), NoHit);
    EXPECT_EQ(testTeamHit(at(-6.24f, 3, 0), team), TankDestroyed);  // touching counts
    EXPECT_TRUE(t.destroyed);
    EXPECT_EQ(testTeamHit(at(0, 3, 0), team), NoHit);  // a wreck is no target
}

// The shooter of team A at (60, 0, 0) lobs shells onto a team B tank at (-18.5, 0, 0).
class Volley : public ::testing::Test {
  protected:
    Volley() {
        shooter = &scene.addPlayerWithTank(scene.world.teamA, 60, 0);
        shooter->power = 25.0f;
        target = &scene.addPlayerWithTank(scene.world.teamB, -18.5f, 0);
        scene.addPlayerWithTank(scene.world.teamB, -100, 100);  // keeps B alive
    }
    // Fires and plays the volley out; returns the sounds after the cannon.
    std::vector<std::string> volley(int cannons = 1) {
        scene.world.currentTeam = &scene.world.teamA;
        shooter->cannonCount = cannons;
        shooter->layOutCannons();
        scene.host.sounds.clear();
        if (!fire(scene.world, scene.host))
            return {"refused"};
        scene.runVolley();
        return {scene.host.sounds.begin() + 1, scene.host.sounds.end()};
    }
    CombatScene scene;
    Tank* shooter = nullptr;
    Tank* target = nullptr;
};

TEST_F(Volley, UnshieldedTankIsDestroyedWithATauntAndTheShooterScores) {
    scene.world.random.seed(4);
    EXPECT_EQ(volley(), std::vector<std::string>{tauntTable[GameRandom(4).next() % 10]});
    EXPECT_TRUE(target->destroyed);
    EXPECT_EQ(shooter->kills, 1);
    EXPECT_EQ(scene.turnsPassed(), 1);
    EXPECT_EQ(scene.host.readoutChanges, 3);  // the mileage, the hit and the turn
}

TEST_F(Volley, EachShieldKindAbsorbsItsShareThenTheTankFalls) {
    for (int kind : {WeakShield, MediumShield, StrongShield}) {
        target->destroyed = false;
        shooter->kills = 0;
        target->weakShields = target->mediumShields = target->strongShields = 1;
        ASSERT_TRUE(activateShield(*target, kind));
        for (int i = 0; i < kind + 2; ++i) {
            EXPECT_EQ(volley().size(), 1u) << kind;
            EXPECT_FALSE(target->destroyed) << kind;
        }
        EXPECT_FALSE(target->shieldActive) << kind;
        volley();
        EXPECT_TRUE(target->destroyed) << kind;
        EXPECT_EQ(shooter->kills, 1) << kind;
    }
}

TEST_F(Volley, ThreeParallelShellsSpendAWeakShieldAndDestroyTheTank) {
    target->weakShields = 1;
    activateShield(*target, WeakShield);
    EXPECT_EQ(volley(3).size(), 3u);
    EXPECT_TRUE(target->destroyed);
    EXPECT_EQ(scene.turnsPassed(), 1);
}

TEST_F(Volley, TankThatShootsItselfIsDestroyedAndCreditedWithTheKill) {
    shooter->elevation = -80;
    shooter->power = 5.0f;
    volley();
    EXPECT_TRUE(shooter->destroyed);
    EXPECT_EQ(shooter->kills, 1);
    EXPECT_FALSE(target->destroyed);
}

// Where the muzzle puts each shell for the tank's heading, turret and cannons.
TEST(Launch, ShellsLeaveEachMuzzleInSlotOrder) {
    const struct {
        const char* what;
        bool teamB;
        int heading, turret, elevation, cannons;
        std::vector<Vec3> expected;
    } cases[] = {
        {"level barrel", false, 0, 0, 0, 1, {{21, 4.25f, 0}}},
        {"raised barrel", false, 0, 0, -45, 1, {{22.757f, 8.493f, 0}}},
        {"side by side",
         false,
         0,
         0,
         -45,
         2,
         {{22.757f, 8.493f, 0.425f}, {22.757f, 8.493f, -0.425f}}},
        {"team B towards +x", true, 180, 0, -45, 1, {{-22.757f, 8.493f, 0}}},
        {"azimuth 450 is 90", false, 270, 180, 0, 1, {{30, 4.25f, 9}}},
        {"turret 30", false, 0, 30, 0, 1, {{30 - 9 * 0.8660254f, 4.25f, 4.5f}}},
    };
    for (const auto& c : cases) {
        CombatScene scene;
        Team& team = c.teamB ? scene.world.teamB : scene.world.teamA;
        Tank& t = scene.addPlayerWithTank(team, c.teamB ? -30 : 30, 0);
        scene.world.currentTeam = &team;
        t.heading = c.heading;
        t.turretAngle = c.turret;
        t.elevation = c.elevation;
        t.cannonCount = c.cannons;
        t.layOutCannons();
        ASSERT_EQ(launchVolley(scene.world), c.cannons) << c.what;
        for (int i = 0; i < c.cannons; ++i) {
            const Shell& s = *scene.world.shells[i];
            const Vec3 want = c.expected[i];
            EXPECT_NEAR(s.position.x, want.x, 1e-3) << c.what;
            EXPECT_NEAR(s.position.y, want.y, 1e-3) << c.what;
            EXPECT_NEAR(s.position.z, want.z, 1e-3) << c.what;
            EXPECT_NEAR(s.box.xmin, want.x - 0.24f, 1e-3) << c.what;
            EXPECT_NEAR(s.box.ymax, want.y + 0.24f, 1e-3) << c.what;
            EXPECT_NEAR(s.box.zmin, want.z - 0.24f, 1e-3) << c.what;
            EXPECT_NEAR(s.horizontalSpeed, c.elevation ? 7.0711 : 10.0, 1e-4) << c.what;
            EXPECT_NEAR(s.verticalSpeed, c.elevation ? 7.0711 : 0.0, 1e-4) << c.what;
            EXPECT_EQ(s.corners[6], shellLayoutCorners(s.box)[6]) << c.what;
        }
    }
}

TEST(Launch, NeverOverfillsTheTableAndStopsWhereAllocationFails) {
    CombatScene scene;
    EXPECT_EQ(launchVolley(scene.world), 0);  // no game yet
    Tank& t = scene.addPlayerWithTank(scene.world.teamA, 30, 0);
    t.cannonCount = 5;
    t.layOutCannons();
    int allowed = 2;
    const ShellAllocator scarce = [&]() {
        return allowed-- > 0 ? std::make_unique<Shell>() : nullptr;
    };
    EXPECT_EQ(launchVolley(scene.world, scarce), 2);
    EXPECT_EQ(launchVolley(scene.world), 3);
    EXPECT_EQ(launchVolley(scene.world), 0);
    EXPECT_EQ(scene.world.shellsInFlight, 5);
}

// Team A fires from (30, 0, 0) towards -x; team B has a tank far away to take the turn.
class Flight : public ::testing::Test {
  protected:
    Flight() {
        shooter = &scene.addPlayerWithTank(scene.world.teamA, 30, 0);
        scene.addPlayerWithTank(scene.world.teamB, -100, 100);
    }
    void launch(int cannons = 1) {
        scene.world.currentTeam = &scene.world.teamA;
        shooter->cannonCount = cannons;
        shooter->layOutCannons();
        ASSERT_EQ(launchVolley(scene.world), cannons);
    }
    CombatScene scene;
    Tank* shooter = nullptr;
};

// Drawn after every step and once more where it sank; never at the muzzle.
TEST_F(Flight, RaisedShotEndsInFrame56AndFlatShotInFrame24) {
    const struct {
        int elevation, frames;
        double firstX, lastX;
    } cases[] = {{-45, 56, 22.474, 6.918}, {0, 24, 20.6, 11.4}};
    for (const auto& c : cases) {
        scene.painter.positions.clear();
        shooter->elevation = c.elevation;
        launch();
        EXPECT_EQ(scene.runVolley(), c.frames);
        ASSERT_EQ(scene.painter.positions.size(), static_cast<size_t>(c.frames));
        EXPECT_NEAR(scene.painter.positions[0].x, c.firstX, 1e-3);
        EXPECT_NEAR(scene.painter.positions.back().x, c.lastX, 1e-3);
        EXPECT_LE(scene.painter.positions.back().y, 0.0f);
        EXPECT_GT(scene.painter.positions[c.frames - 2].y, 0.0f);
    }
    EXPECT_EQ(scene.host.sounds, std::vector<std::string>{});  // the floor ends shells silently
}

TEST_F(Flight, LaterShellMovesDownAndStillFliesInTheFrameTheFirstEnds) {
    launch(2);
    Shell* second = scene.world.shells[1].get();
    scene.world.shells[0]->verticalSpeed = 0.0;  // slot 0 lands long before slot 1
    while (scene.world.shellsInFlight == 2) {
        scene.painter.positions.clear();
        updateShells(scene.world, scene.host, scene.painter);
    }
    EXPECT_EQ(scene.world.shells[0].get(), second);
    EXPECT_EQ(scene.painter.positions.size(), 2u);
    EXPECT_EQ(scene.painter.positions[1], second->position);
    EXPECT_EQ(scene.turnsPassed(), 0);
}

TEST_F(Flight, BarrierStopsAShellTouchingItsTopButNotOnePassingAbove) {
    shooter->power = 20.0f;
    launch();
    // The lowest the shell's box comes while it spans the barrier's x range.
    Shell probe = *scene.world.shells[0];
    float lowest = 1e9f;
    int frameOver = 0;
    for (int f = 1; f < 200; ++f) {
        probe.flightTime = f * 0.04;
        updatePosition(probe);
        if (probe.box.xmin <= 0.5f && probe.box.xmax >= -0.5f && probe.box.ymin < lowest) {
            lowest = probe.box.ymin;
            frameOver = f;
        }
    }
    ASSERT_GT(lowest, 1.0f);
    scene.world.arena.barrierHeight = std::nextafter(lowest, 0.0f);
    scene.world.arena.rebuild();
    EXPECT_GT(scene.runVolley(), frameOver);  // flew over and on
    launch();
    scene.world.arena.barrierHeight = lowest;  // touches the top face
    scene.world.arena.rebuild();
    EXPECT_EQ(scene.runVolley(), frameOver);
    EXPECT_EQ(scene.turnsPassed(), 2);
}

TEST_F(Flight, PausedPaintingDrawsEveryShellWithoutMovingIt) {
    launch(3);
    const Vec3 before = scene.world.shells[2]->position;
    paintShellsPaused(scene.world, scene.painter);
    EXPECT_EQ(scene.painter.positions.size(), 3u);
    EXPECT_EQ(scene.painter.positions[2], before);
    EXPECT_EQ(scene.world.shells[2]->position, before);
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
    EXPECT_EQ(world.shells[1].get(), kept[2]);
    EXPECT_FALSE(world.shells[2]);
}

}  // namespace
