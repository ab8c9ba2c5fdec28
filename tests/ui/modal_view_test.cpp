// What the program's window test cannot reach: a tank with shields.
#include "combat/shields.h"
#include "game/world.h"
#include "imgui_harness.h"
#include "ui/views.h"

#include <gtest/gtest.h>

TEST(ShieldsDialogView, OkAppliesTheChoiceAndEscapeCancels) {
    ImGuiHarness imgui;
    MessageQueue messages;
    unsigned serial = 0;
    ModalContext modal{messages, serial};
    GameWorld world;
    Tank tank(world);
    tank.mediumShields = 2;
    tank.strongShields = 1;
    for (auto key : {ImGuiHarness::EscapeKey, ImGuiHarness::EnterKey}) {
        ShieldsDialog dialog(&tank);
        bool open = true;
        const auto draw = [&] { open = open && drawShieldsDialogView(dialog, 2, modal); };
        imgui.frames(2, draw);
        dialog.clickActivate();
        imgui.press(key, draw);
        EXPECT_FALSE(open);
    }
    // Only the second, confirmed dialog took a medium shield.
    EXPECT_TRUE(tank.shieldActive);
    EXPECT_EQ(tank.shieldKind, MediumShield);
    EXPECT_EQ(tank.mediumShields, 1);
}
