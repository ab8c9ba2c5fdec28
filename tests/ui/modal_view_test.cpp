// What the program's window test cannot reach: a tank with shields, and the help viewer's focus.
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

TEST(HelpViewer, HoldsTheKeysWhileFocusedAndLetsGoWhenTheViewIsClicked) {
    ImGuiHarness ui;
    HelpViewerState help;
    help.document = parseHelpText("Contents\n\n# Keys\nEnter fires.\n");
    const auto draw = [&] { drawHelpViewerView(help); };
    ui.frames(2, draw);
    EXPECT_TRUE(help.focused);
    ImGui::GetIO().MousePos = ImVec2(5.0f, 5.0f);  // the 3-D view, outside the viewer
    ui.frame(draw);
    ImGui::GetIO().MouseDown[0] = true;
    ui.frames(2, draw);
    EXPECT_FALSE(help.focused);
}
