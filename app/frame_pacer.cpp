// SPDX-License-Identifier: GPL-3.0-or-later
// FramePacer's accumulator of counter time with a late frame's lateness carried, and the
// seconds until the next frame is due.
#include "app/frame_pacer.h"

FramePacer::FramePacer(std::int64_t counterFrequency, std::int64_t startCounter)
    : hasCounter_(counterFrequency > 0),
      counterFrequency_(counterFrequency),
      lastCounter_(startCounter) {}

bool FramePacer::idlePass(std::int64_t now) {
    if (!hasCounter_) {
        return true;
    }
    // A counter that steps backwards (it should not) adds nothing rather than
    // draining the accumulator below zero.
    if (now > lastCounter_) {
        frameAccumulator_ += static_cast<float>(static_cast<double>(now - lastCounter_) /
                                                static_cast<double>(counterFrequency_));
    }
    lastCounter_ = now;
    if (frameAccumulator_ < frameInterval) {
        return false;
    }
    const float late = frameAccumulator_ - frameInterval;
    frameAccumulator_ = late <= maxCarry ? late : 0.0f;
    return true;
}

double FramePacer::secondsUntilDue() const {
    if (!hasCounter_ || frameAccumulator_ >= frameInterval) {
        return 0.0;
    }
    return static_cast<double>(frameInterval) - static_cast<double>(frameAccumulator_);
}
