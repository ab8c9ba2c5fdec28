#include "combat/shields.h"
#include "game/setup_dialogs.h"
#include "game/world.h"
#include "imgui_harness.h"
#include "ui/views.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

struct ModalFixture : ::testing::Test {
    ImGuiHarness imgui;
    MessageQueue messages;
    unsigned messageSerial = 0;
    ModalContext modal{messages, messageSerial};
};

}  // namespace

TEST_F(ModalFixture, MessageBoxesShowOneByOneAndEachKeyDismissesOnlyOne) {
    messages.pop();  // dismissing with nothing shown is harmless
    messages.push("first", "Game Over");
    messages.push("second", "Game Over");  // same caption: must still open as a new box
    messages.push("third", "PowerUp");
    const auto draw = [&] { drawMessageBoxView(messages, messageSerial); };
    imgui.frames(2, draw);
    EXPECT_EQ(messages.size(), 3u);
    EXPECT_TRUE(ImGui::GetIO().WantCaptureKeyboard);  // modal: the game gets no keys

    imgui.press(ImGuiHarness::EnterKey, draw);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages.front().text, "second");
    imgui.frames(2, draw);
    EXPECT_EQ(messages.size(), 2u);
    imgui.press(ImGuiHarness::EscapeKey, draw);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages.front().text, "third");
    imgui.press(ImGuiHarness::EnterKey, draw);
    EXPECT_TRUE(messages.empty());
    imgui.frames(2, draw);
    EXPECT_FALSE(ImGui::GetIO().WantCaptureKeyboard);
}

TEST_F(ModalFixture, AboutBoxIgnoresEscapeAndClosesWithEnterOrOk) {
    bool open = true;
    const auto draw = [&] {
        if (open) {
            open = drawAboutBoxView(0, messages, messageSerial);
        }
    };
    imgui.frames(2, draw);
    imgui.press(ImGuiHarness::EscapeKey, draw);
    imgui.frames(2, draw);
    EXPECT_TRUE(open);
    imgui.press(ImGuiHarness::EnterKey, draw);
    EXPECT_FALSE(open);
}

TEST_F(ModalFixture, RejectedOkKeepsTheDialogOpenUnderItsMessage) {
    TeamDialog dialog(0);
    dialog.countText = "0";
    int okCalls = 0;
    bool open = true;
    const OkAction ok = [&] {
        ++okCalls;
        if (dialog.countText == "0") {
            messages.push("Number of players must be 1 to 4.", invalidValuesCaption);
            return false;
        }
        return true;
    };
    const auto draw = [&] {
        if (open) {
            open = drawTeamDialogView(dialog, 7, ok, modal);
        }
    };
    imgui.frames(2, draw);
    imgui.press(ImGuiHarness::EnterKey, draw);
    EXPECT_EQ(okCalls, 1);
    EXPECT_TRUE(open);
    ASSERT_EQ(messages.size(), 1u);
    imgui.frames(2, draw);

    // Enter now belongs to the box on top: it closes the message, not the dialog.
    imgui.press(ImGuiHarness::EnterKey, draw);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(okCalls, 1);
    EXPECT_TRUE(open);

    imgui.frames(2, draw);
    imgui.press(ImGuiHarness::EscapeKey, draw);  // no Cancel: Escape does nothing
    EXPECT_TRUE(open);
    dialog.countText = "2";
    imgui.press(ImGuiHarness::EnterKey, draw);
    EXPECT_EQ(okCalls, 2);
    EXPECT_FALSE(open);
}

TEST_F(ModalFixture, TypedTextReachesTheFocusedFieldWithinItsLimits) {
    TeamDialog team(1);
    bool open = true;
    const auto drawTeam = [&] {
        if (open) {
            open = drawTeamDialogView(team, 1, nullptr, modal);
        }
    };
    imgui.frames(2, drawTeam);
    EXPECT_EQ(team.name, "Team B");
    // The name field has the focus with its text selected; typing replaces it, and stops at
    // 23 bytes.
    imgui.type("Crimson Tide Armoured Brigade", drawTeam);
    imgui.frames(2, drawTeam);
    EXPECT_EQ(team.name, "Crimson Tide Armoured B");

    ArenaSizeDialog arena;
    const auto drawArena = [&] { drawArenaSizeDialogView(arena, 1, nullptr, modal); };
    imgui.frames(3, drawArena);
    EXPECT_EQ(arena.lengthText, "120");
    imgui.type("2x5-0.", drawArena);  // only the digits get in
    imgui.frames(2, drawArena);
    EXPECT_EQ(arena.lengthText, "250");
}

TEST_F(ModalFixture, TheFieldGetsTheKeyboardBackWhenTheMessageOverItCloses) {
    ArenaSizeDialog arena;
    const OkAction ok = [&] {
        messages.push("Floor size must be greater than or equal to 120.0", incorrectValuesCaption);
        return false;
    };
    const auto draw = [&] { drawArenaSizeDialogView(arena, 1, ok, modal); };
    imgui.frames(2, draw);
    imgui.type("119", draw);
    imgui.press(ImGuiHarness::EnterKey, draw);
    ASSERT_EQ(messages.size(), 1u);
    imgui.frames(2, draw);
    imgui.type("7", draw);  // the box has the keyboard now
    EXPECT_EQ(arena.lengthText, "119");
    imgui.press(ImGuiHarness::EnterKey, draw);
    ASSERT_TRUE(messages.empty());
    imgui.frames(2, draw);
    imgui.type("150", draw);
    imgui.frames(2, draw);
    EXPECT_EQ(arena.lengthText, "150");
}

TEST_F(ModalFixture, ShieldsDialogOkAppliesTheChoiceAndEscapeCancels) {
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
    ui.click(ImVec2(5.0f, 5.0f), draw);  // the 3-D view, outside the viewer
    EXPECT_FALSE(help.focused);
}
