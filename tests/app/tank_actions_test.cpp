// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of tank actions from keys, characters and panel buttons, and of the InputGate.
#include "combat/tank_actions.h"
#include "app/input_map.h"
#include "game/world.h"
#include "tests/core/fixtures.h"
#include "ui/panel_layout.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

// One placed tank for team A and one for team B, team A to play.
struct TankScene : CombatScene {
    Tank* tank = &addPlayerWithTank(world.teamA, 30.0f, 0.0f);
    Tank* enemy = &addPlayerWithTank(world.teamB, -30.0f, 0.0f);

    // Every control an input can move, and how often the readouts were told (once is enough).
    std::string state() const {
        char text[96];
        std::snprintf(text, sizeof text, "e%d t%d p%.1f h%d x%.1f m%d shells%d redraws%d",
                      tank->elevation, tank->turretAngle, tank->power, tank->heading % 360,
                      tank->position.x, tank->mileage, world.shellsInFlight, host.readoutChanges);
        return text;
    }
};

// Keys, letters and panel buttons on a fresh tank at elevation -45, power 10, heading 0.
TEST(TankActions, EachInputMovesItsOwnControl) {
    using K = Key;
    const auto key = actionForKey;
    const auto letter = actionForCharacter;
    const auto button = actionForPanelButton;
    const struct {
        std::vector<TankAction> inputs;
        const char* state;
    } cases[] = {
        {{key(K::Enter), button(1)}, "e-45 t0 p10.0 h0 x30.0 m0 shells1 redraws1"},
        {{key(K::PageUp), button(6)}, "e-45 t0 p11.0 h0 x30.0 m0 shells0 redraws1"},
        {{key(K::PageDown), button(7)}, "e-45 t0 p9.0 h0 x30.0 m0 shells0 redraws1"},
        {{key(K::Home), key(K::KeypadPlus)}, "e-45 t0 p10.1 h0 x30.0 m0 shells0 redraws1"},
        {{key(K::End), key(K::KeypadMinus)}, "e-45 t0 p9.9 h0 x30.0 m0 shells0 redraws1"},
        {{key(K::Up), button(8)}, "e-46 t0 p10.0 h0 x30.0 m0 shells0 redraws1"},
        {{key(K::Down), button(9)}, "e-44 t0 p10.0 h0 x30.0 m0 shells0 redraws1"},
        {{key(K::Left), button(11)}, "e-45 t1 p10.0 h0 x30.0 m0 shells0 redraws0"},
        {{key(K::Right), button(10)}, "e-45 t359 p10.0 h0 x30.0 m0 shells0 redraws0"},
        {{letter('w'), letter('W'), button(2)}, "e-45 t0 p10.0 h0 x29.0 m1 shells0 redraws1"},
        {{letter('s'), letter('S'), button(3)}, "e-45 t0 p10.0 h0 x31.0 m1 shells0 redraws1"},
        {{letter('a'), letter('A'), button(4)}, "e-45 t0 p10.0 h270 x30.0 m0 shells0 redraws0"},
        {{letter('d'), letter('D'), button(5)}, "e-45 t0 p10.0 h90 x30.0 m0 shells0 redraws0"},
        {{key(K::Other), letter('q'), button(0), button(12)},
         "e-45 t0 p10.0 h0 x30.0 m0 shells0 redraws0"},
    };
    GameWorld empty;  // without a game no input does anything
    RecordingHost quiet;
    for (const auto& c : cases) {
        for (TankAction action : c.inputs) {
            TankScene scene;
            applyTankAction(action, scene.world, scene.host);
            EXPECT_EQ(scene.state(), c.state) << int(action);
            applyTankAction(action, empty, quiet);
        }
    }
    EXPECT_EQ(quiet.sounds.size() + quiet.readoutChanges + empty.shotInProgress, 0u);
}

TEST(InputGate, KeyboardReachesTheGameOnlyWhenNothingElseHoldsIt) {
    EXPECT_TRUE((InputGate{true}.keyboardReachesGame()));
    for (const InputGate held :
         {InputGate{}, InputGate{true, true}, InputGate{true, false, true},
          InputGate{true, false, false, true}, InputGate{true, false, false, false, true},
          InputGate{true, false, false, false, false, true}})
        EXPECT_FALSE(held.keyboardReachesGame());
}

}  // namespace
