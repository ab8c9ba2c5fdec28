#include "ui/font_files.h"

#include <gtest/gtest.h>

TEST(PanelFonts, SevenArialFontsWithTheirEmHeightsAndMessages) {
    EXPECT_EQ(panelFontTable[Font8].emPixels, 11);
    EXPECT_EQ(panelFontTable[Font12].emPixels, 16);
    EXPECT_EQ(panelFontTable[Font12Bold].emPixels, 16);
    EXPECT_EQ(panelFontTable[Font14].emPixels, 19);
    EXPECT_EQ(panelFontTable[Font16Bold].emPixels, 21);
    EXPECT_EQ(panelFontTable[Font18Bold].emPixels, 24);
    EXPECT_EQ(panelFontTable[Font20Bold].emPixels, 27);
    EXPECT_FALSE(panelFontTable[Font14].bold);
    EXPECT_TRUE(panelFontTable[Font20Bold].bold);
    EXPECT_STREQ(panelFontTable[Font20Bold].failureMessage,
                 "Failed to create Arial 20pt bold Font");
    EXPECT_STREQ(panelFontTable[Font12Bold].failureMessage,
                 "Failed to create Arial 12pt Bold Font");
}

TEST(FontFiles, ArialResolvesToAFontWhoseEmMapsToATallerLine) {
    const std::string path = findFontFile("Arial");
    if (path.empty()) {
        GTEST_SKIP() << "fontconfig knows no fonts here";
    }
    std::vector<unsigned char> bytes;
    ASSERT_TRUE(readFontFile(path, bytes)) << path;
    // A line holds the em square plus room above and below it (Liberation Sans: 2288/2048).
    const float line = lineHeightForEm(bytes, 19.0f);
    EXPECT_GT(line, 19.0f);
    EXPECT_LT(line, 19.0f * 1.4f);
    EXPECT_NEAR(lineHeightForEm(bytes, 38.0f), 2.0f * line, 0.01f);
    EXPECT_FALSE(findFontFile("Arial:bold").empty());
}

TEST(FontFiles, DamagedFontBytesAreRefusedWithoutReadingPastThem) {
    const std::string path = findFontFile("Arial");
    std::vector<unsigned char> bytes;
    if (path.empty() || !readFontFile(path, bytes)) {
        GTEST_SKIP() << "no font to damage";
    }
    std::vector<unsigned char> cut(bytes.begin(), bytes.begin() + 200);
    EXPECT_EQ(lineHeightForEm(cut, 19.0f), 0.0f);  // tables lie past the end
    std::vector<unsigned char> header(bytes.begin(), bytes.begin() + 11);
    EXPECT_EQ(lineHeightForEm(header, 19.0f), 0.0f);
    EXPECT_EQ(lineHeightForEm({}, 19.0f), 0.0f);
    std::vector<unsigned char> manyTables(bytes.begin(), bytes.begin() + 64);
    manyTables[4] = 0xFF;  // a directory claiming 65 thousand tables
    manyTables[5] = 0xFF;
    EXPECT_EQ(lineHeightForEm(manyTables, 19.0f), 0.0f);
    std::vector<unsigned char> collection = {'t', 't', 'c', 'f', 0,    1,    0,    0,
                                             0,   0,   0,   1,   0x7F, 0xFF, 0xFF, 0xF0};
    EXPECT_EQ(lineHeightForEm(collection, 19.0f), 0.0f);

    EXPECT_FALSE(readFontFile("", bytes));
    EXPECT_FALSE(readFontFile("/nonexistent/font.ttf", bytes));
    EXPECT_TRUE(bytes.empty());
}
