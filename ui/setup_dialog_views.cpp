#include "game/names.h"
#include "game/setup_dialogs.h"
#include "ui/dialog_frame.h"
#include "ui/views.h"

#include <cstdint>

namespace {

// Names hold 23 bytes (nameCapacity with the terminator); counts and lengths a few digits,
// with room to type a wrong value.
constexpr std::size_t numberCapacity = 16;
constexpr float fieldWidth = 200.0f;
constexpr float buttonWidth = 75.0f;

void labelledField(const char* label, const char* id, std::string& value, std::size_t capacity,
                   bool digitsOnly, int index, int focusIndex) {
    ImGui::TextUnformatted(label);
    ImGui::SetNextItemWidth(fieldWidth);
    inputString(id, value, capacity, digitsOnly, index == focusIndex);
    noteActiveField(index);
}

// OK sits at the bottom right; when it is pressed and the check passes the dialog closes.
bool finishDialog(const OkAction& ok, const ModalContext& modal) {
    ImGui::Dummy(ImVec2(0.0f, 6.0f));
    const float available = ImGui::GetContentRegionAvail().x;
    if (available > buttonWidth) {
        ImGui::SetCursorPosX(ImGui::GetCursorPosX() + available - buttonWidth);
    }
    bool open = true;
    if (okButtonPressed(buttonWidth) && (!ok || ok())) {
        ImGui::CloseCurrentPopup();
        open = false;
    }
    drawMessageBoxView(modal.messages, modal.messageSerial);
    ImGui::EndPopup();
    return open;
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
    const int focus = fieldToFocus();
    labelledField(PlayerDialog::nameLabel, "##playerName", dialog.name, nameCapacity, false, 0,
                  focus);
    labelledField(PlayerDialog::countLabel, "##tankCount", dialog.countText, numberCapacity, false,
                  1, focus);
    ImGui::SameLine();
    ImGui::TextUnformatted(dialog.rangeText.c_str());

    ImGui::Dummy(ImVec2(0.0f, 4.0f));
    ImGui::TextUnformatted(PlayerDialog::camouflageLabel);
    const float column = 72.0f;
    const ImVec2 picture(21.0f, 20.0f);
    ImGui::BeginChild("##camouflage", ImVec2(column * 5.0f + 16.0f, 66.0f), true);
    const float left = ImGui::GetCursorPosX();
    const float top = ImGui::GetCursorPosY();
    for (std::size_t i = 0; i < camouflageChoices.size(); ++i) {
        const CamouflageChoice& choice = camouflageChoices[i];
        const float x = left + column * static_cast<float>(i);
        // The picture stands centred over its radio button.
        ImGui::SetCursorPos(ImVec2(x + (column - picture.x) * 0.5f - 4.0f, top));
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
        ImGui::SetCursorPos(ImVec2(x, top + picture.y + 6.0f));
        ImGui::PushID(choice.buttonId);
        if (ImGui::RadioButton(choice.label, dialog.checkedButton == choice.buttonId)) {
            dialog.check(choice.buttonId);
        }
        ImGui::PopID();
    }
    ImGui::EndChild();
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
