// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of ComputerTurn: the plan's moves in order, the shot's timing, pausing and stopping.
#include "app/computer_turn.h"
#include "combat/shields.h"
#include "tests/core/fixtures.h"

#include <cstdio>

namespace {

using A = TankAction;

// A game whose first tank is a computer player's, its turn driven at 60 frames a second.
struct ComputerTurnTest : ::testing::Test {
    GameWorld world;
    RecordingHost host;
    TurnPlan plan;
    ComputerTurn turn{[this](const GameWorld&) { return plan; }};
    double now = 100.0;
    double shotAt = -1.0;  // seconds into the last frames() call

    void newGame(PlayerControl control) {
        runNewGame(world, host);
        world.teamA.firstPlayer->control = control;
        host = RecordingHost{};
    }
    // Power, elevation and turret after each frame that changed them, until the shot.
    std::vector<std::string> frames(double seconds, bool paused = false) {
        std::vector<std::string> seen{"10.0 -45 0"};
        for (double start = now; now - start < seconds && !world.shotInProgress;
             now += 1.0 / 60.0) {
            turn.update(now, true, paused, world, host);
            const Tank& t = *world.currentTank();
            char text[48];
            std::snprintf(text, sizeof text, "%.1f %d %d", double(t.power), t.elevation,
                          t.turretAngle);
            shotAt = world.shotInProgress ? now - start : shotAt;
            if (!world.shotInProgress && seen.back() != text)
                seen.push_back(text);
        }
        return {seen.begin() + 1, seen.end()};
    }
};

TEST_F(ComputerTurnTest, PlanLandsInOrderFiresTwoToFourSecondsInAndPausesOrStopsWithTheGame) {
    const struct {
        std::vector<A> actions;
        std::vector<std::string> seen;  // only the last one for the long plan
    } cases[] = {
        {{A::Fire, A::PowerUp}, {}},
        {{A::PowerUp, A::RaiseCannon, A::TurretClockwise, A::PowerDownFine,
          A::TurretCounterClockwise},
         {"11.0 -45 0", "11.0 -46 0", "11.0 -46 359", "10.9 -46 359", "10.9 -46 360"}},
        {std::vector<A>(400, A::TurretCounterClockwise), {"10.0 -45 40"}},
    };
    for (const auto& c : cases) {
        newGame(PlayerControl::ComputerHard);
        plan.actions = c.actions;
        const std::vector<std::string> seen = frames(6.0);
        ASSERT_TRUE(world.shotInProgress);
        EXPECT_TRUE(shotAt > 1.99 && shotAt <= 4.0) << shotAt;
        EXPECT_EQ(c.actions.size() > 100 ? std::vector<std::string>{seen.back()} : seen, c.seen);
        EXPECT_LT(seen.size(), 300u);  // a long plan takes several moves a frame
        // Grey from the start; the shot keeps them so until its volley ends.
        EXPECT_EQ(host.buttonStates, (std::vector<bool>{false, true, false}));
    }
    // A dialog pauses the plan, "New Game" ends it; a person's turn or a finished game is left
    // alone.
    newGame(PlayerControl::ComputerEasy);
    world.currentTank()->weakShields = 1;
    plan.shieldKind = WeakShield;
    plan.actions = {A::PowerUp, A::PowerUp, A::PowerUp, A::Fire};
    frames(0.7);
    EXPECT_TRUE(world.currentTank()->shieldActive && world.currentTank()->weakShields == 0);
    EXPECT_EQ(host.readoutChanges, 1);  // for the shield
    EXPECT_TRUE(frames(3.0, true).empty());
    EXPECT_EQ(frames(0.9), (std::vector<std::string>{"11.0 -45 0", "12.0 -45 0", "13.0 -45 0"}));
    turn.update(now, false, false, world, host);  // "New Game" mid-turn
    EXPECT_EQ(host.buttonStates, (std::vector<bool>{false, true}));
    for (const PlayerControl control : {PlayerControl::Person, PlayerControl::ComputerNormal}) {
        newGame(control);
        // The computer would have won: "Game Over".
        world.teamB.firstPlayer->firstTank->destroyed = control != PlayerControl::Person;
        EXPECT_TRUE(frames(5.0).empty());
        EXPECT_FALSE(world.shotInProgress || turn.active());
    }
}

}  // namespace
