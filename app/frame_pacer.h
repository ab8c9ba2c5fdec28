// SPDX-License-Identifier: GPL-3.0-or-later
// FramePacer: at most one frame per sixtieth of a second, timed by a tick counter.
// frame_pacer.cpp has the bodies.
#pragma once

#include <cstdint>

// Decides, from readings of a monotonic tick counter, when the next frame is due.
// Frames come at most once per frameInterval on average. A frame drawn a little late (the
// wake-up overslept) carries its lateness, up to maxCarry, to the next one, which is due that
// much sooner: otherwise every late wake-up would stretch its interval and the rate would sink
// below 60. Lateness beyond maxCarry (a stall) is dropped: one late frame, never a burst.
class FramePacer {
  public:
    static constexpr float frameInterval = 0.016666668f;
    // A quarter of an interval: two frames are never closer than three quarters of one.
    static constexpr float maxCarry = frameInterval / 4.0f;

    // A frequency of 0 means there is no counter: every idle pass then gets a frame.
    FramePacer(std::int64_t counterFrequency, std::int64_t startCounter);

    // One idle pass at counter reading `now`. True when a frame should be drawn.
    bool idlePass(std::int64_t now);

    // Seconds still missing before the next idle pass would draw (0 when due, or
    // when there is no counter).
    double secondsUntilDue() const;

    bool hasCounter() const { return hasCounter_; }
    float frameAccumulator() const { return frameAccumulator_; }

  private:
    bool hasCounter_;
    std::int64_t counterFrequency_;
    std::int64_t lastCounter_;
    float frameAccumulator_ = 0.0f;
};
