#include "game/tank_actions.h"
#include "app/input_map.h"
#include "game/world.h"
#include "tests/core/fixtures.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

// One placed tank for team A and one for team B, team A to play.
struct TankScene : CombatScene {
    Tank* tank = &addPlayerWithTank(world.teamA, 30.0f, 0.0f);

    TankScene() {
        addPlayerWithTank(world.teamB, -30.0f, 0.0f);
        world.currentTeam = &world.teamA;
    }
    void act(TankAction action) { applyTankAction(action, world, host); }

    // Every control an input can move, and whether the readouts were told.
    std::string state() const {
        char text[96];
        std::snprintf(text, sizeof text, "e%d t%d p%.1f h%d x%.1f m%d shells%d redraws%d",
                      tank->elevation, tank->turretAngle, tank->power, tank->heading % 360,
                      tank->position.x, tank->mileage, world.shellsInFlight,
                      host.readoutChanges > 0 ? 1 : 0);
        return text;
    }
};

// Keys, letters and panel buttons on a fresh tank at elevation -45, power 10, heading 0.
TEST(TankActions, EachInputMovesItsOwnControl) {
    const struct {
        TankAction action;
        const char* state;
    } cases[] = {
        {actionForKey(GameKey::Enter), "e-45 t0 p10.0 h0 x30.0 m0 shells1 redraws1"},
        {actionForKey(GameKey::PageUp), "e-45 t0 p11.0 h0 x30.0 m0 shells0 redraws1"},
        {actionForKey(GameKey::PageDown), "e-45 t0 p9.0 h0 x30.0 m0 shells0 redraws1"},
        {actionForKey(GameKey::Home), "e-45 t0 p10.1 h0 x30.0 m0 shells0 redraws1"},
        {actionForKey(GameKey::End), "e-45 t0 p9.9 h0 x30.0 m0 shells0 redraws1"},
        {actionForKey(GameKey::KeypadPlus), "e-45 t0 p10.1 h0 x30.0 m0 shells0 redraws1"},
        {actionForKey(GameKey::KeypadMinus), "e-45 t0 p9.9 h0 x30.0 m0 shells0 redraws1"},
        {actionForKey(GameKey::Up), "e-46 t0 p10.0 h0 x30.0 m0 shells0 redraws1"},
        {actionForKey(GameKey::Down), "e-44 t0 p10.0 h0 x30.0 m0 shells0 redraws1"},
        {actionForKey(GameKey::Left), "e-45 t1 p10.0 h0 x30.0 m0 shells0 redraws0"},
        {actionForKey(GameKey::Right), "e-45 t359 p10.0 h0 x30.0 m0 shells0 redraws0"},
        {actionForKey(GameKey::Other), "e-45 t0 p10.0 h0 x30.0 m0 shells0 redraws0"},
        {actionForCharacter('w'), "e-45 t0 p10.0 h0 x29.0 m1 shells0 redraws1"},
        {actionForCharacter('W'), "e-45 t0 p10.0 h0 x29.0 m1 shells0 redraws1"},
        {actionForCharacter('s'), "e-45 t0 p10.0 h0 x31.0 m1 shells0 redraws1"},
        {actionForCharacter('S'), "e-45 t0 p10.0 h0 x31.0 m1 shells0 redraws1"},
        {actionForCharacter('a'), "e-45 t0 p10.0 h270 x30.0 m0 shells0 redraws0"},
        {actionForCharacter('A'), "e-45 t0 p10.0 h270 x30.0 m0 shells0 redraws0"},
        {actionForCharacter('d'), "e-45 t0 p10.0 h90 x30.0 m0 shells0 redraws0"},
        {actionForCharacter('D'), "e-45 t0 p10.0 h90 x30.0 m0 shells0 redraws0"},
        {actionForCharacter('q'), "e-45 t0 p10.0 h0 x30.0 m0 shells0 redraws0"},
        {actionForPanelButton(0), "e-45 t0 p10.0 h0 x30.0 m0 shells0 redraws0"},
        {actionForPanelButton(1), "e-45 t0 p10.0 h0 x30.0 m0 shells1 redraws1"},
        {actionForPanelButton(2), "e-45 t0 p10.0 h0 x29.0 m1 shells0 redraws1"},
        {actionForPanelButton(3), "e-45 t0 p10.0 h0 x31.0 m1 shells0 redraws1"},
        {actionForPanelButton(4), "e-45 t0 p10.0 h270 x30.0 m0 shells0 redraws0"},
        {actionForPanelButton(5), "e-45 t0 p10.0 h90 x30.0 m0 shells0 redraws0"},
        {actionForPanelButton(6), "e-45 t0 p11.0 h0 x30.0 m0 shells0 redraws1"},
        {actionForPanelButton(7), "e-45 t0 p9.0 h0 x30.0 m0 shells0 redraws1"},
        {actionForPanelButton(8), "e-46 t0 p10.0 h0 x30.0 m0 shells0 redraws1"},
        {actionForPanelButton(9), "e-44 t0 p10.0 h0 x30.0 m0 shells0 redraws1"},
        {actionForPanelButton(10), "e-45 t359 p10.0 h0 x30.0 m0 shells0 redraws0"},
        {actionForPanelButton(11), "e-45 t1 p10.0 h0 x30.0 m0 shells0 redraws0"},
        {actionForPanelButton(12), "e-45 t0 p10.0 h0 x30.0 m0 shells0 redraws0"},
    };
    for (const auto& c : cases) {
        TankScene scene;
        scene.act(c.action);
        EXPECT_EQ(scene.state(), c.state) << (&c - cases);
    }
}

TEST(TankActions, NothingHappensWithoutACurrentTank) {
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

TEST(InputGate, KeyboardReachesTheGameOnlyWhenNothingElseHoldsIt) {
    EXPECT_FALSE(InputGate{}.keyboardReachesGame()) << "no game yet";
    EXPECT_TRUE((InputGate{true, false, false, false}.keyboardReachesGame()));
    for (const InputGate held :
         {InputGate{true, true, false, false}, InputGate{true, false, true, false},
          InputGate{true, false, false, true}}) {
        EXPECT_FALSE(held.keyboardReachesGame());
    }
}

}  // namespace
