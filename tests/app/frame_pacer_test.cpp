#include "app/frame_pacer.h"

#include <gtest/gtest.h>

namespace {

constexpr std::int64_t kHz = 1000000;  // a microsecond counter

std::int64_t ms(double milliseconds) {
    return static_cast<std::int64_t>(milliseconds * 1000.0);
}

TEST(FramePacer, DrawsOnceAFrameIntervalHasGathered) {
    FramePacer pacer(kHz, 0);
    EXPECT_FALSE(pacer.idlePass(ms(5)));
    EXPECT_FALSE(pacer.idlePass(ms(16)));
    EXPECT_TRUE(pacer.idlePass(ms(16.7)));
    EXPECT_FLOAT_EQ(pacer.frameAccumulator(), 0.0f);
    // The next frame needs a whole interval again.
    EXPECT_FALSE(pacer.idlePass(ms(30)));
    EXPECT_TRUE(pacer.idlePass(ms(33.4)));
}

TEST(FramePacer, StallGivesOneFrameAndDropsTheExcess) {
    FramePacer pacer(kHz, 0);
    EXPECT_TRUE(pacer.idlePass(ms(50)));
    EXPECT_FLOAT_EQ(pacer.frameAccumulator(), 0.0f);
    // Passes right after the stall do not catch up on the frames it swallowed.
    EXPECT_FALSE(pacer.idlePass(ms(50.1)));
    EXPECT_FALSE(pacer.idlePass(ms(51)));
    EXPECT_FALSE(pacer.idlePass(ms(66)));
    EXPECT_TRUE(pacer.idlePass(ms(66.7)));
}

TEST(FramePacer, SixtyFramesPerSecondAtMostWhateverThePassRate) {
    FramePacer pacer(kHz, 0);
    int frames = 0;
    for (std::int64_t t = 1; t <= ms(1000); t += 100) {  // a pass every 0.1 ms
        frames += pacer.idlePass(t) ? 1 : 0;
    }
    EXPECT_GE(frames, 59);
    EXPECT_LE(frames, 60);
}

TEST(FramePacer, WithoutCounterEveryPassDraws) {
    FramePacer pacer(0, 0);
    EXPECT_FALSE(pacer.hasCounter());
    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(pacer.idlePass(0));
    }
    EXPECT_EQ(pacer.secondsUntilDue(), 0.0);
}

TEST(FramePacer, ReportsTheTimeLeftToWait) {
    FramePacer pacer(kHz, ms(1000));
    EXPECT_NEAR(pacer.secondsUntilDue(), 0.016666668, 1e-6);
    pacer.idlePass(ms(1010));
    EXPECT_NEAR(pacer.secondsUntilDue(), 0.006666668, 1e-5);
    pacer.idlePass(ms(1017));
    EXPECT_NEAR(pacer.secondsUntilDue(), 0.016666668, 1e-6);
}

TEST(FramePacer, CounterGoingBackwardsAddsNoTime) {
    FramePacer pacer(kHz, ms(100));
    EXPECT_FALSE(pacer.idlePass(ms(90)));
    EXPECT_FLOAT_EQ(pacer.frameAccumulator(), 0.0f);
    EXPECT_FALSE(pacer.idlePass(ms(100)));
    EXPECT_TRUE(pacer.idlePass(ms(107)));
}

TEST(FramePacer, FirstPassCountsFromTheStartReading) {
    FramePacer pacer(kHz, ms(5000));
    EXPECT_FALSE(pacer.idlePass(ms(5010)));
    EXPECT_TRUE(pacer.idlePass(ms(5017)));
}

}  // namespace
