#include "app/redraw_policy.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

namespace {

constexpr std::int64_t kHz = 1000000;  // a microsecond counter
constexpr std::int64_t kDrawCost = 2000;
constexpr std::int64_t kPaced = 16667;  // one frame interval, rounded up to whole ticks

std::int64_t sec(double seconds) {
    return static_cast<std::int64_t>(std::llround(seconds * kHz));
}

// The program's loop with a made-up clock: drawing takes a while, waits end on their deadline,
// and a wait without one lasts until the next event the test feeds in.
struct Loop {
    RedrawPolicy policy{kHz, 0};
    std::int64_t now = 0;
    std::vector<std::int64_t> frames;
    std::function<void()> afterFrame = [] {};

    void runUntil(std::int64_t until) {
        while (now < until) {
            const RedrawPolicy::Step step = policy.step(now);
            if (step.draw) {
                frames.push_back(now);
                afterFrame();
                now += kDrawCost;
            } else if (step.sleepSeconds) {
                now += std::max<std::int64_t>(1, sec(*step.sleepSeconds));
            } else {
                now = until;
            }
        }
    }
    std::vector<std::int64_t> framesFrom(std::int64_t t) const {
        std::vector<std::int64_t> out;
        for (std::int64_t f : frames) {
            if (f >= t) {
                out.push_back(f - t);
            }
        }
        return out;
    }
};

std::vector<std::int64_t> pacedFrames(int count, std::int64_t first = 0) {
    std::vector<std::int64_t> out;
    for (int i = 0; i < count; ++i) {
        out.push_back(first + i * kPaced);
    }
    return out;
}

TEST(RedrawPolicy, IdleMinuteDrawsNothingThenAKeyDrawsAtOnceAndSettles) {
    Loop loop;
    loop.runUntil(sec(60));
    // The first picture once a frame interval has passed since start, then its settling.
    EXPECT_EQ(loop.framesFrom(0), pacedFrames(RedrawPolicy::settleFrames + 1, kPaced));

    const std::int64_t key = sec(60.5);
    loop.now = key;
    loop.policy.pictureChanged();
    loop.runUntil(sec(120));
    // No catching up on the idle minute: the key's frame comes at once, the rest paced.
    EXPECT_EQ(loop.framesFrom(key), pacedFrames(RedrawPolicy::settleFrames + 1));
}

TEST(RedrawPolicy, VolleyDrawsEveryPacedFrameUntilTheLastShellLands) {
    constexpr int volleySteps = 150;
    Loop loop;
    loop.runUntil(sec(5));
    int steps = 0;
    bool flying = false;
    loop.afterFrame = [&] {
        if (flying && ++steps == volleySteps) {
            // The last shell lands: the turn passes, the panel changes.
            flying = false;
            loop.policy.setShellsMoving(false);
            loop.policy.pictureChanged();
        }
    };
    const std::int64_t fire = sec(5.25);
    loop.now = fire;
    loop.policy.pictureChanged();
    loop.policy.setShellsMoving(true);
    flying = true;
    loop.runUntil(sec(30));
    EXPECT_EQ(loop.framesFrom(fire), pacedFrames(volleySteps + RedrawPolicy::settleFrames + 1));
}

TEST(RedrawPolicy, CaretBlinksAtImGuisRateAndEveryCaretFrameFlipsIt) {
    // ImGui's blink clock: -0.3 s when the field takes the keyboard, then each frame adds the
    // time since the previous one.
    Loop loop;
    loop.runUntil(sec(1));
    const std::int64_t focus = sec(1);
    float clock = 0.0f;
    std::int64_t previous = -1;
    std::vector<bool> shown;
    loop.afterFrame = [&] {
        clock = previous < 0 ? -0.3f : clock + static_cast<float>(loop.now - previous) / kHz;
        previous = loop.now;
        shown.push_back(clock <= 0.0f || std::fmod(clock, 1.2f) <= 0.8f);
        loop.policy.setCaretClock(clock);
    };
    loop.now = focus;
    loop.policy.pictureChanged();
    loop.runUntil(sec(13));

    const int settling = RedrawPolicy::settleFrames + 1;
    const std::vector<std::int64_t> frames = loop.framesFrom(focus);
    ASSERT_EQ(frames.size(), settling + 19u);  // hides 1.1 s after focus, shows 0.4 s later...
    for (std::size_t i = settling; i < frames.size(); ++i) {
        const std::size_t edge = i - settling;
        const double expected = 1.1 + 1.2 * static_cast<double>(edge / 2) + (edge % 2 ? 0.4 : 0);
        EXPECT_NEAR(frames[i], sec(expected), 3000) << i;
        EXPECT_NE(shown[i], shown[i - 1]) << i;
    }
    // Leaving the field stops the blinking frames.
    loop.policy.setCaretClock(std::nullopt);
    EXPECT_FALSE(loop.policy.step(sec(20)).sleepSeconds.has_value());
}

}  // namespace
