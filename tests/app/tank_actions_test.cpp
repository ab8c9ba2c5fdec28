#include "app/tank_actions.h"
#include "app/input_map.h"
#include "game/world.h"
#include "tests/core/fixtures.h"

#include <gtest/gtest.h>

namespace {

// One placed tank for team A and one for team B, team A to play.
struct TankActions : ::testing::Test, CombatScene {
    Tank* tank = &addPlayerWithTank(world.teamA, 30.0f, 0.0f);

    TankActions() {
        addPlayerWithTank(world.teamB, -30.0f, 0.0f);
        world.currentTeam = &world.teamA;
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

TEST_F(TankActions, LettersAndButtonsDriveAndTurnTheHull) {
    const float x0 = tank->position.x;
    character('w');
    const float ahead = tank->position.x;
    EXPECT_LT(ahead, x0) << "team A faces -x";
    button(3);
    EXPECT_FLOAT_EQ(tank->position.x, x0);
    button(2);
    EXPECT_FLOAT_EQ(tank->position.x, ahead);
    character('S');
    EXPECT_FLOAT_EQ(tank->position.x, x0);
    EXPECT_EQ(tank->mileage, 4);
    character('a');
    EXPECT_EQ(tank->heading, 270);
    button(5);
    EXPECT_EQ(tank->heading % 360, 0);
    button(4);
    EXPECT_EQ(tank->heading, 270);
    character('D');
    EXPECT_EQ(tank->heading % 360, 0);
}

TEST_F(TankActions, EnterFiresOnceAndDisablesTheButtons) {
    key(GameKey::Enter);
    EXPECT_TRUE(world.shotInProgress);
    EXPECT_EQ(world.shellsInFlight, 1);
    EXPECT_EQ(host.sounds, std::vector<std::string>{"cannon.wav"});
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

TEST(InputMap, LetterCaseDoesNotMatterAndUnknownInputsDoNothing) {
    for (char c : {'w', 's', 'a', 'd'}) {
        EXPECT_EQ(actionForCharacter(c), actionForCharacter(char(c - 'a' + 'A'))) << c;
    }
    for (char c : {'q', 'e', 'x', ' ', '+', '\r', '\0'}) {
        EXPECT_EQ(actionForCharacter(c), TankAction::None) << int(c);
    }
    for (int id : {0, 12, -1, 1000}) {
        EXPECT_EQ(actionForPanelButton(id), TankAction::None) << id;
    }
    EXPECT_EQ(actionForKey(GameKey::Other), TankAction::None);
}

TEST(InputGate, KeyboardReachesTheGameOnlyWhenNothingElseHoldsIt) {
    EXPECT_FALSE(InputGate{}.keyboardReachesGame()) << "no game yet";
    EXPECT_TRUE((InputGate{true, false, false, false}.keyboardReachesGame()));
    for (const InputGate held : {InputGate{true, true, false, false},
                                 InputGate{true, false, true, false},
                                 InputGate{true, false, false, true}}) {
        EXPECT_FALSE(held.keyboardReachesGame());
    }
}

}  // namespace
