// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of shells: hits in turn order, shields as worn spheres, the shell table and the barrier.
#include "combat/flight.h"
#include "combat/hits.h"
#include "combat/launch.h"
#include "combat/shields.h"
#include "game/aim.h"

#include "fixtures.h"

#include <cmath>
#include <string>

namespace {

// Both teams' tanks and prizes stacked on one spot: each shell takes the first target in
// the order team A's tanks, team B's tanks, team A's prize, team B's prize.
TEST(Hits, OneShellOnManyTargetsTakesTheFirstInTurnOrder) {
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
        auto& shell = w.shells[w.shellsInFlight++] = std::make_unique<Shell>();
        shell->launchX = 30, shell->launchY = 1.5, updatePosition(*shell);  // hanging still
        scene.host.sounds.clear();
        const SeenShells seen = updateShells(w, scene.host);
        hits += std::string(a.destroyed ? "A" : "-") + (b.destroyed ? "B" : "-") +
                (w.teamA.prize ? "-" : "a") + (w.teamB.prize ? "-" : "b") +
                std::to_string(scene.host.sounds.size()) + std::to_string(seen.count) + " ";
    }
    // A shell that hits is not seen again; the one that meets nothing is.
    EXPECT_EQ(hits, "A---10 AB--10 ABa-10 ABab10 ABab01 ");
    EXPECT_EQ(w.shellsInFlight, 1);  // the last one found nothing and hangs on
}

TEST(Hits, BoxThatOnlyTouchesATankDestroysItAndAShieldIsASphereWornByTwentyFive) {
    CombatScene scene;
    Team& team = scene.world.teamA;
    Tank& t = scene.addPlayerWithTank(team, 0, 0);
    Shell shell;
    auto at = [&](float x, float y, float z) -> Shell& {
        shell.position = {x, y, z};
        shell.box = {x - 0.24f, x + 0.24f, y - 0.24f, y + 0.24f, z - 0.24f, z + 0.24f};
        return shell;
    };
    t.weakShields = t.mediumShields = t.strongShields = 1;
    const struct {
        int kind, hits;
    } kinds[] = {{StrongShield, 4}, {MediumShield, 3}, {WeakShield, 2}};
    for (const auto& k : kinds) {
        ASSERT_TRUE(activateShield(t, k.kind));
        EXPECT_EQ(testTeamHit(at(0, 9.3f, 0), team), NoHit);
        EXPECT_EQ(testTeamHit(at(6, 5, 6), team), NoHit);  // in the box's corner, outside
        for (int i = 1; i <= k.hits; ++i) {
            EXPECT_EQ(testTeamHit(at(0, 9.2f, 0), team), ShieldHit) << k.kind;
            EXPECT_EQ(t.shieldActive ? t.shieldStrength : 0, 25 * (k.hits - i)) << k.kind;
        }
    }
    EXPECT_FALSE(activateShield(t, WeakShield));  // none left
    EXPECT_EQ(testTeamHit(at(-6.3f, 3, 0), team), NoHit);
    EXPECT_EQ(testTeamHit(at(-6.24f, 3, 0), team), TankDestroyed);  // touching counts
    EXPECT_EQ(testTeamHit(at(0, 3, 0), team), NoHit);               // a wreck is no target
}

// Team A fires from (30, 0, 0) towards -x; team B has a tank far away to take the turn.
class Flight : public ::testing::Test, protected CombatScene {
  protected:
    Tank& shooter = addPlayerWithTank(world.teamA, 30, 0);
    Tank& other = addPlayerWithTank(world.teamB, -100, 100);
};

TEST_F(Flight, TableNeverOverfillsAndAVolleyStopsWhereAllocationFails) {
    GameWorld empty;
    EXPECT_EQ(launchVolley(empty), 0);  // no game yet
    shooter.cannonCount = 5;
    int allowed = 2;
    const ShellAllocator scarce = [&]() {
        return allowed-- > 0 ? std::make_unique<Shell>() : nullptr;
    };
    EXPECT_EQ(launchVolley(world, scarce), 2);
    EXPECT_EQ(launchVolley(world), 3);
    EXPECT_EQ(launchVolley(world), 0);
    EXPECT_EQ(world.shellsInFlight, 5);
}

TEST_F(Flight, BarrierStopsAShellTouchingItsTopButNotOnePassingAbove) {
    shooter.power = 20.0f;
    ASSERT_EQ(launchVolley(world), 1);
    // The lowest the shell's box comes while it spans the barrier's x range.
    Shell probe = *world.shells[0];
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
    world.arena.barrierHeight = std::nextafter(lowest, 0.0f);
    world.arena.rebuild();
    EXPECT_GT(runVolley(), frameOver);  // flew over and on
    world.currentTeam = &world.teamA;
    ASSERT_EQ(launchVolley(world), 1);
    world.arena.barrierHeight = lowest;  // touches the top face
    world.arena.rebuild();
    EXPECT_EQ(runVolley(), frameOver);
    EXPECT_EQ(host.buttonStates, (std::vector<bool>{true, true}));  // both turns passed
}

}  // namespace
