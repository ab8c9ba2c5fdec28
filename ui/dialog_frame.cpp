// SPDX-License-Identifier: GPL-3.0-or-later
// The dialogs' shared frame: popup per opening, OK by button or Enter, field focus, and
// inputString.
#include "ui/dialog_frame.h"

#include "ui/views.h"

#include <imgui_internal.h>

bool beginDialog(const std::string& title, const char* kind, unsigned serial, bool* closeBox) {
    const std::string id = safeTitle(title) + "###" + kind + std::to_string(serial);
    if (!ImGui::IsPopupOpen(id.c_str())) {
        ImGui::OpenPopup(id.c_str());
    }
    centreNextWindow();
    return ImGui::BeginPopupModal(
        id.c_str(), closeBox, ImGuiWindowFlags_AlwaysAutoResize | ImGuiWindowFlags_NoSavedSettings);
}

void placeTwoButtons(float width, float share) {
    const float row = width * 2.0f + ImGui::GetStyle().ItemSpacing.x;
    const float available = ImGui::GetContentRegionAvail().x;
    if (available > row) {
        ImGui::SetCursorPosX(ImGui::GetCursorPosX() + (available - row) * share);
    }
}

bool okButtonPressed(float width) {
    const bool focused = dialogFocused();
    const bool clicked = ImGui::Button("OK", ImVec2(width, 0.0f));
    return clicked || (focused && enterPressed());
}

OkCancel okCancelButtons(float width, float share) {
    ImGui::Dummy(ImVec2(0.0f, 6.0f));
    placeTwoButtons(width, share);
    const bool focused = dialogFocused();
    if (okButtonPressed(width)) {
        return OkCancel::Ok;
    }
    ImGui::SameLine();
    if (ImGui::Button("Cancel", ImVec2(width, 0.0f)) || (focused && escapePressed())) {
        return OkCancel::Cancel;
    }
    return OkCancel::None;
}

int fieldToFocus() {
    ImGuiStorage* storage = ImGui::GetStateStorage();
    const ImGuiID blockedKey = ImGui::GetID("##blockedByBox");
    const ImGuiID fieldKey = ImGui::GetID("##activeField");
    // Only a box stacked over the dialog blocks it: its own drop-down lists do not, so a choice
    // made in one leaves the focus there rather than back on a field.
    const bool blocked = ImGui::GetTopMostPopupModal() != ImGui::GetCurrentWindow();
    const bool wasBlocked = storage->GetBool(blockedKey, false);
    storage->SetBool(blockedKey, blocked);
    if (ImGui::IsWindowAppearing()) {
        storage->SetInt(fieldKey, 0);
        return 0;
    }
    return wasBlocked && !blocked ? storage->GetInt(fieldKey, 0) : -1;
}

void noteActiveField(int index) {
    if (ImGui::IsItemActive()) {
        ImGui::GetStateStorage()->SetInt(ImGui::GetID("##activeField"), index);
    }
}

bool inputString(const char* id, std::string& value, std::size_t capacity, bool digitsOnly,
                 bool focusNow) {
    std::vector<char> buffer(capacity < 2 ? 2 : capacity, '\0');
    value.copy(buffer.data(), buffer.size() - 1);
    if (focusNow) {
        ImGui::SetKeyboardFocusHere();
    }
    ImGuiInputTextCallback filter = nullptr;
    // A field that gets the keyboard offers its whole text for retyping.
    ImGuiInputTextFlags flags = ImGuiInputTextFlags_AutoSelectAll;
    if (digitsOnly) {
        flags |= ImGuiInputTextFlags_CallbackCharFilter;
        filter = [](ImGuiInputTextCallbackData* data) -> int {
            return data->EventChar >= '0' && data->EventChar <= '9' ? 0 : 1;
        };
    }
    if (!ImGui::InputText(id, buffer.data(), buffer.size(), flags, filter)) {
        return false;
    }
    value.assign(buffer.data());
    return true;
}
