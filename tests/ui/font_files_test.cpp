// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of font files: damaged bytes refused without reading past them.
#include "ui/font_files.h"

#include <gtest/gtest.h>

TEST(FontFiles, DamagedFontBytesAreRefusedWithoutReadingPastThem) {
    std::vector<unsigned char> bytes;
    if (!readFontFile(findFontFile("Arial"), bytes))
        GTEST_SKIP() << "fontconfig knows no fonts here";
    std::vector<unsigned char> manyTables(bytes.begin(), bytes.begin() + 64);
    manyTables[4] = manyTables[5] = 0xFF;  // a directory claiming 65 thousand tables
    const std::vector<unsigned char> damaged[] = {
        {bytes.begin(), bytes.begin() + 200},  // tables lie past the end
        {bytes.begin(), bytes.begin() + 11},
        {},
        manyTables,
        {'t', 't', 'c', 'f', 0, 1, 0, 0, 0, 0, 0, 1, 0x7F, 0xFF, 0xFF, 0xF0},
    };
    for (const auto& d : damaged)
        EXPECT_EQ(lineHeightForEm(d, 19.0f), 0.0f) << d.size();
    // A collection holding the font measures as the font: its tables' places count from the
    // start of the collection.
    const unsigned char header[] = {'t', 't', 'c', 'f', 0, 1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 16};
    std::vector<unsigned char> collection = bytes;
    collection.insert(collection.begin(), std::begin(header), std::end(header));
    for (int at = 16 + 12 + 8; at < 16 + 12 + 16 * (bytes[4] << 8 | bytes[5]); at += 16) {
        const unsigned moved = (collection[at] << 24 | collection[at + 1] << 16 |
                                collection[at + 2] << 8 | collection[at + 3]) +
                               16u;
        for (int k = 0; k < 4; ++k)
            collection[at + k] = static_cast<unsigned char>(moved >> (24 - 8 * k));
    }
    EXPECT_EQ(lineHeightForEm(collection, 19.0f), lineHeightForEm(bytes, 19.0f));
    std::vector<unsigned char> read;
    EXPECT_FALSE(readFontFile("/nonexistent/font.ttf", read) || readFontFile("/dev/null", read));
    EXPECT_TRUE(read.empty());
}
