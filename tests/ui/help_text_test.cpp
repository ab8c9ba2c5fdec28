// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the help text's parser and of the help viewer with odd files.
#include "ui/help_text.h"
#include "imgui_harness.h"
#include "ui/views.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <tuple>

TEST(HelpText, SectionsFollowTheirTitlesAndOddLinesAreTolerated) {
    const struct {
        std::string text;
        const char* sections;  // [title|body] each
    } cases[] = {
        {"\nKrellmont Help\n\nContents\n  1. The goal\n\n# The goal\nDestroy every tank\nof the "
         "other team.\n\nOne shell is enough.\n# Keys\n- Enter: fire every\n  cannon.\n- W: go.\n",
         "[|Krellmont Help\n\nContents\n  1. The goal][The goal|Destroy every tank of the other "
         "team.\n\nOne shell is enough.][Keys|- Enter: fire every cannon.\n- W: go.]"},
        // Neither "#" without a space nor a title left blank opens a section.
        {std::string("# One\r\nline\r\n#NotATitle\r\n# \r\nx\0y\n", 33),
         "[One|line #NotATitle # xy]"},
        {"\n\n  \n", ""},
        {"# Last\nno newline at the end", "[Last|no newline at the end]"},
    };
    for (const auto& c : cases) {
        std::string shown;
        for (const HelpSection& section : parseHelpText(c.text).sections)
            shown += "[" + section.title + "|" + section.body + "]";
        EXPECT_EQ(shown, c.sections);
    }
}

// Each file is loaded as the Help command would; what loads is drawn headless through every
// section: no window may ask for more vertices than the 16-bit index limit, nor, since only the
// visible part is drawn, anywhere near it, and the lines shown hold every character of the last
// section, blanks aside. With no room to wrap 4-byte letters in, a line is cut at 200 bytes,
// after a blank, never inside a letter; the rest, fitting, stays one line.
TEST(HelpFile, OddFilesFailCleanlyOrDrawOnlyTheirVisiblePart) {
    std::string binary(65536, '\0'), wrap = "# Wrap\nx ", smiles, words, atLimit(1 << 20, 'w');
    for (std::size_t i = 0; i < atLimit.size(); ++i) {
        binary[i % binary.size()] = static_cast<char>(i * 2654435761u >> 23);
        atLimit[i] = i % 24 == 23 ? '\n' : 'w';  // lines of 23 letters
        smiles += i < 60 ? "\U0001F642" : "";
        words += i < 50 ? "word " : "";
    }
    // What the viewer shows of an empty file; where the lines of "wrap" are cut (in bytes).
    const std::tuple<std::string, std::string, std::string> files[] = {
        {"", "", "Krellmont Help\nThe help file is empty.\n"},
        {"wrap", wrap + smiles + "\n\na" + smiles + " b c\n\n" + words,
         "2 200 40 0 197 48 0 54 54 54 54 29 "},
        {"binary", binary, ""},
        {"limit", atLimit, ""}};
    const auto printed = [](const char* from, const char* to) {
        return std::count_if(from, to, [](char c) { return c != ' ' && c != '\n'; });
    };
    for (const auto& [name, text, expected] : files) {
        std::ofstream(testing::TempDir() + "odd.hlp", std::ios::binary) << text;
        HelpViewerState help;
        ASSERT_TRUE(loadHelpFile(testing::TempDir() + "odd.hlp", help.document)) << name;
        ImGuiHarness ui;
        int mostVertices = 0;
        for (std::size_t i = 0; i < std::max<std::size_t>(1, help.document.sections.size()); ++i) {
            help.selected = static_cast<int>(i);
            ui.frames(2, [&] { drawHelpViewerView(help); });
            for (int list = 0; list < ImGui::GetDrawData()->CmdListsCount; ++list)
                mostVertices =
                    std::max(mostVertices, ImGui::GetDrawData()->CmdLists[list]->VtxBuffer.Size);
        }
        EXPECT_LT(mostVertices, 20000) << name;
        const std::string body =
            help.document.sections.empty() ? "" : help.document.sections.back().body;
        std::string cuts = help.lines.empty() ? ImGui::GetClipboardText() : "";
        long shown = 0;
        for (const HelpLine& line : help.lines) {
            cuts += std::to_string(line.end - line.begin) + " ";
            shown += printed(body.data() + line.begin, body.data() + line.end);
        }
        EXPECT_TRUE(expected.empty() || cuts == expected) << name << ": " << cuts;
        EXPECT_EQ(shown, printed(body.data(), body.data() + body.size())) << name;
    }
    HelpDocument none;
    std::ofstream(testing::TempDir() + "odd.hlp") << atLimit << 'x';  // one byte too many
    for (const std::string& path :
         {std::string("/nonexistent/x.hlp"), std::string("/"), testing::TempDir() + "odd.hlp"})
        EXPECT_FALSE(loadHelpFile(path, none)) << path;  // "/" is a folder
    std::remove((testing::TempDir() + "odd.hlp").c_str());
    EXPECT_EQ(helpFailedMessage("krellmont.hlp"), "Failed to open 'krellmont.hlp'");
}
