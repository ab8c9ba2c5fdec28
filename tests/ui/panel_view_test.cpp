#include "imgui_harness.h"
#include "ui/views.h"

#include <gtest/gtest.h>

namespace {

struct PanelFixture : ::testing::Test {
    ImGuiHarness imgui;
    PanelFonts fonts;  // all null: ImGui's default font
    PanelRect rect{0, 600, 1024, 80};
    StatusReadouts readouts = formatStatusReadouts("Reds", "Ann", 1, 10.0f, -45, 0);
    bool enabled = true;
    int clicked = 0;

    std::function<void()> draw() {
        return [this] {
            const int id = drawStatusPanelView(readouts, enabled, rect, fonts);
            clicked = id != 0 ? id : clicked;
        };
    }

    ImVec2 centreOf(int buttonId) {
        PanelLayout layout;
        imgui.frame(
            [&] { layout = layoutStatusPanel(measurePanelText(readouts, rect.width, fonts)); });
        const PanelRect& b = layout.buttons[static_cast<std::size_t>(buttonId)];
        return ImVec2(static_cast<float>(rect.x + b.x) + b.width * 0.5f,
                      static_cast<float>(rect.y + b.y) + b.height * 0.5f);
    }
};

}  // namespace

TEST_F(PanelFixture, EachButtonReportsItsOwnIdWhereTheLayoutPutIt) {
    for (int id = 1; id <= panelButtonCount; ++id) {
        clicked = 0;
        imgui.click(centreOf(id), draw());
        EXPECT_EQ(clicked, id);
    }
}

TEST_F(PanelFixture, DisabledButtonsAndAPanelWithoutATankReportNothing) {
    enabled = false;
    for (int id : {ShootButtonId, PowerUpButtonId, PowerDownButtonId, ForwardButtonId}) {
        imgui.click(centreOf(id), draw());
    }
    EXPECT_EQ(clicked, 0);

    enabled = true;
    const ImVec2 shoot = centreOf(ShootButtonId);
    readouts = StatusReadouts{};
    imgui.click(shoot, draw());
    EXPECT_EQ(clicked, 0);
}

TEST_F(PanelFixture, AClickLeavesTheKeyboardToTheGame) {
    imgui.click(centreOf(ForwardButtonId), draw());
    ASSERT_EQ(clicked, ForwardButtonId);
    imgui.frame(draw());
    EXPECT_FALSE(ImGui::GetIO().WantCaptureKeyboard);
    EXPECT_FALSE(ImGui::IsWindowFocused(ImGuiFocusedFlags_AnyWindow));
}

TEST_F(PanelFixture, AWiderPowerTextMovesTheShootButtonRight) {
    const ImVec2 narrow = centreOf(ShootButtonId);
    readouts = formatStatusReadouts("Reds", "Ann", 1, 100.0f, -45, 0);
    readouts.power += "  ";  // as a wider font would measure it
    const ImVec2 wide = centreOf(ShootButtonId);
    EXPECT_GT(wide.x, narrow.x);
    imgui.click(wide, draw());
    EXPECT_EQ(clicked, ShootButtonId);
}
