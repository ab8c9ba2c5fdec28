#pragma once

#include <vector>

// ImGui 1.86 samples key states once per frame, so a key pressed and released between two
// frames (a quick tap, or a synthesized one) would never be seen down. The latch holds such a
// release back until the frame after the one that saw the press.
class KeyTapLatch {
  public:
    // Called for every key event before it reaches ImGui. Returns true when a release must be
    // held back (its press came after the last frame began).
    bool holdBack(int key, bool down);
    // Called right after a frame began: the releases to deliver now, oldest first.
    std::vector<int> releaseHeld();

  private:
    std::vector<int> pressedSinceFrame_;
    std::vector<int> held_;
};
