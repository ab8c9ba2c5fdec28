// SPDX-License-Identifier: GPL-3.0-or-later
// KeyTapLatch: holds back a key's release so ImGui sees even a quick tap down for a frame.
// key_tap_latch.cpp has the bodies.
#pragma once

#include <vector>

// ImGui 1.86 samples key states once per frame, so a key pressed and released between two
// frames (a quick tap, or a synthesized one) would never be seen down. The latch holds such a
// release back until the frame that saw the press has ended. Everything it lets through, and the
// held releases, must reach ImGui between frames: a key or modifier changing while a frame runs
// breaks ImGui's own bookkeeping.
class KeyTapLatch {
  public:
    // Called for every key event before it reaches ImGui. Returns true when a release must be
    // held back (its press came after the last frame sampled the keys).
    bool holdBack(int key, bool down);
    // Called once a frame has sampled the keys and finished: the releases to deliver before the
    // next frame, oldest first.
    std::vector<int> releaseHeld();

  private:
    std::vector<int> pressedSinceFrame_;
    std::vector<int> held_;
};
