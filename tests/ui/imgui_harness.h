#pragma once

// Runs ImGui frames without a window or GL: the font atlas is built in memory, input is fed
// straight into ImGuiIO and the draw data is thrown away.

#include <imgui.h>

#include <functional>

class ImGuiHarness {
  public:
    enum Key { EnterKey = 1, EscapeKey, TabKey, BackspaceKey };

    ImGuiHarness() {
        context_ = ImGui::CreateContext();
        ImGuiIO& io = ImGui::GetIO();
        io.IniFilename = nullptr;
        io.LogFilename = nullptr;
        io.DisplaySize = ImVec2(1024.0f, 768.0f);
        io.KeyMap[ImGuiKey_Enter] = EnterKey;
        io.KeyMap[ImGuiKey_Escape] = EscapeKey;
        io.KeyMap[ImGuiKey_Tab] = TabKey;
        io.KeyMap[ImGuiKey_Backspace] = BackspaceKey;
        unsigned char* pixels = nullptr;
        int width = 0, height = 0;
        io.Fonts->GetTexDataAsRGBA32(&pixels, &width, &height);
    }
    ~ImGuiHarness() { ImGui::DestroyContext(context_); }
    ImGuiHarness(const ImGuiHarness&) = delete;
    ImGuiHarness& operator=(const ImGuiHarness&) = delete;

    void frame(const std::function<void()>& draw) {
        ImGui::GetIO().DeltaTime = 1.0f / 60.0f;
        ImGui::NewFrame();
        draw();
        ImGui::Render();
    }

    void frames(int count, const std::function<void()>& draw) {
        for (int i = 0; i < count; ++i) {
            frame(draw);
        }
    }

    // One frame with the key down, one with it up.
    void press(Key key, const std::function<void()>& draw) {
        ImGui::GetIO().KeysDown[key] = true;
        frame(draw);
        ImGui::GetIO().KeysDown[key] = false;
        frame(draw);
    }

    void type(const char* text, const std::function<void()>& draw) {
        ImGui::GetIO().AddInputCharactersUTF8(text);
        frame(draw);
    }

    // Moves the pointer there, presses and releases the left button.
    void click(ImVec2 at, const std::function<void()>& draw) {
        ImGuiIO& io = ImGui::GetIO();
        io.MousePos = at;
        frame(draw);
        io.MouseDown[0] = true;
        frame(draw);
        io.MouseDown[0] = false;
        frame(draw);
    }

  private:
    ImGuiContext* context_ = nullptr;
};
