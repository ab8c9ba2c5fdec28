// SPDX-License-Identifier: GPL-3.0-or-later
// Small helpers of the modal views: centring windows, Enter and Escape, dialog focus, safe
// titles.
#include "ui/views.h"

void centreNextWindow() {
    // The display size last seen here, and the frame in which it last changed: every window
    // centred in that frame moves back to the middle.
    ImGuiStorage* storage = ImGui::GetStateStorage();
    const ImGuiID widthKey = ImGui::GetID("##centredForWidth");
    const ImGuiID heightKey = ImGui::GetID("##centredForHeight");
    const ImGuiID resizedKey = ImGui::GetID("##resizedInFrame");
    const ImVec2 display = ImGui::GetIO().DisplaySize;
    const float width = storage->GetFloat(widthKey, display.x);
    const float height = storage->GetFloat(heightKey, display.y);
    if (width != display.x || height != display.y) {
        storage->SetInt(resizedKey, ImGui::GetFrameCount());
    }
    storage->SetFloat(widthKey, display.x);
    storage->SetFloat(heightKey, display.y);
    const bool resized = storage->GetInt(resizedKey, -1) == ImGui::GetFrameCount();
    ImGui::SetNextWindowPos(ImVec2(display.x * 0.5f, display.y * 0.5f),
                            resized ? ImGuiCond_Always : ImGuiCond_Appearing, ImVec2(0.5f, 0.5f));
}

bool enterPressed() {
    return ImGui::IsKeyPressed(ImGui::GetKeyIndex(ImGuiKey_Enter), false) ||
           ImGui::IsKeyPressed(ImGui::GetKeyIndex(ImGuiKey_KeyPadEnter), false);
}

bool escapePressed() {
    return ImGui::IsKeyPressed(ImGui::GetKeyIndex(ImGuiKey_Escape), false);
}

std::string safeTitle(const std::string& text) {
    std::string title;
    title.reserve(text.size());
    for (char c : text) {
        if (c == '#' && !title.empty() && title.back() == '#') {
            title += ' ';
        }
        title += c;
    }
    return title;
}

bool dialogFocused() {
    // A box stacked over the dialog takes the keys; the dialog's own child windows do not. A
    // window that opens in this frame ignores them: the key that opened it is not for it.
    return !ImGui::IsWindowAppearing() &&
           ImGui::IsWindowFocused(ImGuiFocusedFlags_ChildWindows |
                                  ImGuiFocusedFlags_NoPopupHierarchy);
}
