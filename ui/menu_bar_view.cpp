#include "ui/views.h"

namespace {

// ImGui identifies widgets by label; the id suffix keeps two items with one text apart.
std::string itemLabel(const MenuItem& item, int index) {
    return menuDisplayText(item.text) + "###m" + std::to_string(index);
}

int drawItems(const std::vector<MenuItem>& items) {
    int clicked = 0;
    int index = 0;
    for (const MenuItem& item : items) {
        ++index;
        if (item.separator) {
            ImGui::Separator();
        } else if (!item.children.empty()) {
            if (ImGui::BeginMenu(itemLabel(item, index).c_str(), item.enabled)) {
                const int id = drawItems(item.children);
                clicked = id != 0 ? id : clicked;
                ImGui::EndMenu();
            }
        } else if (ImGui::MenuItem(itemLabel(item, index).c_str(), nullptr, item.checked,
                                   item.enabled)) {
            clicked = item.commandId;
        }
    }
    return clicked;
}

}  // namespace

int drawMenuBarView(const MenuModel& menu, float& height) {
    height = 0.0f;
    if (!ImGui::BeginMainMenuBar()) {
        return 0;
    }
    const int clicked = drawItems(menu.dropDowns());
    height = ImGui::GetWindowSize().y;
    ImGui::EndMainMenuBar();
    return clicked;
}
