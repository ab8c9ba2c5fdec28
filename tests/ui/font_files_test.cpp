#include "ui/font_files.h"

#include <gtest/gtest.h>

TEST(FontFiles, DamagedFontBytesAreRefusedWithoutReadingPastThem) {
    std::vector<unsigned char> bytes;
    if (!readFontFile(findFontFile("Arial"), bytes)) {
        GTEST_SKIP() << "fontconfig knows no fonts here";
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
    EXPECT_FALSE(readFontFile("/nonexistent/font.ttf", read));
    EXPECT_TRUE(read.empty());
}
