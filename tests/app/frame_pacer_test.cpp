#include "app/frame_pacer.h"

#include <gtest/gtest.h>

namespace {

constexpr std::int64_t kHz = 1000000;  // a microsecond counter

std::int64_t ms(double milliseconds) {
    return static_cast<std::int64_t>(milliseconds * 1000.0);
}

TEST(FramePacer, DrawsOnceAFrameIntervalHasGatheredSinceTheStartReading) {
    FramePacer pacer(kHz, ms(1000));
    EXPECT_NEAR(pacer.secondsUntilDue(), 0.016666668, 1e-6);
    EXPECT_FALSE(pacer.idlePass(ms(1010)));
    EXPECT_NEAR(pacer.secondsUntilDue(), 0.006666668, 1e-5);
    EXPECT_FALSE(pacer.idlePass(ms(1016)));
    EXPECT_TRUE(pacer.idlePass(ms(1016.7)));
    EXPECT_NEAR(pacer.secondsUntilDue(), 0.016666668, 1e-6);
    // The next frame needs a whole interval again.
    EXPECT_FALSE(pacer.idlePass(ms(1030)));
    EXPECT_TRUE(pacer.idlePass(ms(1033.4)));
}

TEST(FramePacer, StallGivesOneFrameAndDropsTheExcess) {
    FramePacer pacer(kHz, 0);
    EXPECT_TRUE(pacer.idlePass(ms(50)));
    // Passes right after the stall do not catch up on the frames it swallowed.
    for (double t : {50.1, 51.0, 66.0}) {
        EXPECT_FALSE(pacer.idlePass(ms(t))) << t;
    }
    EXPECT_TRUE(pacer.idlePass(ms(66.7)));
}

TEST(FramePacer, CounterGoingBackwardsAddsNoTime) {
    FramePacer pacer(kHz, ms(100));
    EXPECT_FALSE(pacer.idlePass(ms(90)));
    EXPECT_FALSE(pacer.idlePass(ms(100)));
    EXPECT_TRUE(pacer.idlePass(ms(107)));
}

TEST(FramePacer, WithoutCounterEveryPassDraws) {
    FramePacer pacer(0, 0);
    EXPECT_TRUE(pacer.idlePass(0));
    EXPECT_TRUE(pacer.idlePass(0));
    EXPECT_EQ(pacer.secondsUntilDue(), 0.0);
}

}  // namespace
