// SPDX-License-Identifier: GPL-3.0-or-later
// The menu bar's view drawn with ImGui: items, check marks, underlined mnemonics, the keyboard's
// highlight; and SDL events fed to MenuKeyboard.
#include "ui/views.h"

#include "ui/sdl_keys.h"

#include <SDL.h>
#include <imgui_internal.h>

#include <cmath>

namespace {

// What one frame of the menu bar draws and finds.
struct MenuDrawing {
    const MenuKeyboard& keys;
    bool keyboardDriven;
    bool underline;
    std::vector<int> openMenus;  // what ImGui has open, outermost first
    int clicked = 0;
};

// ImGui identifies widgets by label; the id suffix keeps two items with one text apart.
std::string itemLabel(const MenuItem& item, int index) {
    return menuDisplayText(item.text) + "###m" + std::to_string(index);
}

// ImGui 1.86 has no mnemonics: a line under the letter, drawn where ImGui put the text.
void underlineMnemonic(ImDrawList& list, const MenuItem& item, ImVec2 textPos) {
    const Mnemonic mnemonic = menuMnemonic(item.text);
    const std::string shown = menuDisplayText(item.text);
    if (mnemonic.letter == 0 || mnemonic.shownIndex >= shown.size()) {
        return;
    }
    const char* text = shown.c_str();
    const float x0 = textPos.x + ImGui::CalcTextSize(text, text + mnemonic.shownIndex).x;
    const float x1 = textPos.x + ImGui::CalcTextSize(text, text + mnemonic.shownIndex + 1).x;
    const ImFont* font = ImGui::GetFont();
    const float baseline =
        std::floor(textPos.y + font->Ascent * ImGui::GetFontSize() / font->FontSize);
    // A filled pixel row stays crisp where an antialiased line would smear over two.
    list.AddRectFilled(ImVec2(std::floor(x0), baseline + 1.0f),
                       ImVec2(std::floor(x1) - 1.0f, baseline + 2.0f),
                       ImGui::GetColorU32(item.enabled ? ImGuiCol_Text : ImGuiCol_TextDisabled));
}

// `onPath`: these items are the ones the keyboard's path reaches at `level`.
void drawItems(const std::vector<MenuItem>& items, std::size_t level, bool onPath,
               MenuDrawing& drawing) {
    const std::vector<int>& path = drawing.keys.path();
    const bool driven = drawing.keyboardDriven;
    const int highlighted = onPath && path.size() == level + 1 ? path[level] : -1;
    const int wantOpen = onPath && path.size() > level + 1 ? path[level] : -1;
    const ImGuiStyle& style = ImGui::GetStyle();

    // The keyboard's highlight goes on a channel behind the items' text.
    ImDrawList& list = *ImGui::GetWindowDrawList();
    list.ChannelsSplit(2);
    list.ChannelsSetCurrent(1);
    ImVec2 highlightMin, highlightMax;
    int index = -1;
    for (const MenuItem& item : items) {
        ++index;
        if (item.separator) {
            ImGui::Separator();
            continue;
        }
        const std::string label = itemLabel(item, index);
        ImVec2 textPos = ImGui::GetCursorScreenPos();
        if (level == 0) {
            textPos.x += std::floor(style.ItemSpacing.x * 0.5f);
        }
        if (!item.children.empty()) {
            if (index == wantOpen && !ImGui::IsPopupOpen(label.c_str())) {
                ImGui::OpenPopup(label.c_str());
            }
            if (ImGui::BeginMenu(label.c_str(), item.enabled)) {
                if (driven && index != wantOpen) {
                    ImGui::CloseCurrentPopup();
                } else {
                    drawing.openMenus.resize(level);
                    drawing.openMenus.push_back(index);
                }
                drawItems(item.children, level + 1, onPath && index == wantOpen, drawing);
                ImGui::EndMenu();
            }
        } else if (ImGui::MenuItem(label.c_str(), nullptr, item.checked, item.enabled)) {
            drawing.clicked = item.commandId;
        }
        // Items pad their box by half the item spacing above the text.
        textPos.y = ImGui::GetItemRectMin().y + std::floor(style.ItemSpacing.y * 0.5f);
        if (drawing.underline) {
            underlineMnemonic(list, item, textPos);
        }
        if (index == highlighted) {
            highlightMin = ImGui::GetItemRectMin();
            highlightMax = ImGui::GetItemRectMax();
        }
    }
    if (highlighted >= 0) {
        list.ChannelsSetCurrent(0);
        list.AddRectFilled(highlightMin, highlightMax, ImGui::GetColorU32(ImGuiCol_HeaderHovered));
    }
    list.ChannelsMerge();
}

}  // namespace

int drawMenuBarView(const MenuModel& menu, MenuKeyboard& keys, float& height,
                    std::vector<OpaqueFill>& fills) {
    height = 0.0f;
    // The window's and the bar's backgrounds are cleared rather than filled: transparent here.
    const ImU32 windowBg = ImGui::GetColorU32(ImGuiCol_WindowBg);
    const ImU32 barBg = ImGui::GetColorU32(ImGuiCol_MenuBarBg);
    ImGui::SetNextWindowBgAlpha(0.0f);
    ImGui::PushStyleColor(ImGuiCol_MenuBarBg, IM_COL32(0, 0, 0, 0));
    const bool open = ImGui::BeginMainMenuBar();
    ImGui::PopStyleColor();
    if (!open) {
        return 0;
    }
    // As ImGui fills them: the whole window, then the bar inside the window's side borders.
    const ImGuiWindow& window = *ImGui::GetCurrentWindow();
    ImRect bar = window.MenuBarRect();
    bar.ClipWith(window.Rect());
    const float border = window.WindowBorderSize;
    fills.push_back({window.Rect().Min, window.Rect().Max, windowBg, window.DrawList});
    fills.push_back({ImVec2(bar.Min.x + border, bar.Min.y), ImVec2(bar.Max.x - border, bar.Max.y),
                     barBg, window.DrawList});
    MenuDrawing drawing{keys, keys.keyboardDriven(), keys.showMnemonics(), {}, 0};
    drawItems(menu.dropDowns(), 0, keys.keyboardDriven(), drawing);
    height = ImGui::GetWindowSize().y;
    ImGui::EndMainMenuBar();
    keys.followPointer(drawing.openMenus);
    return drawing.clicked;
}

int feedMenuKeyboard(MenuKeyboard& keys, const MenuModel& menu, const SDL_Event& event) {
    switch (event.type) {
        case SDL_KEYDOWN: {
            const SDL_Keycode key = event.key.keysym.sym;
            const bool alt = (event.key.keysym.mod & KMOD_ALT) != 0;
            return keys.keyDown(menu.dropDowns(), keyFor(key), static_cast<char>(key), alt).command;
        }
        case SDL_KEYUP:
            if (keyFor(event.key.keysym.sym) == Key::Alt) {
                keys.altUp();
            }
            return 0;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEMOTION:
        case SDL_MOUSEWHEEL:
            keys.mouseUsed();
            return 0;
        case SDL_WINDOWEVENT:
            if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
                keys.reset();
            }
            return 0;
        default:
            return 0;
    }
}
