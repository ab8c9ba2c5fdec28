// SPDX-License-Identifier: GPL-3.0-or-later
// The "Activate Shield" dialog's view: the check box, the shield choices, OK and Cancel.
#include "combat/shields.h"
#include "ui/dialog_frame.h"
#include "ui/views.h"

bool drawShieldsDialogView(ShieldsDialog& dialog, unsigned serial, const ModalContext& modal) {
    bool open = true;
    if (!beginDialog(ShieldsDialog::title, "shields", serial, &open)) {
        // The close box was clicked: Cancel.
        if (!open) {
            dialog.pressCancel();
        }
        return open;
    }
    bool checked = dialog.activateChecked();
    ImGui::BeginDisabled(!dialog.activateEnabled());
    if (ImGui::Checkbox(ShieldsDialog::checkBoxText, &checked)) {
        dialog.clickActivate();
    }
    ImGui::EndDisabled();

    const float kindsHeight =
        ImGui::GetFrameHeightWithSpacing() * 3.0f + ImGui::GetStyle().WindowPadding.y * 2.0f;
    // The d-pad walks the choices as if they were the dialog's own, in and out of the frame.
    ImGui::BeginChild("##kinds", ImVec2(interfacePixels(260.0f), kindsHeight), true,
                      ImGuiWindowFlags_NavFlattened);
    for (int kind = 0; kind < shieldKindCount; ++kind) {
        ImGui::BeginDisabled(!dialog.choiceEnabled(kind));
        ImGui::PushID(kind);
        if (ImGui::RadioButton(dialog.choiceText(kind).c_str(), dialog.checkedChoice() == kind)) {
            dialog.clickChoice(kind);
        }
        ImGui::PopID();
        ImGui::EndDisabled();
    }
    ImGui::EndChild();

    if (open) {
        switch (okCancelButtons(interfacePixels(75.0f), 0.5f)) {
            case OkCancel::Ok:
                dialog.pressOk();
                open = false;
                break;
            case OkCancel::Cancel:
                dialog.pressCancel();
                open = false;
                break;
            case OkCancel::None:
                break;
        }
    }
    if (!open) {
        ImGui::CloseCurrentPopup();
    }
    drawMessageBoxView(modal.messages, modal.messageSerial);
    ImGui::EndPopup();
    return open;
}
