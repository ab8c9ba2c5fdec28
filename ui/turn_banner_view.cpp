// SPDX-License-Identifier: GPL-3.0-or-later
// The turn banner: who plays now, shown over the 3-D view while the turn is handed over.
#include "ui/views.h"

void drawTurnBannerView(const std::string& text, const PanelRect& view, const PanelFonts& fonts) {
    ImFont* font = fonts.get(Font20Bold);
    const float x = static_cast<float>(view.x) + static_cast<float>(view.width) * 0.5f;
    const float y = static_cast<float>(view.y) + static_cast<float>(view.height) * 0.2f;
    ImGui::SetNextWindowPos(ImVec2(x, y), ImGuiCond_Always, ImVec2(0.5f, 0.5f));
    ImGui::SetNextWindowBgAlpha(0.6f);
    ImGui::PushStyleColor(ImGuiCol_WindowBg, IM_COL32(0, 0, 0, 255));
    ImGui::PushStyleColor(ImGuiCol_Text, IM_COL32(255, 255, 255, 255));
    ImGui::PushStyleVar(ImGuiStyleVar_WindowPadding,
                        ImVec2(interfacePixels(24.0f), interfacePixels(10.0f)));
    ImGui::PushStyleVar(ImGuiStyleVar_WindowBorderSize, 0.0f);
    // No inputs: clicks and keys go on to whatever lies under it, and it never takes focus.
    const ImGuiWindowFlags flags = ImGuiWindowFlags_NoDecoration | ImGuiWindowFlags_NoInputs |
                                   ImGuiWindowFlags_NoSavedSettings | ImGuiWindowFlags_NoNav |
                                   ImGuiWindowFlags_NoFocusOnAppearing |
                                   ImGuiWindowFlags_AlwaysAutoResize;
    if (ImGui::Begin("##TurnBanner", nullptr, flags)) {
        if (font != nullptr) {
            ImGui::PushFont(font);
        }
        ImGui::TextUnformatted(text.c_str());
        if (font != nullptr) {
            ImGui::PopFont();
        }
    }
    ImGui::End();
    ImGui::PopStyleVar(2);
    ImGui::PopStyleColor(2);
}
