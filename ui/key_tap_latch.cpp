// SPDX-License-Identifier: GPL-3.0-or-later
// KeyTapLatch's bookkeeping of presses since the last frame and of the releases held back.
#include "ui/key_tap_latch.h"

#include <algorithm>

bool KeyTapLatch::holdBack(int key, bool down) {
    const auto held = std::find(held_.begin(), held_.end(), key);
    if (down) {
        // Pressed again before the frame: it is down once more, the held release is void.
        if (held != held_.end()) {
            held_.erase(held);
        }
        if (std::find(pressedSinceFrame_.begin(), pressedSinceFrame_.end(), key) ==
            pressedSinceFrame_.end()) {
            pressedSinceFrame_.push_back(key);
        }
        return false;
    }
    if (held != held_.end()) {
        return true;
    }
    if (std::find(pressedSinceFrame_.begin(), pressedSinceFrame_.end(), key) !=
        pressedSinceFrame_.end()) {
        held_.push_back(key);
        return true;
    }
    return false;
}

std::vector<int> KeyTapLatch::releaseHeld() {
    pressedSinceFrame_.clear();
    std::vector<int> released;
    released.swap(held_);
    return released;
}
