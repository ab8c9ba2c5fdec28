// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of KeyTapLatch: a tap between two frames released only after a frame saw it down.
#include "ui/key_tap_latch.h"

#include <gtest/gtest.h>

TEST(KeyTapLatch, ATapBetweenTwoFramesIsReleasedOnlyAfterAFrameSawItDown) {
    KeyTapLatch latch;
    EXPECT_FALSE(latch.holdBack(40, true));
    EXPECT_TRUE(latch.holdBack(40, false));  // same gap: hold the release
    EXPECT_TRUE(latch.holdBack(40, false));  // a repeated release stays with it
    EXPECT_EQ(latch.releaseHeld(), std::vector<int>{40});
    EXPECT_TRUE(latch.releaseHeld().empty());
    // Keys held across a frame and other keys pass straight through.
    EXPECT_FALSE(latch.holdBack(40, true));
    latch.releaseHeld();                      // a frame began with the key down
    EXPECT_FALSE(latch.holdBack(40, false));  // its release goes through at once
    EXPECT_FALSE(latch.holdBack(41, false));  // a release without a press seen here

    EXPECT_FALSE(latch.holdBack(40, true));
    EXPECT_FALSE(latch.holdBack(41, true));
    EXPECT_TRUE(latch.holdBack(41, false));
    EXPECT_TRUE(latch.holdBack(40, false));
    EXPECT_EQ(latch.releaseHeld(), (std::vector<int>{41, 40}));

    // Press, release, press in one gap: the key stays down past the frame (held, as by a
    // modifier under a typed capital) until its own release, which a later frame delivers.
    EXPECT_FALSE(latch.holdBack(7, true));
    EXPECT_TRUE(latch.holdBack(7, false));
    EXPECT_FALSE(latch.holdBack(7, true));
    EXPECT_TRUE(latch.releaseHeld().empty());
    EXPECT_FALSE(latch.holdBack(7, false));
}
