// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of reading Xft.dpi out of an X resource database string.
#include "app/display_dpi.h"

#include <gtest/gtest.h>

TEST(XftDpi, FoundOnItsOwnLineAndNowhereElse) {
    EXPECT_EQ(xftDpiFromResources("Xft.antialias:\t1\nXft.dpi:\t192\nXft.hinting:\t1\n"), 192.0f);
    EXPECT_EQ(xftDpiFromResources("Xft.dpi:\t144.5"), 144.5f);  // the last line, unterminated
    // A longer name that starts alike, a value inside another line, none at all.
    EXPECT_EQ(xftDpiFromResources("Xft.dpiScale:\t2\n"), 0.0f);
    EXPECT_EQ(xftDpiFromResources("Emacs.font:\tXft.dpi: 192\n"), 0.0f);
    EXPECT_EQ(xftDpiFromResources(""), 0.0f);
    EXPECT_EQ(xftDpiFromResources(nullptr), 0.0f);
}

TEST(XftDpi, NonsenseValuesCountAsUnknown) {
    EXPECT_EQ(xftDpiFromResources("Xft.dpi:\t0\n"), 0.0f);
    EXPECT_EQ(xftDpiFromResources("Xft.dpi:\t-96\n"), 0.0f);
    EXPECT_EQ(xftDpiFromResources("Xft.dpi:\tlarge\n"), 0.0f);
    EXPECT_EQ(xftDpiFromResources("Xft.dpi:\t1e999\n"), 0.0f);
}
