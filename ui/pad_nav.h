// SPDX-License-Identifier: GPL-3.0-or-later
// PadNavLatch: the controllers' d-pads and A buttons as ImGui's navigation inputs, one frame at a
// time; pad_nav.cpp has the bodies.
#pragma once

#include "game/setup_dialogs.h"

#include <array>

// What a controller's buttons mean to a dialog: the d-pad moves between widgets, A activates,
// B cancels (Escape) and Start presses the default button (Enter). Accept is no navigation input.
enum class PadNav { Up, Down, Left, Right, Activate, Cancel, Accept, Count };

// Any controller may walk the dialogs, so an input counts as down while any pad holds it. ImGui
// samples its inputs once a frame: a press let go before the next frame still shows down in that
// frame, so a quick tap is never lost.
class PadNavLatch {
  public:
    static constexpr int padCount = controllerSlots;
    static constexpr int inputCount = static_cast<int>(PadNav::Count);

    // Pads outside 0..padCount-1 are ignored.
    void set(int pad, PadNav which, bool down);
    // Everything the pad held is let go (it was unplugged).
    void releaseAll(int pad);

    // The inputs for the frame about to begin; the taps it shows are then forgotten.
    std::array<bool, inputCount> takeFrame();
    // Something is held: ImGui repeats a held d-pad, so frames must keep coming.
    bool held() const;

  private:
    std::array<std::array<bool, inputCount>, padCount> down_{};
    std::array<bool, inputCount> tapped_{};
};
