// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of PadNavLatch: taps seen for one frame, holds by any pad, an unplugged pad let go.
#include "ui/pad_nav.h"

#include <gtest/gtest.h>

namespace {

bool isDown(const std::array<bool, PadNavLatch::inputCount>& frame, PadNav which) {
    return frame[static_cast<std::size_t>(which)];
}

TEST(PadNavLatch, ATapShowsForOneFrameAndAHoldByAnyPadLasts) {
    PadNavLatch latch;
    latch.set(0, PadNav::Activate, true);
    latch.set(0, PadNav::Activate, false);  // let go before a frame saw it
    EXPECT_TRUE(isDown(latch.takeFrame(), PadNav::Activate));
    EXPECT_FALSE(isDown(latch.takeFrame(), PadNav::Activate)) << "one press, one frame";
    EXPECT_FALSE(latch.held());

    // Two pads hold Down; it stays down until both let go.
    latch.set(1, PadNav::Down, true);
    latch.set(3, PadNav::Down, true);
    latch.set(1, PadNav::Down, false);
    latch.takeFrame();
    EXPECT_TRUE(isDown(latch.takeFrame(), PadNav::Down));
    EXPECT_TRUE(latch.held());
    latch.releaseAll(3);  // unplugged while holding
    EXPECT_FALSE(isDown(latch.takeFrame(), PadNav::Down));
    EXPECT_FALSE(latch.held());

    latch.set(4, PadNav::Up, true);  // no such pad
    latch.set(-1, PadNav::Up, true);
    EXPECT_FALSE(isDown(latch.takeFrame(), PadNav::Up));
}

}  // namespace
