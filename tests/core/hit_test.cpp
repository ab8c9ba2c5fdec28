#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>

#include "combat/hits.h"
#include "combat/launch.h"
#include "combat/shields.h"
#include "combat/sounds.h"
#include "tests/core/fixtures.h"

namespace {

Shell shellAt(float x, float y, float z) {
    Shell s;
    s.position = {x, y, z};
    s.box = {x - 0.24f, x + 0.24f, y - 0.24f, y + 0.24f, z - 0.24f, z + 0.24f};
    return s;
}

bool isTaunt(const std::string& name) {
    return std::find(std::begin(tauntTable), std::end(tauntTable), name) != std::end(tauntTable);
}

class HitTests : public ::testing::Test {
  protected:
    CombatScene scene;
    Team& teamA = scene.world.teamA;
};

TEST_F(HitTests, BoxThatOnlyTouchesATankDestroysItOnce) {
    Tank& t = scene.addPlayerWithTank(teamA, 0.0f, 0.0f);
    const Shell touching = shellAt(-6.24f, 3.0f, 0.0f);  // xmax on the tank's xmin
    ASSERT_EQ(touching.box.xmax, t.box.xmin);
    EXPECT_EQ(testTeamHit(shellAt(-6.3f, 3.0f, 0.0f), teamA), NoHit);
    EXPECT_EQ(testTeamHit(touching, teamA), TankDestroyed);
    EXPECT_TRUE(t.destroyed);
    EXPECT_EQ(testTeamHit(shellAt(0.0f, 3.0f, 0.0f), teamA), NoHit);  // no target any more
}

TEST_F(HitTests, ShieldIsASphereAroundTheTankAndReplacesItsBox) {
    Tank& t = scene.addPlayerWithTank(teamA, 0.0f, 0.0f);
    t.strongShields = 1;
    ASSERT_TRUE(activateShield(t, StrongShield));
    EXPECT_EQ(testTeamHit(shellAt(0.0f, 9.3f, 0.0f), teamA), NoHit);
    EXPECT_EQ(testTeamHit(shellAt(0.0f, 9.0f, 0.0f), teamA), ShieldHit);
    EXPECT_EQ(t.shieldStrength, 75.0f);
    // In the box's corner but 9.85 from the centre: outside the bubble, and the box is not tested.
    const Shell corner = shellAt(6.0f, 5.0f, 6.0f);
    EXPECT_EQ(testTeamHit(corner, teamA), NoHit);
    t.shieldActive = false;
    EXPECT_EQ(testTeamHit(corner, teamA), TankDestroyed);
}

TEST_F(HitTests, FirstTankInRosterOrderTakesTheShell) {
    Tank& first = scene.addPlayerWithTank(teamA, 20.0f, 0.0f);
    Tank& second = scene.addTank(teamA, *teamA.firstPlayer, 30.0f, 0.0f);
    Tank& otherPlayers = scene.addPlayerWithTank(teamA, 25.0f, 0.0f);
    const Shell between = shellAt(25.0f, 3.0f, 0.0f);
    EXPECT_EQ(testTeamHit(between, teamA), TankDestroyed);
    EXPECT_TRUE(first.destroyed);
    EXPECT_FALSE(second.destroyed);
    EXPECT_EQ(testTeamHit(between, teamA), TankDestroyed);
    EXPECT_TRUE(second.destroyed);
    EXPECT_FALSE(otherPlayers.destroyed);
}

// The shooter of team A at (60, 0, 0) lobs shells onto a team B tank at (-18.5, 0, 0).
class VolleyHits : public ::testing::Test {
  protected:
    void SetUp() override {
        shooter = &scene.addPlayerWithTank(scene.world.teamA, 60.0f, 0.0f);
        shooter->power = 25.0f;
        target = &scene.addPlayerWithTank(scene.world.teamB, -18.5f, 0.0f);
        scene.addPlayerWithTank(scene.world.teamB, -100.0f, 100.0f);  // keeps B alive
    }
    // One volley from the shooter, played out; returns the sounds it requested.
    std::vector<std::string> volley(int cannons = 1) {
        scene.world.currentTeam = &scene.world.teamA;
        shooter->cannonCount = cannons;
        shooter->layOutCannons();
        scene.host.sounds.clear();
        launchVolley(scene.world);
        scene.runVolley();
        return scene.host.sounds;
    }
    bool oneTaunt(int cannons = 1) {
        const auto sounds = volley(cannons);
        return sounds.size() == 1u && isTaunt(sounds[0]);
    }
    CombatScene scene;
    Tank* shooter = nullptr;
    Tank* target = nullptr;
};

TEST_F(VolleyHits, UnshieldedTankIsDestroyedWithATauntAndTheShooterScores) {
    EXPECT_TRUE(oneTaunt());
    EXPECT_TRUE(target->destroyed);
    EXPECT_EQ(shooter->kills, 1);
    EXPECT_EQ(scene.turnsPassed(), 1);
    EXPECT_EQ(scene.host.readoutChanges, 2);  // the hit's repaint and the turn's
    // The shell is never drawn where it hit: the last drawn point lies outside the tank.
    const Vec3 last = scene.painter.positions.back();
    EXPECT_TRUE(last.x > target->box.xmax + 0.24f || last.y > target->box.ymax + 0.24f);
}

class ShieldAbsorbs : public VolleyHits, public ::testing::WithParamInterface<int> {};

TEST_P(ShieldAbsorbs, ItsShareOfShellsThenTheTankFalls) {
    const int kind = GetParam();
    const int absorbs = kind + 2;  // weak 2, medium 3, strong 4
    target->weakShields = target->mediumShields = target->strongShields = 1;
    ASSERT_TRUE(activateShield(*target, kind));
    for (int i = 0; i < absorbs; ++i) {
        ASSERT_TRUE(target->shieldActive) << "shell " << i;
        EXPECT_TRUE(oneTaunt());
        EXPECT_FALSE(target->destroyed);
    }
    EXPECT_FALSE(target->shieldActive);
    EXPECT_EQ(target->shieldStrength, 0.0f);
    EXPECT_EQ(shooter->kills, 0);
    volley();
    EXPECT_TRUE(target->destroyed);
    EXPECT_EQ(shooter->kills, 1);
}

INSTANTIATE_TEST_SUITE_P(EachKind, ShieldAbsorbs, ::testing::Values(0, 1, 2));

TEST_F(VolleyHits, ShieldTakesEveryShellOfAVolleyAndSpentShieldLetsTheRestThrough) {
    target->weakShields = 1;
    activateShield(*target, WeakShield);
    volley(3);  // parallel shells: two spend the shield, the third destroys the tank
    EXPECT_TRUE(target->destroyed);
    EXPECT_EQ(scene.host.sounds.size(), 3u);
    EXPECT_EQ(scene.turnsPassed(), 1);
}

TEST_F(VolleyHits, PrizeThatIsHitIsDeletedWithATaunt) {
    target->placed = false;
    CombatScene::moveTank(*target, -100.0f, -100.0f);
    scene.world.teamB.prize = std::make_unique<Prize>(scene.world.random);
    Prize& prize = *scene.world.teamB.prize;
    prize.position = {-16.0f, 0.0f, 0.0f};
    prize.box = {-18.0f, -14.0f, -2.0f, 2.0f, -2.0f, 2.0f};
    EXPECT_TRUE(oneTaunt());
    EXPECT_FALSE(scene.world.teamB.prize);
    EXPECT_EQ(shooter->kills, 0);
}

TEST_F(VolleyHits, TankThatShootsItselfIsDestroyedAndCreditedWithTheKill) {
    shooter->elevation = -80;
    shooter->power = 5.0f;
    volley();
    EXPECT_TRUE(shooter->destroyed);
    EXPECT_EQ(shooter->kills, 1);
    EXPECT_FALSE(target->destroyed);
    EXPECT_EQ(scene.world.currentTeam, &scene.world.teamB);
}

}  // namespace
