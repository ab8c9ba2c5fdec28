// SPDX-License-Identifier: GPL-3.0-or-later
// The "About Krellmont" box's view: icon, version and our lines, closed only by OK.
#include "resources/about_lines.h"
#include "resources/version.h"
#include "ui/views.h"

#include <cstdint>

namespace {

constexpr const char* aboutTitle = "About Krellmont";
constexpr const char* licenceLine =
    "Free software under the GNU GPL, version 3 or later; it comes with no warranty.";

}  // namespace

bool drawAboutBoxView(unsigned icon, MessageQueue& messages, unsigned& messageSerial) {
    if (!ImGui::IsPopupOpen(aboutTitle)) {
        ImGui::OpenPopup(aboutTitle);
    }
    centreNextWindow();
    bool open = true;
    // No close box and no Escape: the box closes only through "OK".
    if (!ImGui::BeginPopupModal(
            aboutTitle, nullptr,
            ImGuiWindowFlags_AlwaysAutoResize | ImGuiWindowFlags_NoSavedSettings)) {
        return open;
    }
    const float iconSize = interfacePixels(32.0f);
    if (icon != 0) {
        ImGui::Image(reinterpret_cast<ImTextureID>(static_cast<std::uintptr_t>(icon)),
                     ImVec2(iconSize, iconSize));
    } else {
        ImGui::Dummy(ImVec2(iconSize, iconSize));
    }
    ImGui::SameLine(0.0f, interfacePixels(16.0f));
    ImGui::BeginGroup();
    ImGui::Text("Version %s", krellmontVersion);
    for (const char* line : aboutLines) {
        ImGui::TextUnformatted(line);
    }
    ImGui::TextUnformatted(licenceLine);
    ImGui::EndGroup();
    ImGui::Dummy(ImVec2(0.0f, 6.0f));
    const float buttonWidth = interfacePixels(75.0f);
    const float available = ImGui::GetContentRegionAvail().x;
    if (available > buttonWidth) {
        ImGui::SetCursorPosX(ImGui::GetCursorPosX() + available - buttonWidth);
    }
    const bool focused = dialogFocused();
    if (ImGui::Button("OK", ImVec2(buttonWidth, 0.0f)) || (focused && enterPressed())) {
        ImGui::CloseCurrentPopup();
        open = false;
    }
    drawMessageBoxView(messages, messageSerial);
    ImGui::EndPopup();
    return open;
}
