// SPDX-License-Identifier: GPL-3.0-or-later
// The status panel's view: readouts and the eleven tank buttons drawn with ImGui.
#include "ui/views.h"

#include "game/tank.h"

namespace {

const ImU32 black = IM_COL32(0, 0, 0, 255);
const ImU32 red = IM_COL32(255, 0, 0, 255);
const ImU32 blue = IM_COL32(0, 0, 255, 255);
const ImU32 lightBlue = IM_COL32(128, 128, 255, 255);
const ImVec4 panelGrey(192 / 255.0f, 192 / 255.0f, 192 / 255.0f, 1.0f);

void drawText(ImDrawList* list, const ImFont* font, ImVec2 origin, PanelPoint at, ImU32 colour,
              const std::string& text) {
    if (font == nullptr) {
        font = ImGui::GetFont();
    }
    list->AddText(font, font->FontSize,
                  ImVec2(origin.x + static_cast<float>(at.x), origin.y + static_cast<float>(at.y)),
                  colour, text.data(), text.data() + text.size());
}

// Push buttons in the look of the light-grey panel rather than ImGui's dark theme.
void pushButtonStyle() {
    ImGui::PushStyleColor(ImGuiCol_Button, ImVec4(0.88f, 0.88f, 0.88f, 1.0f));
    ImGui::PushStyleColor(ImGuiCol_ButtonHovered, ImVec4(0.90f, 0.95f, 0.98f, 1.0f));
    ImGui::PushStyleColor(ImGuiCol_ButtonActive, ImVec4(0.80f, 0.89f, 0.97f, 1.0f));
    ImGui::PushStyleColor(ImGuiCol_Text, ImVec4(0.0f, 0.0f, 0.0f, 1.0f));
    ImGui::PushStyleColor(ImGuiCol_Border, ImVec4(0.42f, 0.42f, 0.42f, 1.0f));
    ImGui::PushStyleVar(ImGuiStyleVar_FrameBorderSize, 1.0f);
    ImGui::PushStyleVar(ImGuiStyleVar_FrameRounding, 0.0f);
    ImGui::PushStyleVar(ImGuiStyleVar_FramePadding, ImVec2(1.0f, 1.0f));
}

void popButtonStyle() {
    ImGui::PopStyleVar(3);
    ImGui::PopStyleColor(5);
}

}  // namespace

PanelTextMetrics measurePanelText(const StatusReadouts& r, int panelWidth, const PanelFonts& f) {
    PanelTextMetrics m;
    m.scale = f.scale;
    m.panelWidth = panelWidth;
    m.teamLineWidth = textWidth(f.get(Font14), r.teamLine);
    m.font14Height = fontLineHeight(f.get(Font14));
    m.powerTextWidth = textWidth(f.get(Font20Bold), r.power);
    m.font20BoldHeight = fontLineHeight(f.get(Font20Bold));
    m.font20BoldDescent = fontDescent(f.get(Font20Bold));
    m.font12BoldHeight = fontLineHeight(f.get(Font12Bold));
    m.font12BoldDescent = fontDescent(f.get(Font12Bold));
    m.moveTankCaptionWidth = textWidth(f.get(Font8), moveTankCaption);
    m.moveCannonCaptionWidth = textWidth(f.get(Font8), moveCannonCaption);
    return m;
}

int statusPanelWidthNeeded(const PanelFonts& fonts) {
    // The widest readouts there can be: full power moves every button furthest right.
    const StatusReadouts widest = formatStatusReadouts("", "", 1, Tank::maxPower, 0, 0);
    return layoutRightEdge(layoutStatusPanel(measurePanelText(widest, 0, fonts)));
}

int drawStatusPanelView(const StatusReadouts& readouts, bool buttonsEnabled, const PanelRect& rect,
                        const PanelFonts& fonts, std::vector<OpaqueFill>& fills) {
    ImGui::SetNextWindowPos(ImVec2(static_cast<float>(rect.x), static_cast<float>(rect.y)));
    ImGui::SetNextWindowSize(
        ImVec2(static_cast<float>(rect.width), static_cast<float>(rect.height)));
    ImGui::PushStyleColor(ImGuiCol_WindowBg, panelGrey);
    ImGui::PushStyleVar(ImGuiStyleVar_WindowPadding, ImVec2(0.0f, 0.0f));
    ImGui::PushStyleVar(ImGuiStyleVar_WindowBorderSize, 0.0f);
    ImGui::PushStyleVar(ImGuiStyleVar_WindowRounding, 0.0f);
    const ImGuiWindowFlags flags =
        ImGuiWindowFlags_NoDecoration | ImGuiWindowFlags_NoMove | ImGuiWindowFlags_NoSavedSettings |
        ImGuiWindowFlags_NoBringToFrontOnFocus | ImGuiWindowFlags_NoFocusOnAppearing |
        ImGuiWindowFlags_NoNav | ImGuiWindowFlags_NoScrollWithMouse | ImGuiWindowFlags_NoBackground;
    const bool visible = ImGui::Begin("##StatusPanel", nullptr, flags);
    fills.push_back({ImGui::GetWindowPos(),
                     ImVec2(ImGui::GetWindowPos().x + ImGui::GetWindowSize().x,
                            ImGui::GetWindowPos().y + ImGui::GetWindowSize().y),
                     ImGui::GetColorU32(panelGrey), ImGui::GetWindowDrawList()});
    ImGui::PopStyleVar(3);
    ImGui::PopStyleColor();

    int clicked = 0;
    if (visible && readouts.hasTank) {
        const PanelLayout layout = layoutStatusPanel(measurePanelText(readouts, rect.width, fonts));
        ImDrawList* list = ImGui::GetWindowDrawList();
        const ImVec2 origin = ImGui::GetWindowPos();

        drawText(list, fonts.get(Font14), origin, layout.teamLineShadow, black, readouts.teamLine);
        drawText(list, fonts.get(Font14), origin, layout.teamLine, lightBlue, readouts.teamLine);
        drawText(list, fonts.get(Font20Bold), origin, layout.power, red, readouts.power);
        drawText(list, fonts.get(Font12Bold), origin, layout.angle, red, readouts.angle);
        drawText(list, fonts.get(Font12Bold), origin, layout.mileage, blue, readouts.mileage);
        drawText(list, fonts.get(Font8), origin, layout.moveTankCaption, black, moveTankCaption);
        drawText(list, fonts.get(Font8), origin, layout.moveCannonCaption, black,
                 moveCannonCaption);

        pushButtonStyle();
        ImGui::BeginDisabled(!buttonsEnabled);
        for (const PanelButtonInfo& button : panelButtons) {
            const PanelRect& box = layout.buttons[static_cast<std::size_t>(button.id)];
            ImGui::SetCursorPos(ImVec2(static_cast<float>(box.x), static_cast<float>(box.y)));
            ImGui::PushID(button.id);
            if (ImGui::Button(button.text, ImVec2(static_cast<float>(box.width),
                                                  static_cast<float>(box.height)))) {
                clicked = button.id;
            }
            ImGui::PopID();
        }
        ImGui::EndDisabled();
        popButtonStyle();
    }
    ImGui::End();
    if (clicked != 0) {
        // The 3-D view keeps the keyboard after a click.
        ImGui::SetWindowFocus(nullptr);
    }
    return clicked;
}
