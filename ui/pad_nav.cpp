// SPDX-License-Identifier: GPL-3.0-or-later
// PadNavLatch's bodies: held inputs per pad and taps kept for one frame.
#include "ui/pad_nav.h"

void PadNavLatch::set(int pad, PadNav which, bool down) {
    const int input = static_cast<int>(which);
    if (pad < 0 || pad >= padCount || input < 0 || input >= inputCount) {
        return;
    }
    down_[static_cast<std::size_t>(pad)][static_cast<std::size_t>(input)] = down;
    if (down) {
        tapped_[static_cast<std::size_t>(input)] = true;
    }
}

void PadNavLatch::releaseAll(int pad) {
    if (pad >= 0 && pad < padCount) {
        down_[static_cast<std::size_t>(pad)] = {};
    }
}

std::array<bool, PadNavLatch::inputCount> PadNavLatch::takeFrame() {
    std::array<bool, inputCount> frame = tapped_;
    for (const auto& pad : down_) {
        for (std::size_t i = 0; i < frame.size(); ++i) {
            frame[i] = frame[i] || pad[i];
        }
    }
    tapped_ = {};
    return frame;
}

bool PadNavLatch::held() const {
    for (const auto& pad : down_) {
        for (const bool down : pad) {
            if (down) {
                return true;
            }
        }
    }
    return false;
}
