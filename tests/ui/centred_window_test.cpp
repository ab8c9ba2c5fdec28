// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of centreNextWindow: a window centred once is left where the user drags it.
#include "imgui_harness.h"
#include "ui/views.h"

#include <gtest/gtest.h>

// A box opens in the middle and stays where its caption is dragged.
TEST(CentredWindow, StaysWhereItsCaptionIsDragged) {
    ImGuiHarness ui;
    ImVec2 at;
    const auto draw = [&] {
        centreNextWindow();
        ImGui::Begin("Game Over", nullptr, ImGuiWindowFlags_AlwaysAutoResize);
        at = ImGui::GetWindowPos();
        ImGui::End();
    };
    ui.frames(2, draw);
    const ImVec2 centred = at;
    ImGuiIO& io = ImGui::GetIO();
    io.MousePos = ImVec2(centred.x + 5.0f, centred.y + 5.0f);
    io.MouseDown[0] = true;
    ui.frames(2, draw);
    io.MousePos.x += 40.0f;
    ui.frames(2, draw);
    io.MouseDown[0] = false;
    ui.frames(2, draw);
    EXPECT_EQ(at.x - centred.x, 40.0f);
}
