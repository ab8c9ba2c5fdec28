// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the status panel and dialog font drawn at one and a half and twice the interface size.
#include "imgui_harness.h"

#include "game/tank.h"
#include "ui/message_queue.h"
#include "ui/readouts.h"
#include "ui/views.h"

#include <gtest/gtest.h>
#include <imgui_internal.h>

namespace {

// The fonts at `scale` in the harness's atlas, replacing what it held.
PanelFonts loadAt(float scale) {
    ImFontAtlas& atlas = *ImGui::GetIO().Fonts;
    atlas.Clear();
    MessageQueue messages;
    const PanelFonts fonts = loadPanelFonts(atlas, messages, scale);
    unsigned char* pixels = nullptr;
    int width = 0;
    int height = 0;
    atlas.GetTexDataAsRGBA32(&pixels, &width, &height);
    return fonts;
}

struct DrawnPanel {
    PanelLayout layout;
    ImVec2 windowSize;
    float dialogFontSize = 0.0f;
    float widestSpareRoom = 0.0f;  // the least room a button keeps beside its label
};

DrawnPanel drawPanelAt(float scale) {
    ImGuiHarness harness;
    harness.frame([] {});  // the harness's own fonts are built; now ours replace them
    const PanelFonts fonts = loadAt(scale);
    const StatusReadouts readouts = formatStatusReadouts("Team", "Player", 1, Tank::maxPower, 0, 0);
    const PanelRect panel = placeStatusPanel({0, 0, 1024, 768}, scale);
    std::vector<OpaqueFill> fills;
    harness.frames(2, [&] { drawStatusPanelView(readouts, true, panel, fonts, fills); });

    DrawnPanel drawn;
    drawn.layout = layoutStatusPanel(measurePanelText(readouts, panel.width, fonts));
    drawn.windowSize = ImGui::FindWindowByName("##StatusPanel")->Size;
    drawn.dialogFontSize = ImGui::GetIO().Fonts->Fonts[0]->FontSize;
    drawn.widestSpareRoom = 1.0e9f;
    ImFont* buttonFont = ImGui::GetIO().Fonts->Fonts[0];
    for (const PanelButtonInfo& button : panelButtons) {
        const PanelRect& box = drawn.layout.buttons[static_cast<std::size_t>(button.id)];
        const float label =
            buttonFont->CalcTextSizeA(buttonFont->FontSize, 1.0e9f, 0.0f, button.text).x;
        // The panel's buttons keep a one-pixel frame padding on each side.
        drawn.widestSpareRoom =
            std::min(drawn.widestSpareRoom, static_cast<float>(box.width) - 2.0f - label);
    }
    return drawn;
}

}  // namespace

TEST(InterfaceScaleView, TwiceTheSizeDoublesThePanelItsButtonsAndTheDialogFont) {
    const DrawnPanel normal = drawPanelAt(1.0f);
    const DrawnPanel doubled = drawPanelAt(2.0f);

    EXPECT_EQ(normal.windowSize.y, static_cast<float>(statusPanelHeight));
    EXPECT_EQ(doubled.windowSize.y, 2.0f * statusPanelHeight);
    for (const PanelButtonInfo& button : panelButtons) {
        const auto id = static_cast<std::size_t>(button.id);
        EXPECT_EQ(doubled.layout.buttons[id].width, 2 * normal.layout.buttons[id].width)
            << button.text;
        EXPECT_EQ(doubled.layout.buttons[id].height, 2 * normal.layout.buttons[id].height)
            << button.text;
    }
    // Fonts are rasterised at the size, so whole-pixel rounding may leave one pixel over.
    EXPECT_NEAR(doubled.dialogFontSize, 2.0f * normal.dialogFontSize, 1.0f);
    // No label is clipped at either size; a label wider than its button would be.
    EXPECT_GE(normal.widestSpareRoom, 0.0f);
    EXPECT_GE(doubled.widestSpareRoom, 0.0f);
    // The panel is whole in a window twice as wide as before, give or take rounding.
    EXPECT_NEAR(layoutRightEdge(doubled.layout), 2 * layoutRightEdge(normal.layout), 4);
}

// At one and a half times, half pixels round: each button is within a pixel of its scaled size,
// and still no label is clipped.
TEST(InterfaceScaleView, OneAndAHalfTimesRoundsEachButtonToAPixelAndClipsNoLabel) {
    const DrawnPanel normal = drawPanelAt(1.0f);
    const DrawnPanel larger = drawPanelAt(1.5f);

    EXPECT_EQ(larger.windowSize.y, 1.5f * statusPanelHeight);
    for (const PanelButtonInfo& button : panelButtons) {
        const auto id = static_cast<std::size_t>(button.id);
        EXPECT_NEAR(larger.layout.buttons[id].width, 1.5f * normal.layout.buttons[id].width, 1.0f)
            << button.text;
        EXPECT_NEAR(larger.layout.buttons[id].height, 1.5f * normal.layout.buttons[id].height, 1.0f)
            << button.text;
    }
    EXPECT_GE(larger.widestSpareRoom, 0.0f);
    EXPECT_NEAR(layoutRightEdge(larger.layout), 1.5f * layoutRightEdge(normal.layout), 4);
}
