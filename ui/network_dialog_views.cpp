// SPDX-License-Identifier: GPL-3.0-or-later
// The network dialogs' views: hosting, joining (with the games found), waiting for players,
// and the question before leaving a network game.
#include "game/names.h"
#include "net/network_dialogs.h"
#include "ui/dialog_frame.h"
#include "ui/views.h"

namespace {

// Dialog buttons are 75 pixels wide at 100%.
float buttonWidth() {
    return interfacePixels(75.0f);
}
float fieldWidth() {
    return interfacePixels(260.0f);
}
constexpr std::size_t addressCapacity = 256;
constexpr std::size_t portCapacity = 8;

void field(const char* label, const char* id, std::string& value, std::size_t capacity,
           bool digitsOnly, int index, int focus) {
    ImGui::TextUnformatted(label);
    ImGui::SetNextItemWidth(fieldWidth());
    inputString(id, value, capacity, digitsOnly, index == focus);
    noteActiveField(index);
}

// Two buttons at the bottom right: the first also answers Enter, the second Escape.
NetworkChoice buttons(const char* accept, const char* cancel, bool acceptEnabled,
                      const OkAction& ok) {
    ImGui::Dummy(ImVec2(0.0f, 6.0f));
    placeTwoButtons(buttonWidth(), 1.0f);
    const bool focused = dialogFocused();
    NetworkChoice choice = NetworkChoice::None;
    ImGui::BeginDisabled(!acceptEnabled);
    if ((ImGui::Button(accept, ImVec2(buttonWidth(), 0.0f)) ||
         (acceptEnabled && focused && enterPressed())) &&
        (!ok || ok())) {
        choice = NetworkChoice::Accept;
    }
    ImGui::EndDisabled();
    ImGui::SameLine();
    if (ImGui::Button(cancel, ImVec2(buttonWidth(), 0.0f)) || (focused && escapePressed())) {
        choice = NetworkChoice::Cancel;
    }
    return choice;
}

NetworkChoice finish(NetworkChoice choice, const ModalContext& modal) {
    if (choice == NetworkChoice::Cancel) {
        ImGui::CloseCurrentPopup();
    }
    drawMessageBoxView(modal.messages, modal.messageSerial);
    ImGui::EndPopup();
    return choice;
}

}  // namespace

NetworkChoice drawHostDialogView(HostDialog& dialog, unsigned serial, const OkAction& ok,
                                 const ModalContext& modal) {
    if (!beginDialog(HostDialog::title, "host", serial, nullptr)) {
        return NetworkChoice::None;
    }
    const int focus = fieldToFocus();
    field(HostDialog::portLabel, "##port", dialog.portText, portCapacity, true, 0, focus);
    ImGui::Dummy(ImVec2(0.0f, 4.0f));
    ImGui::TextUnformatted(HostDialog::addressesLabel);
    for (const std::string& address : dialog.addresses) {
        ImGui::BulletText("%s", address.c_str());
    }
    const NetworkChoice choice = buttons("OK", "Cancel", true, ok);
    if (choice == NetworkChoice::Accept) {
        ImGui::CloseCurrentPopup();
    }
    return finish(choice, modal);
}

NetworkChoice drawJoinDialogView(JoinDialog& dialog, unsigned serial, const OkAction& ok,
                                 const ModalContext& modal) {
    if (!beginDialog(JoinDialog::title, "join", serial, nullptr)) {
        return NetworkChoice::None;
    }
    ImGui::TextUnformatted(JoinDialog::foundLabel);
    const float listHeight =
        ImGui::GetTextLineHeightWithSpacing() * 4.0f + ImGui::GetStyle().WindowPadding.y * 2.0f;
    ImGui::BeginChild("##found", ImVec2(fieldWidth() * 1.6f, listHeight), true);
    if (dialog.found.empty()) {
        ImGui::TextDisabled("Looking for games...");
    }
    for (std::size_t i = 0; i < dialog.found.size(); ++i) {
        const FoundGame& game = dialog.found[i];
        ImGui::PushID(static_cast<int>(i));
        const bool chosen =
            dialog.address == game.address && dialog.portText == std::to_string(game.port);
        if (ImGui::Selectable(game.label().c_str(), chosen)) {
            dialog.choose(game);
        }
        ImGui::PopID();
    }
    ImGui::EndChild();
    const int focus = fieldToFocus();
    field(JoinDialog::nameLabel, "##name", dialog.name, nameCapacity, false, 0, focus);
    field(JoinDialog::addressLabel, "##address", dialog.address, addressCapacity, false, 1, focus);
    field(JoinDialog::portLabel, "##port", dialog.portText, portCapacity, true, 2, focus);
    if (!dialog.status.empty()) {
        ImGui::Dummy(ImVec2(0.0f, 4.0f));
        ImGui::PushTextWrapPos(fieldWidth() * 1.6f);
        ImGui::TextUnformatted(dialog.status.c_str());
        ImGui::PopTextWrapPos();
    }
    return finish(buttons("Join", "Cancel", !dialog.joining, ok), modal);
}

NetworkChoice drawWaitingBoxView(const WaitingBox& box, unsigned serial,
                                 const ModalContext& modal) {
    if (!beginDialog(box.title, "waiting", serial, nullptr)) {
        return NetworkChoice::None;
    }
    for (const std::string& line : box.lines) {
        ImGui::BulletText("%s", line.c_str());
    }
    if (!box.note.empty()) {
        ImGui::Dummy(ImVec2(0.0f, 4.0f));
        ImGui::TextUnformatted(box.note.c_str());
    }
    ImGui::Dummy(ImVec2(0.0f, 6.0f));
    const float available = ImGui::GetContentRegionAvail().x;
    if (available > buttonWidth()) {
        ImGui::SetCursorPosX(ImGui::GetCursorPosX() + available - buttonWidth());
    }
    NetworkChoice choice = NetworkChoice::None;
    if (ImGui::Button("Cancel", ImVec2(buttonWidth(), 0.0f)) ||
        (dialogFocused() && escapePressed())) {
        choice = NetworkChoice::Cancel;
    }
    return finish(choice, modal);
}

NetworkChoice drawLeaveQuestionView(const std::string& question, unsigned serial,
                                    const ModalContext& modal) {
    if (!beginDialog("Network game", "leave", serial, nullptr)) {
        return NetworkChoice::None;
    }
    ImGui::TextUnformatted(question.c_str());
    const NetworkChoice choice = buttons("Yes", "No", true, nullptr);
    if (choice == NetworkChoice::Accept) {
        ImGui::CloseCurrentPopup();
    }
    return finish(choice, modal);
}
