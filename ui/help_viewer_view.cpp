// SPDX-License-Identifier: GPL-3.0-or-later
// The help viewer's view: the contents list and the selected section wrapped into lines.
#include "ui/views.h"

#include <algorithm>

namespace {

// ImGui puts all of a window's text into one vertex list with 16-bit indices. Drawing only
// the lines in view, no longer than this many bytes, in a window no larger than below keeps
// that list far from the limit whatever the file holds (even glyphs that take no room).
constexpr std::size_t maxLineBytes = 200;
const ImVec2 largestWindow(1440.0f, 1200.0f);

std::string tocLabel(const HelpSection& section, int index) {
    const std::string shown = section.title.empty() ? std::string("Contents") : section.title;
    return safeTitle(shown) + "##toc" + std::to_string(index);
}

bool continuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Cuts each line of the text where it wraps at `width` in the current font.
void wrapLines(const std::string& text, float width, std::vector<HelpLine>& lines) {
    const ImFont* font = ImGui::GetFont();
    const float scale = ImGui::GetFontSize() / font->FontSize;
    const char* const base = text.data();
    const char* const end = base + text.size();
    lines.clear();
    for (const char* start = base;; ++start) {
        const char* const lineEnd = std::find(start, end, '\n');
        const char* at = start;
        do {
            const char* limit = at + std::min<std::size_t>(lineEnd - at, maxLineBytes);
            while (limit < lineEnd && limit > at + 1 && continuationByte(*limit)) {
                --limit;
            }
            const char* cut = font->CalcWordWrapPositionA(scale, at, limit, width);
            if (cut == limit && limit < lineEnd) {
                // Too long for a line at any width: break after its last blank, if any.
                const char* blank = limit;
                while (blank > at && *(blank - 1) != ' ') {
                    --blank;
                }
                cut = blank > at ? blank : limit;
            }
            if (cut <= at && at < lineEnd) {
                cut = at + 1;  // not even one character fits: show one anyway
            }
            while (cut < lineEnd && continuationByte(*cut)) {
                ++cut;
            }
            cut = std::min(cut, lineEnd);
            lines.push_back(HelpLine{static_cast<std::size_t>(at - base),
                                     static_cast<std::size_t>(cut - base)});
            at = cut;
            // Like ImGui's own wrapping, a new line does not start with the blanks it broke at.
            while (at < lineEnd && (*at == ' ' || *at == '\t')) {
                ++at;
            }
        } while (at < lineEnd);
        if (lineEnd == end) {
            break;
        }
        start = lineEnd;
    }
}

}  // namespace

bool drawHelpViewerView(HelpViewerState& state) {
    bool open = true;
    // A large interface on a small window would start the viewer past the window's edges.
    const ImVec2 display = ImGui::GetIO().DisplaySize;
    ImGui::SetNextWindowSize(ImVec2(std::min(interfacePixels(640.0f), display.x),
                                    std::min(interfacePixels(460.0f), display.y)),
                             ImGuiCond_Appearing);
    ImGui::SetNextWindowSizeConstraints(
        ImVec2(0.0f, 0.0f),
        ImVec2(interfacePixels(largestWindow.x), interfacePixels(largestWindow.y)));
    centreNextWindow();
    const bool shown = ImGui::Begin("Krellmont Help", &open,
                                    ImGuiWindowFlags_NoSavedSettings | ImGuiWindowFlags_NoCollapse);
    state.focused = open && ImGui::IsWindowFocused(ImGuiFocusedFlags_RootAndChildWindows);
    if (state.focused && escapePressed()) {
        open = false;  // as its close box
    }
    if (!shown) {
        ImGui::End();
        return open;
    }
    const std::vector<HelpSection>& sections = state.document.sections;
    const int count = static_cast<int>(sections.size());
    if (state.selected < 0 || state.selected >= count) {
        state.selected = 0;
    }

    ImGui::BeginChild("##contents", ImVec2(interfacePixels(210.0f), 0.0f), true);
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
        const float width = std::max(1.0f, ImGui::GetContentRegionAvail().x);
        if (state.wrappedSection != state.selected || state.wrappedWidth != width) {
            wrapLines(section.body, width, state.lines);
            state.wrappedSection = state.selected;
            state.wrappedWidth = width;
        }
        const char* const text = section.body.data();
        ImGuiListClipper clipper;
        clipper.Begin(static_cast<int>(state.lines.size()));
        while (clipper.Step()) {
            for (int i = clipper.DisplayStart; i < clipper.DisplayEnd; ++i) {
                const HelpLine& line = state.lines[static_cast<std::size_t>(i)];
                ImGui::TextUnformatted(text + line.begin, text + line.end);
            }
        }
    }
    ImGui::EndChild();
    ImGui::End();
    return open;
}
