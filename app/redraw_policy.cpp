// SPDX-License-Identifier: GPL-3.0-or-later
// Frames owed after a change, shells and computer moves, the caret's blink edges, and sleeps.
#include "app/redraw_policy.h"

#include <cmath>

namespace {

constexpr double blinkPeriod = 1.2;
constexpr double caretShownFor = 0.8;
// Wake a little after the edge: ImGui reads its clock a moment after ours, and a frame drawn
// just before the edge would show no change and cost another.
constexpr double edgeMargin = 0.002;

}  // namespace

double secondsToCaretEdge(float clock) {
    const double c = static_cast<double>(clock);
    if (c < 0.0) {
        return caretShownFor - c;
    }
    const double phase = std::fmod(c, blinkPeriod);
    return phase <= caretShownFor ? caretShownFor - phase : blinkPeriod - phase;
}

RedrawPolicy::RedrawPolicy(std::int64_t counterFrequency, std::int64_t startCounter)
    : pacer_(counterFrequency, startCounter),
      frequency_(counterFrequency),
      lastFrame_(startCounter) {}

void RedrawPolicy::pictureChanged() {
    framesOwed_ = settleFrames + 1;
}

void RedrawPolicy::setCaretClock(std::optional<float> clock) {
    if (!clock) {
        caretEdge_.reset();
        return;
    }
    const double seconds = secondsToCaretEdge(*clock) + edgeMargin;
    caretEdge_ = lastFrame_ +
                 static_cast<std::int64_t>(std::ceil(seconds * static_cast<double>(frequency_)));
}

RedrawPolicy::Step RedrawPolicy::step(std::int64_t now) {
    if (changeAt_ && now >= *changeAt_) {
        changeAt_.reset();
        pictureChanged();
    }
    const bool caretDue = caretEdge_ && (!pacer_.hasCounter() || now >= *caretEdge_);
    if (framesOwed_ == 0 && !shellsMoving_ && !computerActing_ && !inputHeld_ && !caretDue) {
        Step idle;
        std::optional<std::int64_t> wake = caretEdge_;
        if (changeAt_ && (!wake || *changeAt_ < *wake)) {
            wake = changeAt_;
        }
        if (wake) {
            idle.sleepSeconds = static_cast<double>(*wake - now) / static_cast<double>(frequency_);
        }
        return idle;
    }
    if (!pacer_.idlePass(now)) {
        return Step{false, pacer_.secondsUntilDue()};
    }
    if (framesOwed_ > 0) {
        --framesOwed_;
    }
    // The frame about to be drawn sets the caret's next edge afresh.
    caretEdge_.reset();
    lastFrame_ = now;
    return Step{true, std::nullopt};
}
