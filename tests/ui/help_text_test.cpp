#include "ui/help_text.h"

#include <gtest/gtest.h>

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

TEST(HelpFile, MissingOrUnreadableFilesFailWithTheFileNamedInTheMessage) {
    HelpDocument doc;
    EXPECT_FALSE(loadHelpFile("no-such-dir/krellmont.hlp", doc));
    EXPECT_FALSE(loadHelpFile("/", doc));  // a folder opens but cannot be read
    EXPECT_EQ(helpFailedMessage("krellmont.hlp"), "Failed to open 'krellmont.hlp'");

    const std::string path = ::testing::TempDir() + "krellmont_help_test.hlp";
    std::ofstream(path, std::ios::binary) << "# Only\nbody\n";
    ASSERT_TRUE(loadHelpFile(path, doc));
    EXPECT_EQ(doc.sections.at(0).body, "body");
    std::remove(path.c_str());
}
