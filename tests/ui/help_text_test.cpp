#include "ui/help_text.h"
#include "imgui_harness.h"
#include "ui/views.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>

TEST(HelpText, SectionsFollowTheirTitlesAndTheOpeningKeepsItsLines) {
    const HelpDocument doc = parseHelpText(
        "Krellmont Help\n\nContents\n  1. The goal\n  2. Keys\n\n"
        "# The goal\nDestroy every tank\nof the other team.\n\nOne shell is enough.\n"
        "# Keys\n- Enter: fire every\n  cannon.\n- W: forward.\n");
    ASSERT_EQ(doc.sections.size(), 3u);
    EXPECT_EQ(doc.sections[0].title, "");
    EXPECT_EQ(doc.sections[0].body, "Krellmont Help\n\nContents\n  1. The goal\n  2. Keys");
    EXPECT_EQ(doc.sections[1].title, "The goal");
    EXPECT_EQ(doc.sections[1].body,
              "Destroy every tank of the other team.\n\nOne shell is enough.");
    EXPECT_EQ(doc.sections[2].title, "Keys");
    EXPECT_EQ(doc.sections[2].body, "- Enter: fire every cannon.\n- W: forward.");
}

TEST(HelpText, ToleratesWindowsLineEndsStrayBytesAndOddTitles) {
    // Neither "#" without a space nor a title left blank opens a section.
    const std::string text = std::string("# One\r\nline\r\n#NotATitle\r\n# \r\nx\0y\n", 33);
    const HelpDocument doc = parseHelpText(text);
    ASSERT_EQ(doc.sections.size(), 1u);
    EXPECT_EQ(doc.sections[0].title, "One");
    EXPECT_EQ(doc.sections[0].body, "line #NotATitle # xy");

    EXPECT_TRUE(parseHelpText("\n\n  \n").sections.empty());
    EXPECT_EQ(parseHelpText("# Last\nno newline at the end").sections.at(0).body,
              "no newline at the end");
}

// Each file is loaded as the Help command would; what loads is drawn headless through every
// section, and no window may ask for more vertices than the 16-bit index limit, nor, since only
// the visible part is drawn, anywhere near it.
TEST(HelpFile, OddFilesFailCleanlyOrDrawOnlyTheirVisiblePart) {
    std::string binary;
    std::uint32_t seed = 12345;
    for (int i = 0; i < 65536; ++i) {
        seed = seed * 1103515245u + 12345u;
        binary += static_cast<char>(seed >> 23);
    }
    std::string paragraph = "# Long\n";  // 300 lines of 80 characters and no blank line
    for (int i = 0; i < 300; ++i) {
        paragraph += std::string(39, 'w') + ' ' + std::string(39, 'i') + " \n";
    }
    std::string atLimit;
    while (atLimit.size() < maxHelpFileBytes) {
        atLimit += "A help line that wraps.\n";
    }
    atLimit.resize(maxHelpFileBytes);
    const struct {
        const char* name;
        std::string text;  // written to the file unless the name is a path of its own
        bool loads;
        std::size_t sections;
    } cases[] = {
        {"no-such-dir/krellmont.hlp", "", false, 0},
        {"/", "", false, 0},  // a folder opens but cannot be read
        {"empty.hlp", "", true, 0},
        {"binary.hlp", binary, true, 0},
        {"paragraph.hlp", paragraph, true, 1},
        {"limit.hlp", atLimit, true, 1},
        {"huge.hlp", atLimit + "x", false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string path = c.name;
        if (path.find('/') == std::string::npos) {
            path = ::testing::TempDir() + c.name;
            std::ofstream(path, std::ios::binary) << c.text;
        }
        HelpViewerState help;
        ASSERT_EQ(loadHelpFile(path, help.document), c.loads);
        std::remove(path.c_str());
        if (!c.loads) {
            continue;
        }
        if (c.sections != 0) {
            EXPECT_EQ(help.document.sections.size(), c.sections);
        }
        ImGuiHarness ui;
        int mostVertices = 0;
        for (std::size_t i = 0; i < std::max<std::size_t>(1, help.document.sections.size()); ++i) {
            help.selected = static_cast<int>(i);
            ui.frames(2, [&] { drawHelpViewerView(help); });
            const ImDrawData* drawn = ImGui::GetDrawData();
            for (int list = 0; list < drawn->CmdListsCount; ++list) {
                mostVertices = std::max(mostVertices, drawn->CmdLists[list]->VtxBuffer.Size);
            }
        }
        EXPECT_LT(mostVertices, 20000);
        // The lines shown hold every character of the last section drawn, blanks aside.
        const std::string& body =
            help.document.sections.empty() ? std::string() : help.document.sections.back().body;
        const auto printed = [](const char* from, const char* to) {
            return std::count_if(from, to,
                                 [](char c) { return c != ' ' && c != '\t' && c != '\n'; });
        };
        long shown = 0;
        for (const HelpLine& line : help.lines) {
            shown += printed(body.data() + line.begin, body.data() + line.end);
        }
        EXPECT_EQ(shown, printed(body.data(), body.data() + body.size()));
    }
    EXPECT_EQ(helpFailedMessage("krellmont.hlp"), "Failed to open 'krellmont.hlp'");
}
