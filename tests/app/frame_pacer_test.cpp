// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of FramePacer: one frame per interval gathered, a little lateness carried, a stall dropped.
#include "app/frame_pacer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

// Passes on a microsecond counter, in milliseconds, and whether each draws.
TEST(FramePacer, DrawsOnceAFrameIntervalHasGatheredAndDropsTheExcess) {
    const struct {
        double start;
        std::vector<std::pair<double, bool>> passes;
    } cases[] = {
        {1000, {{1010, false}, {1016, false}, {1016.7, true}, {1030, false}, {1033.4, true}}},
        {0, {{50, true}, {50.1, false}, {51, false}, {66, false}, {66.7, true}}},  // a stall
        {100, {{90, false}, {100, false}, {107, true}}},  // a counter going backwards
    };
    for (const auto& c : cases) {
        FramePacer pacer(1000000, std::int64_t(c.start * 1000));
        EXPECT_NEAR(pacer.secondsUntilDue(), 0.016666668, 1e-6);
        for (const auto& [at, draws] : c.passes) {
            EXPECT_EQ(pacer.idlePass(std::int64_t(at * 1000)), draws) << at;
            if (at == 1010) {
                EXPECT_NEAR(pacer.secondsUntilDue(), 0.006666668, 1e-5);
            }
        }
    }
    FramePacer uncounted(0, 0);  // without a counter every pass draws
    EXPECT_TRUE(uncounted.idlePass(0) && uncounted.idlePass(0));
    EXPECT_EQ(uncounted.secondsUntilDue(), 0.0);
}

// The loop sleeps for secondsUntilDue and wakes a little late, as every real sleep does. On a
// made-up clock: ten seconds of such passes still give 600 frames, none closer together than
// three quarters of an interval; a wake-up that oversleeps by more than that carries nothing.
TEST(FramePacer, LateWakeUpsDoNotLowerTheRate) {
    for (const double lateMs : {0.0, 0.4, 0.99, 3.0}) {
        FramePacer pacer(1000000, 0);
        std::int64_t now = 0;
        std::int64_t lastFrame = -1;
        int frames = 0;
        while (now < 10000000) {
            if (pacer.idlePass(now)) {
                if (lastFrame >= 0) {
                    EXPECT_GE(now - lastFrame, 12500) << lateMs;
                }
                lastFrame = now;
                ++frames;
                now += 5000;  // drawing takes five milliseconds
                continue;
            }
            // Whole microseconds rounded up, as a sleep never wakes early.
            now += std::int64_t(std::ceil(pacer.secondsUntilDue() * 1e6)) + 1 +
                   std::int64_t(lateMs * 1000);
        }
        EXPECT_GE(frames, 599) << lateMs;
        EXPECT_LE(frames, 601) << lateMs;
    }
    FramePacer stalled(1000000, 0);
    EXPECT_TRUE(stalled.idlePass(16667 + 4200));  // later than the carry allows
    EXPECT_FALSE(stalled.idlePass(16667 + 4200 + 16000));
    EXPECT_NEAR(stalled.frameAccumulator(), 0.016, 1e-6);
}
