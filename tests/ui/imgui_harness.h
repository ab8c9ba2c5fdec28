// SPDX-License-Identifier: GPL-3.0-or-later
// ImGuiHarness: ImGui frames run headless for the ui tests.
#pragma once

// Runs ImGui frames without a window or GL: the font atlas is built in memory, input is fed
// straight into ImGuiIO and the draw data is left for the test to read.

#include <imgui.h>

#include <functional>

struct ImGuiHarness {
    ImGuiHarness() {
        ImGui::CreateContext();
        ImGuiIO& io = ImGui::GetIO();
        io.IniFilename = nullptr;
        io.DisplaySize = ImVec2(1024.0f, 768.0f);
        unsigned char* pixels = nullptr;
        int width = 0, height = 0;
        io.Fonts->GetTexDataAsRGBA32(&pixels, &width, &height);
    }
    ~ImGuiHarness() { ImGui::DestroyContext(); }

    void frame(const std::function<void()>& draw) {
        ImGui::GetIO().DeltaTime = 1.0f / 60.0f;
        ImGui::NewFrame();
        ImGui::LogToClipboard();  // what the frame shows as text: ImGui::GetClipboardText()
        draw();
        ImGui::LogFinish();
        ImGui::Render();
    }
    void frames(int count, const std::function<void()>& draw) {
        for (int i = 0; i < count; ++i)
            frame(draw);
    }
};
