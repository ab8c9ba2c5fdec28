#include "app/computer_turn.h"
#include "combat/shields.h"
#include "game/world.h"
#include "tests/core/fixtures.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using A = TankAction;

struct Played {
    std::vector<std::string>
        readouts;          // power, elevation, turret after each frame that changed them
    double shotAt = -1.0;  // seconds from the turn's first frame
};

// A game whose first tank is a computer player's, its turn driven at 60 frames a second.
struct ComputerTurnTest : ::testing::Test {
    GameWorld world;
    RecordingHost host;
    TurnPlan plan;
    int plans = 0;
    ComputerTurn turn{[this](const GameWorld&) { return ++plans, plan; }};
    double now = 100.0;

    void newGame(PlayerControl control) {
        world.random.seed(5);
        runNewGame(world, host);
        world.teamA.firstPlayer->control = control;
        host.buttonStates.clear();
    }
    std::string readouts() const {
        const Tank& t = *world.currentTank();
        char text[48];
        std::snprintf(text, sizeof text, "%.1f %d %d", double(t.power), t.elevation, t.turretAngle);
        return text;
    }
    Played frames(double seconds, bool paused = false) {
        Played played;
        std::string last = readouts();
        for (int frame = 0; frame < int(seconds * 60.0) && !world.shotInProgress; ++frame) {
            turn.update(now, true, paused, world, host);
            if (world.shotInProgress) {
                played.shotAt = frame / 60.0;
            } else if (readouts() != last) {
                played.readouts.push_back(last = readouts());
            }
            now += 1.0 / 60.0;
        }
        return played;
    }
};

TEST_F(ComputerTurnTest, PlanLandsInOrderAndFiresTwoToFourSecondsAfterItsStart) {
    const struct {
        std::vector<A> actions;
        std::vector<std::string> readouts;  // all of them; only the last for a long plan
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
        const Played played = frames(6.0);
        ASSERT_TRUE(world.shotInProgress);
        EXPECT_GE(played.shotAt, 1.99);
        EXPECT_LE(played.shotAt, 4.0);
        if (c.actions.size() < 100) {
            EXPECT_EQ(played.readouts, c.readouts);
        } else {
            EXPECT_EQ(played.readouts.back(), c.readouts.back());
            EXPECT_LT(played.readouts.size(), 300u);  // several moves a frame
        }
        // Grey from the start; the shot keeps them so until its volley ends.
        EXPECT_EQ(host.buttonStates, (std::vector<bool>{false, true, false}));
    }
}

TEST_F(ComputerTurnTest, ModalPausesNewGameStopsPersonsAndFinishedGamesAreLeftAlone) {
    newGame(PlayerControl::ComputerEasy);
    world.currentTank()->weakShields = 1;
    plan = TurnPlan{WeakShield, {A::PowerUp, A::PowerUp, A::PowerUp, A::Fire}};
    frames(0.7);
    EXPECT_TRUE(world.currentTank()->shieldActive);
    EXPECT_EQ(world.currentTank()->weakShields, 0);
    EXPECT_TRUE(frames(3.0, true).readouts.empty());
    EXPECT_FALSE(turn.acting());
    EXPECT_EQ(frames(0.9).readouts,
              (std::vector<std::string>{"11.0 -45 0", "12.0 -45 0", "13.0 -45 0"}));
    EXPECT_FALSE(world.shotInProgress);

    turn.update(now, false, false, world, host);  // "New Game" chosen mid-turn
    EXPECT_FALSE(turn.active());
    EXPECT_EQ(host.buttonStates, (std::vector<bool>{false, true}));
    newGame(PlayerControl::Person);
    EXPECT_TRUE(frames(5.0).readouts.empty());
    EXPECT_FALSE(world.shotInProgress);

    newGame(PlayerControl::ComputerNormal);
    world.teamB.firstPlayer->firstTank->destroyed = true;  // "Game Over" was shown
    frames(5.0);
    EXPECT_EQ(plans, 1);
    EXPECT_FALSE(world.shotInProgress);
}

}  // namespace
