// SPDX-License-Identifier: GPL-3.0-or-later
// The "Controllers" dialog's view: a row per controller (plugged in or not, and its holder's
// choice), OK and Cancel.
#include "game/controllers_dialog.h"
#include "ui/dialog_frame.h"
#include "ui/views.h"

namespace {

// The holder's choice of one controller: whoever has the turn, or one of the people.
void holderChoice(ControllersDialog& dialog, int slot) {
    ImGui::SetNextItemWidth(interfacePixels(200.0f));
    const int held = dialog.holder(slot);
    if (!ImGui::BeginCombo("##holder", dialog.holderLabel(held).c_str())) {
        return;
    }
    for (int person = -1; person < static_cast<int>(dialog.people().size()); ++person) {
        ImGui::PushID(person);
        if (ImGui::Selectable(dialog.holderLabel(person).c_str(), held == person)) {
            dialog.give(slot, person);
        }
        if (held == person) {
            ImGui::SetItemDefaultFocus();
        }
        ImGui::PopID();
    }
    ImGui::EndCombo();
}

}  // namespace

bool drawControllersDialogView(ControllersDialog& dialog, unsigned serial, bool& accepted,
                               const ModalContext& modal) {
    bool open = true;
    accepted = false;
    if (!beginDialog(ControllersDialog::title, "controllers", serial, &open)) {
        return open;  // the close box: Cancel
    }
    const float stateColumn = interfacePixels(100.0f);
    const float holderColumn = stateColumn + interfacePixels(110.0f);
    for (int slot = 0; slot < controllerSlots; ++slot) {
        ImGui::PushID(slot);
        ImGui::AlignTextToFramePadding();
        ImGui::TextUnformatted(controllerName(slot).c_str());
        ImGui::SameLine(stateColumn);
        const bool plugged = dialog.connected[static_cast<std::size_t>(slot)];
        ImGui::BeginDisabled(!plugged);
        ImGui::TextUnformatted(plugged ? ControllersDialog::connectedText
                                       : ControllersDialog::unpluggedText);
        ImGui::EndDisabled();
        ImGui::SameLine(holderColumn);
        holderChoice(dialog, slot);
        ImGui::PopID();
    }

    if (open) {
        const OkCancel answer = okCancelButtons(interfacePixels(75.0f), 1.0f);
        accepted = answer == OkCancel::Ok;
        open = answer == OkCancel::None;
    }
    if (!open) {
        ImGui::CloseCurrentPopup();
    }
    drawMessageBoxView(modal.messages, modal.messageSerial);
    ImGui::EndPopup();
    return open;
}
