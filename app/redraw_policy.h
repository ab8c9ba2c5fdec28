// SPDX-License-Identifier: GPL-3.0-or-later
// RedrawPolicy: when the loop draws a frame and how long it may sleep; redraw_policy.cpp has
// the bodies.
#pragma once

#include "app/frame_pacer.h"

#include <cstdint>
#include <optional>

// Decides when the loop draws. A turn-based game mostly shows a still picture, so frames are
// drawn only when something can have changed it: an input or window event, a dialog opening or
// closing, shells in flight, the edges of a text caret's blink. In between the loop sleeps
// until the next event or deadline. Wanted frames still go through the pacer, so shells move
// one step per frame at the usual rate and a long sleep never turns into a burst.
class RedrawPolicy {
  public:
    // Frames drawn after a change, so that hover highlights, popups that open a frame late, held
    // key releases and the fade behind a modal dialog (a sixth of a second) reach their final look.
    static constexpr int settleFrames = 12;

    // Counter readings as for FramePacer. A frequency of 0 (no counter) leaves nothing to time
    // a caret by, so a blinking caret then keeps frames coming.
    RedrawPolicy(std::int64_t counterFrequency, std::int64_t startCounter);

    // Something that can change the picture happened: a frame now, then the settling ones.
    void pictureChanged();
    // Shells in flight take one step per drawn frame: while they move, every paced frame is drawn.
    void setShellsMoving(bool moving) { shellsMoving_ = moving; }
    // A computer player moving its tank is seen moving: every paced frame is drawn meanwhile.
    void setComputerActing(bool acting) { computerActing_ = acting; }
    // A controller's stick or button is held: its action repeats on a clock, so every paced frame
    // is drawn meanwhile.
    void setInputHeld(bool held) { inputHeld_ = held; }
    // Called after each frame with ImGui's blink clock of the text field being edited (none when
    // no caret blinks): the next frame is due when the caret next appears or disappears.
    void setCaretClock(std::optional<float> clock);
    // Something on screen changes by itself at counter reading `when` (a banner goes): a frame
    // is drawn then. None cancels.
    void setChangeAt(std::optional<std::int64_t> when) { changeAt_ = when; }

    struct Step {
        bool draw = false;
        // When not drawing: the longest the loop may wait for an event; none means no deadline.
        std::optional<double> sleepSeconds;
    };
    // One pass of the loop at counter reading `now`. A step that draws counts as drawn.
    Step step(std::int64_t now);

  private:
    FramePacer pacer_;
    std::int64_t frequency_;
    int framesOwed_ = settleFrames + 1;  // the first picture, then its settling
    bool shellsMoving_ = false;
    bool computerActing_ = false;
    bool inputHeld_ = false;
    std::int64_t lastFrame_;
    std::optional<std::int64_t> caretEdge_;
    std::optional<std::int64_t> changeAt_;
};

// Seconds from the blink clock `clock` to the next moment the caret appears or disappears, by
// ImGui's rule: shown while the clock is below zero (the steady spell after typing), then shown
// for 0.8 s and hidden for 0.4 s of every 1.2 s.
double secondsToCaretEdge(float clock);
