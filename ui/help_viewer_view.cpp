#include "ui/views.h"

namespace {

std::string tocLabel(const HelpSection& section, int index) {
    const std::string shown = section.title.empty() ? std::string("Contents") : section.title;
    return safeTitle(shown) + "##toc" + std::to_string(index);
}

}  // namespace

bool drawHelpViewerView(HelpViewerState& state) {
    bool open = true;
    const ImVec2 display = ImGui::GetIO().DisplaySize;
    ImGui::SetNextWindowSize(ImVec2(640.0f, 460.0f), ImGuiCond_Appearing);
    ImGui::SetNextWindowPos(ImVec2(display.x * 0.5f, display.y * 0.5f), ImGuiCond_Appearing,
                            ImVec2(0.5f, 0.5f));
    const bool shown = ImGui::Begin("Krellmont Help", &open,
                                    ImGuiWindowFlags_NoSavedSettings | ImGuiWindowFlags_NoCollapse);
    state.focused = open && ImGui::IsWindowFocused(ImGuiFocusedFlags_RootAndChildWindows);
    if (!shown) {
        ImGui::End();
        return open;
    }
    const std::vector<HelpSection>& sections = state.document.sections;
    const int count = static_cast<int>(sections.size());
    if (state.selected < 0 || state.selected >= count) {
        state.selected = 0;
    }

    ImGui::BeginChild("##contents", ImVec2(210.0f, 0.0f), true);
    for (int i = 0; i < count; ++i) {
        if (ImGui::Selectable(tocLabel(sections[static_cast<std::size_t>(i)], i).c_str(),
                              state.selected == i)) {
            state.selected = i;
            state.scrollToTop = true;
        }
    }
    ImGui::EndChild();
    ImGui::SameLine();
    ImGui::BeginChild("##text", ImVec2(0.0f, 0.0f), true);
    if (state.scrollToTop) {
        ImGui::SetScrollY(0.0f);
        state.scrollToTop = false;
    }
    if (count == 0) {
        ImGui::TextUnformatted("The help file is empty.");
    } else {
        const HelpSection& section = sections[static_cast<std::size_t>(state.selected)];
        if (!section.title.empty()) {
            ImGui::TextUnformatted(section.title.c_str());
            ImGui::Separator();
        }
        ImGui::PushTextWrapPos(0.0f);
        ImGui::TextUnformatted(section.body.c_str(), section.body.c_str() + section.body.size());
        ImGui::PopTextWrapPos();
    }
    ImGui::EndChild();
    ImGui::End();
    return open;
}
