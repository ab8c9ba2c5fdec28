// SPDX-License-Identifier: GPL-3.0-or-later
// The new-game dialogs' views: team, player (camouflage previews, played by) and arena size,
// with their fields, mnemonics and OK.
#include "game/names.h"
#include "game/setup_dialogs.h"
#include "ui/dialog_frame.h"
#include "ui/views.h"

#include <SDL_scancode.h>

#include <cstdint>

namespace {

// Names hold 23 bytes (nameCapacity with the terminator); counts and lengths a few digits,
// with room to type a wrong value.
constexpr std::size_t numberCapacity = 16;
float fieldWidth() {
    return interfacePixels(200.0f);
}
// Dialog buttons are 75 pixels wide at 100%.
float buttonWidth() {
    return interfacePixels(75.0f);
}

void labelledField(const char* label, const char* id, std::string& value, std::size_t capacity,
                   bool digitsOnly, int index, int focusIndex) {
    ImGui::TextUnformatted(label);
    ImGui::SetNextItemWidth(fieldWidth());
    inputString(id, value, capacity, digitsOnly, index == focusIndex);
    noteActiveField(index);
}

// OK sits at the bottom right; when it is pressed and the check passes the dialog closes.
bool finishDialog(const OkAction& ok, const ModalContext& modal) {
    ImGui::Dummy(ImVec2(0.0f, 6.0f));
    const float available = ImGui::GetContentRegionAvail().x;
    if (available > buttonWidth()) {
        ImGui::SetCursorPosX(ImGui::GetCursorPosX() + available - buttonWidth());
    }
    bool open = true;
    if (okButtonPressed(buttonWidth()) && (!ok || ok())) {
        ImGui::CloseCurrentPopup();
        open = false;
    }
    drawMessageBoxView(modal.messages, modal.messageSerial);
    ImGui::EndPopup();
    return open;
}

// A radio button whose first letter, underlined while Alt is held, picks it with Alt.
bool mnemonicRadio(const char* label, bool active, bool enabled) {
    ImGui::BeginDisabled(!enabled);
    const bool clicked = ImGui::RadioButton(label, active);
    if (ImGui::GetIO().KeyAlt) {
        const ImGuiStyle& style = ImGui::GetStyle();
        const float x =
            ImGui::GetItemRectMin().x + ImGui::GetFrameHeight() + style.ItemInnerSpacing.x;
        const float y = ImGui::GetItemRectMin().y + style.FramePadding.y + ImGui::GetFontSize();
        ImGui::GetWindowDrawList()->AddLine(ImVec2(x, y),
                                            ImVec2(x + ImGui::CalcTextSize(label, label + 1).x, y),
                                            ImGui::GetColorU32(ImGuiCol_Text));
    }
    ImGui::EndDisabled();
    return clicked;
}

// Alt with a choice's first letter picks it, as desktop dialogs do; the letter is not typed into
// the field that has the keyboard. Synthesized typing can let Alt go before the frame that sees
// the letter, so Alt down in the frame before counts too.
void takeMnemonics(PlayerDialog& dialog) {
    static bool altBefore = false;
    ImGuiIO& io = ImGui::GetIO();
    const bool alt = io.KeyAlt || altBefore;
    altBefore = io.KeyAlt;
    if (!alt) {
        return;
    }
    const SDL_Scancode keys[] = {SDL_SCANCODE_P, SDL_SCANCODE_C, SDL_SCANCODE_E, SDL_SCANCODE_N,
                                 SDL_SCANCODE_H};
    bool taken = io.KeyAlt;
    for (int i = 0; i < 5; ++i) {
        if (!ImGui::IsKeyPressed(keys[i], false)) {
            continue;
        }
        taken = true;
        if (i == 0) {
            dialog.playByPerson();
        } else if (i == 1) {
            dialog.playByComputer();
        } else {
            dialog.chooseLevel(i - 2);
        }
    }
    if (taken) {
        io.InputQueueCharacters.resize(0);
    }
}

// "Played by:" and its choices, framed like the camouflage above them: the person on one row,
// the computer and its levels on the next.
void drawPlayedBy(PlayerDialog& dialog, float width) {
    ImGui::Dummy(ImVec2(0.0f, 4.0f));
    ImGui::TextUnformatted(PlayerDialog::playedByLabel);
    const ImGuiStyle& style = ImGui::GetStyle();
    const float height =
        ImGui::GetFrameHeight() * 2.0f + style.ItemSpacing.y + style.WindowPadding.y * 2.0f;
    ImGui::BeginChild("##playedBy", ImVec2(width, height), true, ImGuiWindowFlags_NavFlattened);
    if (mnemonicRadio(PlayerDialog::personLabel, !dialog.byComputer && !dialog.byNetwork, true)) {
        dialog.playByPerson();
    }
    if (dialog.networkOffered) {
        ImGui::SameLine(0.0f, interfacePixels(24.0f));
        // No mnemonic: its letter belongs to "Normal".
        if (ImGui::RadioButton(PlayerDialog::networkLabel, dialog.byNetwork)) {
            dialog.playByNetwork();
        }
    }
    if (mnemonicRadio(PlayerDialog::computerLabel, dialog.byComputer, true)) {
        dialog.playByComputer();
    }
    for (int i = 0; i < static_cast<int>(PlayerDialog::levelLabels.size()); ++i) {
        ImGui::SameLine(0.0f, interfacePixels(i == 0 ? 24.0f : 12.0f));
        ImGui::PushID(i);
        if (mnemonicRadio(PlayerDialog::levelLabels[static_cast<std::size_t>(i)], dialog.level == i,
                          dialog.byComputer)) {
            dialog.chooseLevel(i);
        }
        ImGui::PopID();
    }
    ImGui::EndChild();
}

// "Controls:" and its choice on one row: a person may take a controller; for the computer or a
// player at another machine it is grey.
void drawControls(PlayerDialog& dialog) {
    ImGui::Dummy(ImVec2(0.0f, 4.0f));
    ImGui::AlignTextToFramePadding();
    ImGui::TextUnformatted(PlayerDialog::controlsLabel);
    ImGui::SameLine();
    ImGui::SetNextItemWidth(fieldWidth());
    ImGui::BeginDisabled(!dialog.controllerOffered());
    const auto name = [](int slot) {
        return slot < 0 ? std::string(PlayerDialog::keyboardLabel) : controllerName(slot);
    };
    if (ImGui::BeginCombo("##controls", name(dialog.controllerTaken()).c_str())) {
        for (int slot = -1; slot < controllerSlots; ++slot) {
            const bool chosen = dialog.controller == slot;
            if (ImGui::Selectable(name(slot).c_str(), chosen)) {
                dialog.chooseController(slot);
            }
            if (chosen) {
                ImGui::SetItemDefaultFocus();
            }
        }
        ImGui::EndCombo();
    }
    ImGui::EndDisabled();
}

}  // namespace

bool drawTeamDialogView(TeamDialog& dialog, unsigned serial, const OkAction& ok,
                        const ModalContext& modal) {
    if (!beginDialog(TeamDialog::title, "team", serial, nullptr)) {
        return true;
    }
    const int focus = fieldToFocus();
    labelledField(TeamDialog::nameLabel, "##teamName", dialog.name, nameCapacity, false, 0, focus);
    labelledField(TeamDialog::countLabel, "##playerCount", dialog.countText, numberCapacity, false,
                  1, focus);
    ImGui::SameLine();
    ImGui::TextUnformatted(dialog.rangeText.c_str());
    return finishDialog(ok, modal);
}

bool drawPlayerDialogView(PlayerDialog& dialog, unsigned serial, const OkAction& ok,
                          const std::array<unsigned, 5>& previews, const ModalContext& modal) {
    if (!beginDialog(dialog.title, "player", serial, nullptr)) {
        return true;
    }
    takeMnemonics(dialog);
    const int focus = fieldToFocus();
    labelledField(PlayerDialog::nameLabel, "##playerName", dialog.name, nameCapacity, false, 0,
                  focus);
    labelledField(PlayerDialog::countLabel, "##tankCount", dialog.countText, numberCapacity, false,
                  1, focus);
    ImGui::SameLine();
    ImGui::TextUnformatted(dialog.rangeText.c_str());

    ImGui::Dummy(ImVec2(0.0f, 4.0f));
    ImGui::TextUnformatted(PlayerDialog::camouflageLabel);
    const float column = interfacePixels(72.0f);
    const ImVec2 picture(interfacePixels(21.0f), interfacePixels(20.0f));
    const float boxWidth = column * 5.0f + interfacePixels(16.0f);
    // Flattened: the d-pad walks the frames' choices as if they were the dialog's own.
    ImGui::BeginChild("##camouflage", ImVec2(boxWidth, interfacePixels(66.0f)), true,
                      ImGuiWindowFlags_NavFlattened);
    const float left = ImGui::GetCursorPosX();
    const float top = ImGui::GetCursorPosY();
    for (std::size_t i = 0; i < camouflages.size(); ++i) {
        const int buttonId = camouflageButtonId(static_cast<int>(i));
        const float x = left + column * static_cast<float>(i);
        // The picture stands centred over its radio button.
        ImGui::SetCursorPos(ImVec2(x + (column - picture.x) * 0.5f - interfacePixels(4.0f), top));
        if (previews[i] != 0) {
            // Bitmaps are stored bottom row first; flip them upright.
            ImGui::Image(reinterpret_cast<ImTextureID>(static_cast<std::uintptr_t>(previews[i])),
                         picture, ImVec2(0.0f, 1.0f), ImVec2(1.0f, 0.0f));
        } else {
            const ImVec2 at = ImGui::GetCursorScreenPos();
            ImGui::GetWindowDrawList()->AddRectFilled(
                at, ImVec2(at.x + picture.x, at.y + picture.y), IM_COL32(128, 128, 128, 255));
            ImGui::Dummy(picture);
        }
        ImGui::SetCursorPos(ImVec2(x, top + picture.y + interfacePixels(6.0f)));
        ImGui::PushID(buttonId);
        if (ImGui::RadioButton(camouflages[i].label, dialog.checkedButton == buttonId)) {
            dialog.check(buttonId);
        }
        ImGui::PopID();
    }
    ImGui::EndChild();
    drawPlayedBy(dialog, boxWidth);
    drawControls(dialog);
    return finishDialog(ok, modal);
}

bool drawArenaSizeDialogView(ArenaSizeDialog& dialog, unsigned serial, const OkAction& ok,
                             const ModalContext& modal) {
    if (!beginDialog(ArenaSizeDialog::title, "arena", serial, nullptr)) {
        return true;
    }
    const int focus = fieldToFocus();
    labelledField(ArenaSizeDialog::lengthLabel, "##floorLength", dialog.lengthText, numberCapacity,
                  true, 0, focus);
    ImGui::TextUnformatted(dialog.limitsText.c_str());
    return finishDialog(ok, modal);
}
