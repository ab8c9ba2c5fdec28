// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of RedrawPolicy: every paced frame during a volley, and frames at the caret's edges.
#include "app/redraw_policy.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

namespace {

constexpr std::int64_t kPaced = 16667;  // one frame interval in whole microseconds
constexpr std::size_t kSettle = RedrawPolicy::settleFrames + 1;

// The program's loop on a made-up microsecond clock: a frame takes 2 ms to draw, a wait ends at
// its deadline, and one without a deadline lasts until `until`. Gives frame times from `from`.
std::vector<std::int64_t> run(RedrawPolicy& policy, std::int64_t from, std::int64_t until,
                              const std::function<void(std::int64_t)>& afterFrame = {}) {
    std::vector<std::int64_t> frames;
    for (std::int64_t now = from; now < until;) {
        const RedrawPolicy::Step step = policy.step(now);
        if (step.draw) {
            frames.push_back(now - from);
            if (afterFrame)
                afterFrame(now);
            now += 2000;
        } else if (step.sleepSeconds) {
            now += std::max<std::int64_t>(1, std::llround(*step.sleepSeconds * 1e6));
        } else {
            now = until;
        }
    }
    return frames;
}

// Frames on the sixty-a-second grid from `first`, each within two microseconds of its point:
// whole-microsecond waits and the pacer's float interval must not add up to a drift.
void expectPaced(const std::vector<std::int64_t>& frames, std::size_t count,
                 std::int64_t first = 0) {
    ASSERT_EQ(frames.size(), count);
    for (std::size_t i = 0; i < count; ++i)
        EXPECT_NEAR(double(frames[i]), double(first) + double(i) * 1e6 / 60.0, 2.0) << i;
}

// An idle minute draws only the frames that let the menus settle; the volley's first frame
// comes at once, without catching up on the idle time.
TEST(RedrawPolicy, VolleyAfterAnIdleMinuteDrawsEveryPacedFrameUntilTheLastShellLands) {
    RedrawPolicy policy(1000000, 0);
    expectPaced(run(policy, 0, 60000000), kSettle, kPaced);
    policy.pictureChanged();
    policy.setShellsMoving(true);
    int steps = 0;
    const auto frames = run(policy, 60500000, 90000000, [&](std::int64_t) {
        if (++steps == 150) {  // the last shell lands and the turn passes
            policy.setShellsMoving(false);
            policy.pictureChanged();
        }
    });
    expectPaced(frames, 150 + kSettle);
}

TEST(RedrawPolicy, CaretDrawsAtEachEdgeOfImGuisBlink) {
    RedrawPolicy policy(1000000, 0);
    run(policy, 0, 1000000);
    policy.pictureChanged();  // a field takes the keyboard: ImGui's blink clock starts at -0.3 s
    float clock = 0.0f;
    std::int64_t previous = -1;
    std::vector<bool> shown;
    const auto frames = run(policy, 1000000, 13000000, [&](std::int64_t now) {
        clock = previous < 0 ? -0.3f : clock + static_cast<float>(now - previous) * 1e-6f;
        previous = now;
        shown.push_back(clock <= 0.0f || std::fmod(clock, 1.2f) <= 0.8f);
        policy.setCaretClock(clock);
    });
    ASSERT_EQ(frames.size(), kSettle + 19);  // hidden 1.1 s after focus, shown 0.4 s later...
    for (std::size_t i = kSettle; i < frames.size(); ++i) {
        const std::int64_t edge = static_cast<std::int64_t>(i - kSettle);
        EXPECT_NEAR(frames[i], 1100000 + 1200000 * (edge / 2) + 400000 * (edge % 2), 3000) << i;
        EXPECT_NE(shown[i], shown[i - 1]) << i;
    }
}

// A banner that goes by itself wakes the idle loop once, then it sleeps again; a cancelled
// change wakes nothing.
TEST(RedrawPolicy, ChangeAtWakesTheIdleLoopThen) {
    RedrawPolicy policy(1000000, 0);
    run(policy, 0, 1000000);
    policy.setChangeAt(3000000);
    expectPaced(run(policy, 1000000, 10000000), kSettle, 2000000);
    policy.setChangeAt(12000000);
    policy.setChangeAt(std::nullopt);
    EXPECT_EQ(run(policy, 10000000, 20000000).size(), 0u);
}

}  // namespace
