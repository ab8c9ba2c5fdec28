// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of FramePacer: one frame per interval gathered, the excess dropped.
#include "app/frame_pacer.h"

#include <gtest/gtest.h>

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
