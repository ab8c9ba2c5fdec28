// SPDX-License-Identifier: GPL-3.0-or-later
// The message box's view: the queue's front message as a modal box, dismissed by OK, Enter or
// Escape.
#include "ui/views.h"

void drawMessageBoxView(MessageQueue& messages, unsigned& serial) {
    if (messages.empty()) {
        return;
    }
    const QueuedMessage& message = messages.front();
    // A fresh id for every box, so that a message with the caption of the one before it still
    // opens as a new box.
    const std::string id = safeTitle(message.caption) + "###message" + std::to_string(serial);
    if (!ImGui::IsPopupOpen(id.c_str())) {
        ImGui::OpenPopup(id.c_str());
    }
    centreNextWindow();
    ImGui::SetNextWindowSizeConstraints(ImVec2(interfacePixels(220.0f), 0.0f),
                                        ImVec2(1.0e6f, 1.0e6f));
    if (!ImGui::BeginPopupModal(
            id.c_str(), nullptr,
            ImGuiWindowFlags_AlwaysAutoResize | ImGuiWindowFlags_NoSavedSettings)) {
        return;
    }
    ImGui::Dummy(ImVec2(0.0f, 4.0f));
    ImGui::TextUnformatted(message.text.c_str(), message.text.c_str() + message.text.size());
    ImGui::Dummy(ImVec2(0.0f, 4.0f));
    const float buttonWidth = interfacePixels(75.0f);
    const float available = ImGui::GetContentRegionAvail().x;
    if (available > buttonWidth) {
        ImGui::SetCursorPosX(ImGui::GetCursorPosX() + (available - buttonWidth) * 0.5f);
    }
    const bool focused = dialogFocused();
    if (ImGui::Button("OK", ImVec2(buttonWidth, 0.0f)) ||
        (focused && (enterPressed() || escapePressed()))) {
        ImGui::CloseCurrentPopup();
        messages.pop();
        ++serial;
    }
    ImGui::EndPopup();
}
