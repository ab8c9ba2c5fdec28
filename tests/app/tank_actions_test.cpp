#include "app/tank_actions.h"
#include "app/input_map.h"
#include "game/world.h"
#include "tests/core/combat_fake_host.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A world with one placed tank for team A and one for team B, team A to play.
struct TankActions : ::testing::Test {
    GameWorld world;
    RecordingHost host;
    Tank* tank = nullptr;

    void SetUp() override {
        world.arena.halfSide = 60.0f;
        world.currentTeam = &world.teamA;
        tank = addTank(world.teamA, 30.0f);
        world.currentTeam = &world.teamB;
        addTank(world.teamB, -30.0f);
        world.currentTeam = &world.teamA;
    }

    Tank* addTank(Team& team, float x) {
        Player& player = team.appendPlayer(std::make_unique<Player>());
        auto made = std::make_unique<Tank>(world);
        made->position = {x, 0.0f, 0.0f};
        made->box = {x - 6.0f, x + 6.0f, 0.5f, 5.5f, -6.0f, 6.0f};
        made->placed = true;
        made->syncCorners();
        Tank& t = player.appendTank(std::move(made));
        player.currentTank = &t;
        team.currentPlayer = &player;
        return &t;
    }

    void key(GameKey k) { applyTankAction(actionForKey(k), world, host); }
    void character(char c) { applyTankAction(actionForCharacter(c), world, host); }
    void button(int id) { applyTankAction(actionForPanelButton(id), world, host); }
};

TEST_F(TankActions, FinePowerStepsStopAtTheLimitsAndRedrawTheReadouts) {
    const int before = host.readoutChanges;
    key(GameKey::Home);
    EXPECT_NEAR(tank->power, 10.1f, 1e-4);
    EXPECT_GT(host.readoutChanges, before);
    tank->power = 99.95f;
    key(GameKey::KeypadPlus);
    EXPECT_FLOAT_EQ(tank->power, 100.0f);
    tank->power = 0.15f;
    key(GameKey::End);
    key(GameKey::KeypadMinus);
    EXPECT_FLOAT_EQ(tank->power, 0.1f);
}

TEST_F(TankActions, KeysAndButtonsAimTheSameWay) {
    key(GameKey::Up);
    button(8);
    EXPECT_EQ(tank->elevation, -47);
    key(GameKey::Down);
    button(9);
    EXPECT_EQ(tank->elevation, -45);
    key(GameKey::Left);
    button(11);
    EXPECT_EQ(tank->turretAngle, 2);
    key(GameKey::Right);
    button(10);
    EXPECT_EQ(tank->turretAngle, 0);
    key(GameKey::PageUp);
    button(6);
    EXPECT_FLOAT_EQ(tank->power, 12.0f);
    key(GameKey::PageDown);
    button(7);
    EXPECT_FLOAT_EQ(tank->power, 10.0f);
}

TEST_F(TankActions, LettersDriveAndTurnTheHull) {
    const float x0 = tank->position.x;
    character('w');
    EXPECT_LT(tank->position.x, x0) << "team A faces -x";
    EXPECT_EQ(tank->mileage, 1);
    character('S');
    EXPECT_FLOAT_EQ(tank->position.x, x0);
    EXPECT_EQ(tank->mileage, 2);
    character('a');
    EXPECT_EQ(tank->heading, 270);
    character('D');
    EXPECT_EQ(tank->heading % 360, 0);
}

TEST_F(TankActions, EnterFiresOnceAndDisablesTheButtons) {
    key(GameKey::Enter);
    EXPECT_TRUE(world.shotInProgress);
    EXPECT_EQ(world.shellsInFlight, 1);
    EXPECT_EQ(host.countSound("cannon.wav"), 1);
    ASSERT_FALSE(host.buttonStates.empty());
    EXPECT_FALSE(host.buttonStates.back());
    button(1);
    EXPECT_EQ(world.shellsInFlight, 1) << "a second shot waits for the first";
}

TEST_F(TankActions, NothingHappensWithoutACurrentTank) {
    GameWorld empty;
    RecordingHost quiet;
    for (TankAction a : {TankAction::Fire, TankAction::DriveForward, TankAction::PowerUpFine,
                         TankAction::RaiseCannon, TankAction::TurnClockwise}) {
        applyTankAction(a, empty, quiet);
    }
    EXPECT_FALSE(empty.shotInProgress);
    EXPECT_TRUE(quiet.sounds.empty());
    EXPECT_EQ(quiet.readoutChanges, 0);
}

}  // namespace
