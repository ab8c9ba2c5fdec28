#include "ui/font_files.h"
#include "ui/views.h"

#include <gtest/gtest.h>

namespace {

std::vector<unsigned char> arialBytes() {
    std::vector<unsigned char> bytes;
    const std::string path = findFontFile("Arial");
    if (!path.empty()) {
        EXPECT_TRUE(readFontFile(path, bytes)) << path;
    }
    return bytes;
}

}  // namespace

// Names typed in accented Latin, Greek or Cyrillic show as typed in dialogs and the team line.
TEST(PanelFonts, TheFacesThatShowNamesCarryTheirScripts) {
    if (arialBytes().empty()) {
        GTEST_SKIP() << "fontconfig knows no fonts here";
    }
    ImFontAtlas atlas;
    MessageQueue messages;
    const PanelFonts fonts = loadPanelFonts(atlas, messages);
    ASSERT_TRUE(atlas.Build());
    EXPECT_TRUE(messages.empty());
    for (const ImFont* font : {atlas.Fonts[0], fonts.get(Font14)}) {
        for (ImWchar letter : {0x0151, 0x03A9, 0x0416}) {  // ő Ω Ж
            EXPECT_NE(font->FindGlyphNoFallback(letter), nullptr) << letter;
        }
    }
}

TEST(FontFiles, DamagedFontBytesAreRefusedWithoutReadingPastThem) {
    const auto bytes = arialBytes();
    if (bytes.empty()) {
        GTEST_SKIP() << "no font to damage";
    }
    std::vector<unsigned char> manyTables(bytes.begin(), bytes.begin() + 64);
    manyTables[4] = manyTables[5] = 0xFF;  // a directory claiming 65 thousand tables
    const std::vector<unsigned char> damaged[] = {
        {bytes.begin(), bytes.begin() + 200},  // tables lie past the end
        {bytes.begin(), bytes.begin() + 11},
        {},
        manyTables,
        {'t', 't', 'c', 'f', 0, 1, 0, 0, 0, 0, 0, 1, 0x7F, 0xFF, 0xFF, 0xF0},
    };
    for (const auto& d : damaged) {
        EXPECT_EQ(lineHeightForEm(d, 19.0f), 0.0f) << d.size();
    }
    std::vector<unsigned char> read;
    EXPECT_FALSE(readFontFile("", read));
    EXPECT_FALSE(readFontFile("/nonexistent/font.ttf", read));
    EXPECT_TRUE(read.empty());
}
