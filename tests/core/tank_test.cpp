// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of a tank's moves: stopping short of team mates, firing, and cannon prizes.
#include "combat/firing.h"
#include "combat/shields.h"
#include "combat/sounds.h"
#include "game/aim.h"
#include "game/arena.h"
#include "game/drive.h"
#include "game/prizes.h"
#include "game/turns.h"
#include "resources/asset_catalog.h"

#include "fixtures.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

// Team A's player holds the current tank; team B one tank far away.
class TankActions : public ::testing::Test, protected CombatScene {
  protected:
    TankActions() : CombatScene(60.0f), player(addPlayer(world.teamA)) {}
    Tank& current(float x, float z) {
        return *(player.currentTank = &addTank(world.teamA, player, x, z));
    }
    Player& player;
    Tank* enemy = &addPlayerWithTank(world.teamB, -30, -40);
};

// Team mates 12.5 and 12.8 ahead or behind in each heading: the step stops 0.01 short of the
// nearer (the simulated games show the divider and the floor's edge doing the same).
TEST_F(TankActions, StepsStopAHundredthShortOfATeamMateInEveryHeading) {
    const struct {
        int heading;
        float dx, dz;
    } ways[] = {{0, -1, 0}, {90, 0, 1}, {180, 1, 0}, {270, 0, -1}, {360, -1, 0}};
    Tank& far = addTank(world.teamA, player, 0, 0);  // first in the roster, 0.3 beyond the mate
    Tank& mate = addTank(world.teamA, player, 0, 0);
    Tank& tank = current(30, 0);
    for (const auto& w : ways) {
        for (float way : {1.0f, -1.0f}) {
            tank.heading = w.heading;
            tank.mileage = 0;
            moveTank(tank, 30, 0);
            moveTank(mate, 30 + way * w.dx * 12.5f, way * w.dz * 12.5f);
            moveTank(far, 30 + way * w.dx * 12.8f, way * w.dz * 12.8f);
            way > 0 ? driveForward(world, host) : driveBackward(world, host);
            // The position, the 12-unit footprint and its corners all moved together.
            const float x = 30 + way * w.dx * 0.49f, z = way * w.dz * 0.49f;
            const float got[] = {tank.position.x,   tank.position.z,       tank.box.xmin + 6,
                                 tank.box.zmax - 6, tank.corners[6].x - 6, tank.corners[6].z + 6};
            for (int i = 0; i < 6; ++i)
                EXPECT_NEAR(got[i], i % 2 ? z : x, 1e-4) << w.heading << " " << way << " " << i;
        }
    }
    tank.mileage = Tank::maxMileage;  // a refused step still refreshes the readouts
    driveForward(world, host);
    EXPECT_EQ(host.readoutChanges, 11);
}

// Fire is refused while shells fly, with a full table or without power; a volley that
// launches nothing still passes the turn.
// A step over the floor's edge ends flush with it, on each side the tank can reach.
TEST_F(TankActions, StepsOverTheFloorsEdgeEndFlushWithIt) {
    const float edge = world.arena.halfSide - Tank::footprintHalf;
    const struct {
        int heading;
        float x, z;
    } ways[] = {{180, edge - 0.5f, 0}, {90, 30, edge - 0.5f}, {270, 30, 0.5f - edge}};
    Tank& tank = current(0, 0);
    for (const auto& w : ways) {
        tank.heading = w.heading;
        tank.mileage = 0;
        moveTank(tank, w.x, w.z);
        driveForward(world, host);
        EXPECT_EQ(std::max(std::fabs(tank.position.x), std::fabs(tank.position.z)), edge)
            << w.heading;
        EXPECT_EQ(tank.box.xmax - tank.box.xmin, 2 * Tank::footprintHalf) << w.heading;
    }
}

TEST_F(TankActions, FiringNeedsPowerAndRoomAndAlwaysPassesTheTurn) {
    Tank& tank = current(30, 0);
    for (int refusal = 0; refusal < 3; ++refusal) {  // flying, a full table, no power
        world.shotInProgress = refusal == 0;
        world.shellsInFlight = refusal == 1 ? shellSlotCount : 0;
        tank.power = refusal == 2 ? 0.0f : 10.0f;
        EXPECT_FALSE(fire(world, host)) << refusal;
    }
    EXPECT_TRUE(host.sounds.empty());
    tank.power = 10.0f;
    tank.cannonCount = 0;
    ASSERT_TRUE(fire(world, host));
    EXPECT_EQ(world.currentTank(), enemy);
}

// A full tank refuses the cannon prize (every other pickup shows in the simulated games).
TEST_F(TankActions, DrivingForwardOntoACannonPrizeAddsACannonUpToFive) {
    Tank& tank = current(30, 0);
    for (int before : {5, 1}) {
        tank.cannonCount = before;
        moveTank(tank, 30, 0);
        world.teamA.prize = std::make_unique<Prize>(world.random);
        world.teamA.prize->kind = CannonPrize;
        world.teamA.prize->box = {20.5f, 24.5f, -2, 2, -2, 2};  // reached by the next step
        driveForward(world, host);
        EXPECT_EQ(world.teamA.prize, nullptr);
    }
    EXPECT_EQ(host.messages.front().text, "Sorry. Your tank can't hold any more cannons.");
    EXPECT_EQ(tank.cannonCount, 2);
    ShieldsDialog none(world), noGame(nullptr);  // nothing held, or no game: all locked
    for (ShieldsDialog* d : {&none, &noGame})
        EXPECT_EQ(std::to_string(d->checkedChoice() * 10 + d->activateEnabled()) + d->choiceText(2),
                  "-10Strong Shield (0 left)");
    EXPECT_EQ(shieldCapacity(9), 0.1f);  // an unknown kind cannot divide by zero
    // Each face's corners centre on the side its unit normal points to: the prize's cube and the
    // same cube as a wall.
    const PrizeModel cube;
    SceneBox wall;
    wall.build({-2, 2, -2, 2, -2, 2});
    for (int f = 0; f < 12; ++f) {
        const Corners& corners = f < 6 ? cube.vertices : wall.corners;
        Vec3 sum, n = (f < 6 ? cube.normals : wall.normals)[f % 6];
        for (std::int32_t i : (f < 6 ? cube.faces : wall.faces)[f % 6])
            sum = {sum.x + corners[i].x, sum.y + corners[i].y, sum.z + corners[i].z};
        EXPECT_EQ(sum, (Vec3{8 * n.x, 8 * n.y, 8 * n.z})) << f;
    }
}

}  // namespace
